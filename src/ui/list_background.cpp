#include "list_background.h"

#include <QDir>
#include <QFile>
#include <QPalette>
#include <QPixmap>

void applyListBackground(QAbstractItemView& list, const QString& directory) {
    const QString path = directory + QDir::separator() + QStringLiteral("1.bmp");
    QFile picture(QStringLiteral(":/assets/list-background.bmp"));
    QFile file(path);
    if (picture.open(QIODevice::ReadOnly) && file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(picture.readAll());
    file.close();

    // The cells paint no background of their own, so the picture shows through them. Only
    // the viewport takes it: the check boxes draw their face in the list's own base colour.
    const QPixmap tile(path);
    if (tile.isNull())
        return;
    QWidget& area = *list.viewport();
    QPalette palette = area.palette();
    palette.setBrush(QPalette::Base, QBrush(tile));
    area.setPalette(palette);
}
