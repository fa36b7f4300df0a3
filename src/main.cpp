#include "clock.h"
#include "info_box.h"
#include "main_window.h"
#include "record_store.h"
#include "register_lock.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/assets/quorvel-%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    // A second copy on the same register would save its table over the first's entries.
    InfoBoxInformer informer;
    const std::unique_ptr<QLockFile> lock = acquireRegisterLock(storePath(), informer);
    if (!lock)
        return 1;

    const SystemClock clock;
    MainWindow window(storePath(), clock);
    window.show();
    // Some window managers give a new tool window no focus of its own accord.
    window.activateWindow();
    return app.exec();
}
