#include "info_box.h"

#include "gbk_text.h"

#include <QApplication>
#include <QMessageBox>

void showInfoBox(const QByteArray& text, const QByteArray& title) {
    QString shown = fromGbk(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Information, fromGbk(title), shown, QMessageBox::Ok);
    // Texts come from the register too; a specimen number must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    // A window manager need not hand the focus back when the box goes, so the window that
    // had it before takes it back itself.
    QWidget* active = QApplication::activeWindow();
    box.exec();
    if (active)
        active->activateWindow();
}
