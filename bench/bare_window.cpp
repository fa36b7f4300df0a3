// The reference for the program's start-up: a bare Qt Widgets program that shows one
// window with one Chinese label.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("试块到期登记"));
    label.show();
    return app.exec();
}
