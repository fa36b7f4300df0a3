#pragma once

#include "informer.h"

#include <QStyledItemDelegate>

// Draws and edits the record list's cells, which hold GBK bytes, and refuses an in-place
// edit of the specimen number that the store file could not carry back unchanged. The
// selection shows on the first cell of a row only, and only while the list has the focus.
class RecordDelegate : public QStyledItemDelegate {
public:
    RecordDelegate(Informer& informer, QObject* parent);

    QString displayText(const QVariant& value, const QLocale& locale) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    Informer& informer_;
};
