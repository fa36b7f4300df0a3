// Linked into a program built only for the benchmark: once its first top-level window has
// been painted, prints "shown <peak resident kB>" and ends the program normally, so that
// the benchmark can time a start from process creation to a window on the screen.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>

namespace {

qint64 peakResidentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

class WindowShownProbe : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            painted_ = true;
            // Queued, so that the whole window has been painted when it runs.
            QMetaObject::invokeMethod(this, &WindowShownProbe::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        std::printf("shown %lld\n", static_cast<long long>(peakResidentKiB()));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    bool painted_ = false;
};

void installWindowShownProbe() {
    QCoreApplication::instance()->installEventFilter(
        new WindowShownProbe(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installWindowShownProbe)
