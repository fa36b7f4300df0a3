#include "clock.h"
#include "main_window.h"
#include "record_store.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/assets/quorvel-%1.png").arg(size));
    QApplication::setWindowIcon(icon);

    const SystemClock clock;
    MainWindow window(storePath(), clock);
    window.show();
    // Some window managers give a new tool window no focus of its own accord.
    window.activateWindow();
    return app.exec();
}
