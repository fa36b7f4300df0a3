#include "window_fixture.h"

#include "due_date.h"
#include "gbk_text.h"

#include <QDateTimeEdit>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

MainWindow* windowUnderConstruction() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<MainWindow*>(widget))
            return window;
    }
    return nullptr;
}

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, CreationLoadsThenFillsTheMoldingDateThenLaysTheBackground) {
    // A store that cannot be read makes the load step tell the user, in the middle of it all.
    ASSERT_TRUE(QDir(dir.path()).mkdir("lq.vx"));
    QStringList duringLoad;
    boxes.whileOpen = [&] {
        MainWindow* built = windowUnderConstruction();
        ASSERT_NE(built, nullptr);
        auto* molding = built->findChild<QLineEdit*>("moldingDateField");
        duringLoad << (built->isVisible() ? "visible" : "hidden")
                   << "number " + built->findChild<QLineEdit*>("numberField")->text()
                   << "molding " + molding->text()
                   << (QFileInfo::exists(dir.filePath("1.bmp")) ? "picture" : "no picture");
    };
    open();
    ASSERT_EQ(boxes.seen.size(), 1);
    EXPECT_EQ(duringLoad, (QStringList{"hidden", "number 1", "molding ", "no picture"}));
    EXPECT_EQ(field("moldingDateField")->text(), u"2026年3月2日10时30分"_s);
    EXPECT_EQ(readFile("1.bmp").size(), 4918);
    EXPECT_TRUE(field("dueDateField")->text().isEmpty()) << "the age handler has not run";
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, StartShowsTheStoredRowsAndProposesTheNextNumber) {
    writeThreeRows();
    open();
    EXPECT_EQ(list()->model()->rowCount(), 3);
    EXPECT_EQ(field("numberField")->text(), "4");
    EXPECT_TRUE(boxes.seen.isEmpty());
}

TEST_F(MainWindowTest, TheFixedClientAreaHoldsEveryControl) {
    open();
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the user cannot resize it";
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(controls.size(), 18) << "list, six fields, seven labels, picker, two buttons, box";
    for (const QWidget* control : controls)
        EXPECT_TRUE(window->rect().contains(control->geometry()))
            << control->metaObject()->className() << " " << control->objectName().toStdString();
}

TEST_F(MainWindowTest, TheArrowLabelIsBoldAndColoured) {
    open();
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    const auto arrow = std::find_if(labels.begin(), labels.end(),
                                    [](const QLabel* label) { return label->text() == "=>"; });
    ASSERT_NE(arrow, labels.end());
    EXPECT_TRUE((*arrow)->font().bold());
    EXPECT_EQ((*arrow)->font().pixelSize(), 12);
    EXPECT_EQ((*arrow)->palette().color(QPalette::WindowText), QColor(88, 48, 224));
}

TEST_F(MainWindowTest, TypingTheAgeRewritesTheDueDateAfterEveryKeystroke) {
    openShown();
    QSignalSpy dueDates(field("dueDateField"), &QLineEdit::textChanged);
    field("ageField")->setFocus();
    QTest::keyClicks(field("ageField"), "28");
    ASSERT_EQ(dueDates.count(), 2);
    EXPECT_EQ(dueDates[0][0].toString(), u"3月4日"_s);
    EXPECT_EQ(dueDates[1][0].toString(), u"3月30日"_s);
}

TEST_F(MainWindowTest, EachStepOfThePickerRewritesTheMoldingDate) {
    openShown();
    auto* picker = control<QDateTimeEdit>("datePicker");
    EXPECT_EQ(picker->dateTime(), QDateTime(QDate(2026, 3, 2), QTime(10, 30)))
        << "the picker holds the moment of creation, time of day included";
    QSignalSpy moldingDates(field("moldingDateField"), &QLineEdit::textChanged);
    picker->setFocus();
    picker->setCurrentSection(QDateTimeEdit::DaySection);
    for (int step = 0; step < 3; ++step)
        QTest::keyClick(picker, Qt::Key_Up);
    EXPECT_EQ(moldingDates.count(), 3);
    EXPECT_EQ(field("moldingDateField")->text(), u"2026年3月5日10时30分"_s);
    EXPECT_EQ(picker->date(), QDate(2026, 3, 5));
}

TEST_F(MainWindowTest, FieldsCarryTextsOutsideGbkThroughTheStore) {
    openShown();
    for (const auto& [name, text] : {std::pair{"groupsField", "2"}, std::pair{"ageField", "7"}}) {
        field(name)->setFocus();
        QTest::keyClicks(field(name), text);
    }
    field("locationField")->setFocus();
    typeText(field("locationField"), u"柱ก"_s); // ก has no GBK code
    EXPECT_EQ(window->fieldText(EntryField::Location), gbk(u"柱ก"));
    QTest::mouseClick(button("enterButton"), Qt::LeftButton);
    ASSERT_EQ(list()->model()->rowCount(), 1);
    EXPECT_EQ(cell(0, Location), gbk(u"柱ก"));
    EXPECT_EQ(readFile("lq.vx"), gbk(u"1---2---柱ก---2026年3月2日10时30分---7---3月9日\r\n"));
    EXPECT_EQ(field("numberField")->text(), "2");
    EXPECT_EQ(field("groupsField")->text(), "3");
    window->setFieldText(EntryField::DueDate, gbk(u"ก月"));
    EXPECT_EQ(field("dueDateField")->text(), u"ก月"_s);
}

TEST_F(MainWindowTest, TheRegisterButtonsRunTheirOperations) {
    writeThreeRows();
    openShown();

    QTest::mouseClick(button("dueTodayButton"), Qt::LeftButton);
    ASSERT_EQ(boxes.seen.size(), 1);
    EXPECT_EQ(boxes.seen.last().text, u"到期编号如下\n2\n"_s);

    QTest::mouseClick(button("deleteDueButton"), Qt::LeftButton);
    ASSERT_EQ(boxes.seen.size(), 2);
    EXPECT_EQ(boxes.seen.last().text, u"删除完毕。"_s);
    EXPECT_EQ(readFile("lq.vx"), gbk(u"1---2---柱---2026年2月1日---28---3月1日\r\n"
                                     u"3---1---板---2026年2月3日---28---3月3日\r\n"));

    list()->model()->setData(list()->model()->index(0, 0), Qt::Checked, Qt::CheckStateRole);
    QTest::mouseClick(button("deleteButton"), Qt::LeftButton);
    ASSERT_EQ(boxes.seen.size(), 3);
    EXPECT_EQ(boxes.seen.last().text, u"已经删除选中！"_s);
    EXPECT_EQ(readFile("lq.vx"), gbk(u"3---1---板---2026年2月3日---28---3月3日\r\n"));

    QTest::mouseClick(button("enterButton"), Qt::LeftButton);
    ASSERT_EQ(boxes.seen.size(), 4) << "an incomplete entry is refused";
    EXPECT_EQ(boxes.seen.last().text, u"信息不完全，无法录入。"_s);
    for (const SeenBox& box : boxes.seen)
        EXPECT_EQ(box.title, u"提示"_s);
}

TEST_F(MainWindowTest, AboutShowsTheSameBoxTwiceAndTouchesNothing) {
    writeThreeRows();
    const QByteArray stored = readFile("lq.vx");
    openShown();
    QTest::mouseClick(button("aboutButton"), Qt::LeftButton);
    QTest::mouseClick(button("aboutButton"), Qt::LeftButton);
    ASSERT_EQ(boxes.seen.size(), 2);
    EXPECT_EQ(boxes.seen[0].title, u"软件简介"_s);
    EXPECT_EQ(boxes.seen[0].text, boxes.seen[1].text);
    EXPECT_TRUE(boxes.seen[0].text.contains(u'\n')) << "the line break is shown as one";
    EXPECT_FALSE(boxes.seen[0].text.contains(u'\r'));
    EXPECT_EQ(readFile("lq.vx"), stored);
    EXPECT_EQ(list()->model()->rowCount(), 3);
    EXPECT_EQ(field("numberField")->text(), "4");
}

TEST_F(MainWindowTest, MessagesAreModalInformationBoxesWithOneOkAndPlainText) {
    open();
    window->showInfo(gbk(u"<b>第一行</b>\r\n第二行"), gbk(u"标题"));
    ASSERT_EQ(boxes.seen.size(), 1);
    const SeenBox& box = boxes.seen[0];
    EXPECT_EQ(box.title, u"标题"_s);
    EXPECT_EQ(box.text, u"<b>第一行</b>\n第二行"_s);
    EXPECT_EQ(box.format, Qt::PlainText) << "a specimen number is never markup";
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_EQ(box.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    EXPECT_EQ(box.modality, Qt::ApplicationModal);
}

} // namespace
