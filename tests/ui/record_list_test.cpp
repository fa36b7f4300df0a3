#include "window_fixture.h"

#include "record_store.h"
#include "store_messages.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;

namespace {

using RecordListTest = WindowTest;

QPoint cellCentre(const RecordList& list, int row, int column) {
    return list.visualRect(list.model()->index(row, column)).center();
}

// What the list draws for a cell.
QString shownText(const RecordList& list, int row, int column) {
    const auto& delegate = static_cast<const QStyledItemDelegate&>(*list.itemDelegate());
    return delegate.displayText(list.model()->index(row, column).data(), {});
}

QPoint checkBoxCentre(const RecordList& list, int row) {
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.rect = list.visualRect(list.model()->index(row, 0));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    return list.style()
        ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list)
        .center();
}

void click(RecordList& list, QPoint at, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, at);
}

// Confirms the open edit with Return; the delegate takes it through a queued call.
void confirm(RecordList& list, QLineEdit& editor, int row) {
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return list.indexWidget(list.model()->index(row, 0)) == nullptr; }));
}

TEST_F(RecordListTest, CellsShowTheirGbkTextsUnderTheSixTitles) {
    writeThreeRows();
    openShown();
    const QAbstractItemModel& model = *list()->model();
    QStringList titles;
    for (int column = 0; column < model.columnCount(); ++column)
        titles.append(model.headerData(column, Qt::Horizontal).toString());
    EXPECT_EQ(titles, (QStringList{u"试块编号"_s, u"组数"_s, u"部位"_s, u"成型日期"_s, u"龄期"_s,
                                   u"到期时间"_s}));
    EXPECT_EQ(shownText(*list(), 1, Location), u"梁"_s);
    EXPECT_EQ(shownText(*list(), 1, MoldingDate), u"2026年2月2日"_s);
    EXPECT_FALSE(list()->verticalHeader()->isVisible()) << "no row-number column";
    EXPECT_TRUE(list()->showGrid());
}

TEST_F(RecordListTest, ClickingACheckBoxTicksAndUnticksOnlyThatRow) {
    writeThreeRows();
    const QByteArray stored = readFile("lq.vx");
    openShown();
    const QAbstractItemModel& model = *list()->model();
    auto ticked = [&](int row) {
        return model.index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
    };
    ASSERT_FALSE(ticked(0) || ticked(1) || ticked(2)) << "rows start unticked";
    click(*list(), checkBoxCentre(*list(), 1));
    EXPECT_TRUE(ticked(1));
    EXPECT_FALSE(ticked(0) || ticked(2));
    click(*list(), checkBoxCentre(*list(), 1));
    EXPECT_FALSE(ticked(1));
    EXPECT_EQ(readFile("lq.vx"), stored) << "a tick saves nothing";
}

TEST_F(RecordListTest, SelectionStartsEmptyAndTakesSeveralRows) {
    writeThreeRows();
    openShown();
    QItemSelectionModel& selection = *list()->selectionModel();
    EXPECT_TRUE(selection.selectedRows().isEmpty());
    click(*list(), cellCentre(*list(), 0, Location));
    click(*list(), cellCentre(*list(), 2, Age), Qt::ControlModifier);
    QList<int> rows;
    for (const QModelIndex& index : selection.selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (QList<int>{0, 2}));
}

TEST_F(RecordListTest, HeaderClicksLeaveOrderAndSelectionAlone) {
    writeThreeRows();
    openShown();
    click(*list(), cellCentre(*list(), 1, 0));
    QHeaderView& header = *list()->horizontalHeader();
    for (int column = 0; column < 6; ++column) {
        const QPoint title(header.sectionViewportPosition(column) + 10, header.height() / 2);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, title);
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, title);
    }
    EXPECT_EQ(cell(0, 0), "1");
    EXPECT_EQ(cell(1, 0), "2");
    EXPECT_EQ(cell(2, 0), "3");
    ASSERT_EQ(list()->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(list()->selectionModel()->selectedRows().first().row(), 1);
    EXPECT_FALSE(header.sectionsMovable());
}

TEST_F(RecordListTest, SelectionShowsOnTheFirstCellOnlyAndOnlyWithFocus) {
    writeThreeRows();
    openShown();
    click(*list(), cellCentre(*list(), 1, 0));
    const QColor highlight = list()->palette().color(QPalette::Active, QPalette::Highlight);
    // The style shades the highlight a little.
    auto highlighted = [&](const QColor& colour) {
        return std::abs(colour.red() - highlight.red()) +
                   std::abs(colour.green() - highlight.green()) +
                   std::abs(colour.blue() - highlight.blue()) <
               12;
    };
    const QRect first = list()->visualRect(list()->model()->index(1, 0));
    const QRect third = list()->visualRect(list()->model()->index(1, Location));
    // Right-hand ends of the cells, away from check box and text.
    auto colourAt = [&](const QRect& cellRect) {
        return list()->viewport()->grab().toImage().pixelColor(cellRect.right() - 3,
                                                               cellRect.center().y());
    };
    EXPECT_TRUE(highlighted(colourAt(first)));
    EXPECT_FALSE(highlighted(colourAt(third)));
    field("numberField")->setFocus();
    EXPECT_FALSE(highlighted(colourAt(first)));
    EXPECT_EQ(list()->selectionModel()->selectedRows().size(), 1) << "still selected";
}

TEST_F(RecordListTest, ClickIntoASelectedFirstCellEditsItInPlace) {
    writeThreeRows();
    const QByteArray stored = readFile("lq.vx");
    openShown();
    QLineEdit* editor = openEditorByClicks(1);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "2");
    editor->setText(u"2甲ก"_s); // ก lies outside GBK and must still come back
    confirm(*list(), *editor, 1);
    EXPECT_EQ(cell(1, 0), gbk(u"2甲ก"));
    EXPECT_EQ(shownText(*list(), 1, 0), u"2甲ก"_s);
    EXPECT_TRUE(boxes.seen.isEmpty());
    EXPECT_EQ(readFile("lq.vx"), stored) << "an in-place edit saves nothing";
}

TEST_F(RecordListTest, OnlyTheFirstCellOpensAnEditor) {
    writeThreeRows();
    openShown();
    for (int column = GroupCount; column <= DueDate; ++column) {
        click(*list(), cellCentre(*list(), 0, column));
        click(*list(), cellCentre(*list(), 0, column));
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        EXPECT_EQ(list()->indexWidget(list()->model()->index(0, column)), nullptr) << column;
    }
}

TEST_F(RecordListTest, EditsTheStoreCouldNotCarryAreRefusedWithTheEntryMessage) {
    writeThreeRows();
    openShown();
    struct Case {
        QString typed;
        StoreProblem problem;
    };
    for (const auto& [typed, problem] :
         {Case{"7---8", StoreProblem::Separator}, Case{"7\n8", StoreProblem::LineBreak},
          Case{"7-", StoreProblem::TrailingDash}}) {
        boxes.seen.clear();
        list()->clearSelection();
        // A press soon after an editor closed is taken as ending that edit, not as a new one.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QLineEdit* editor = openEditorByClicks(0);
        ASSERT_NE(editor, nullptr) << qPrintable(typed);
        editor->setText(typed);
        confirm(*list(), *editor, 0);
        EXPECT_EQ(cell(0, 0), "1") << qPrintable(typed);
        ASSERT_EQ(boxes.seen.size(), 1) << qPrintable(typed);
        EXPECT_EQ(boxes.seen[0].text, fromGbk(storeProblemMessage(problem)));
        EXPECT_EQ(boxes.seen[0].title, u"提示"_s);
    }
}

TEST_F(RecordListTest, FocusLeavingTheEditorConfirmsIt) {
    writeThreeRows();
    openShown();
    QLineEdit* editor = openEditorByClicks(2);
    ASSERT_NE(editor, nullptr);
    editor->setText("30");
    field("groupsField")->setFocus();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return list()->indexWidget(list()->model()->index(2, 0)) == nullptr; }));
    EXPECT_EQ(cell(2, 0), "30");
}

} // namespace
