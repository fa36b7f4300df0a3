#include "record_delegate.h"

#include "gbk_text.h"
#include "record_store.h"
#include "specimen_record.h"
#include "store_messages.h"

#include <QLineEdit>

RecordDelegate::RecordDelegate(Informer& informer, QObject* parent)
    : QStyledItemDelegate(parent), informer_(informer) {
}

QString RecordDelegate::displayText(const QVariant& value, const QLocale&) const {
    return fromGbk(value.toByteArray());
}

QWidget* RecordDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    return editor;
}

void RecordDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    static_cast<QLineEdit*>(editor)->setText(fromGbk(index.data(Qt::EditRole).toByteArray()));
}

void RecordDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    const QByteArray text = toGbk(static_cast<QLineEdit*>(editor)->text());
    if (const StoreProblem problem = cellStoreProblem(index.column(), text);
        problem != StoreProblem::None) {
        informer_.notify(storeProblemMessage(problem));
        return;
    }
    model->setData(index, text, Qt::EditRole);
}

void RecordDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    const bool listHasFocus = option->widget && option->widget->hasFocus();
    if (index.column() != SpecimenNumber || !listHasFocus)
        option->state &= ~QStyle::State_Selected;
    option->state &= ~QStyle::State_MouseOver;
}
