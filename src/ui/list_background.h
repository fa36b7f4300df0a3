#pragma once

#include <QAbstractItemView>
#include <QString>

// Writes the striped picture as "1.bmp" into the directory, replacing whatever is there, and
// lays that file tiled under the list's rows. When the file cannot be written the list takes
// what it finds under that name, and stays plain white when that is no picture.
void applyListBackground(QAbstractItemView& list, const QString& directory);
