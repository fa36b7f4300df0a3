#include "info_box.h"

#include "gbk_text.h"

#include <QMessageBox>

void showInfoBox(const QByteArray& text, const QByteArray& title) {
    QString shown = fromGbk(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Information, fromGbk(title), shown, QMessageBox::Ok);
    // Texts come from the register too; a specimen number must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
