#include "record_list.h"

#include "record_delegate.h"

#include <QHeaderView>
#include <QProxyStyle>

#include <iterator>

namespace {

constexpr int kColumnWidths[] = {60, 80, 100, 80, 80, 60};

// Paints no row panel: the list has no alternating rows, so the panel would only spread the
// selection across the whole row, and the delegate marks the first cell alone.
class FirstCellSelectionStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_PanelItemViewRow)
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

} // namespace

RecordList::RecordList(QAbstractItemModel& model, Informer& informer, QWidget* parent)
    : QTableView(parent) {
    setModel(&model);
    setItemDelegate(new RecordDelegate(informer, this));
    auto* style = new FirstCellSelectionStyle;
    style->setParent(this);
    setStyle(style);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(SelectedClicked);
    setFocusPolicy(Qt::ClickFocus);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* header = horizontalHeader();
    header->setSectionsMovable(false);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 0; column < std::ssize(kColumnWidths); ++column)
        header->resizeSection(column, kColumnWidths[column]);

    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}

void RecordList::discardEdit() {
    if (QWidget* editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::NoHint);
}
