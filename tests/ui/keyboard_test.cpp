#include "window_fixture.h"

#include <QApplication>
#include <QDateTimeEdit>

namespace {

const QStringList kTabRing = {
    "numberField",     "groupsField",    "locationField", "ageField",    "moldingDateField",
    "datePicker",      "aboutButton",    "exitButton",    "enterButton", "deleteButton",
    "deleteDueButton", "dueTodayButton", "dueDateField"};

// The named control that holds the focus (the date picker's focus sits in its inner edit).
QString focusedControl() {
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (!widget->objectName().isEmpty())
            return widget->objectName();
    }
    return {};
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

using KeyboardTest = WindowTest;

TEST_F(KeyboardTest, TabWalksTheRingForwardAndShiftTabBackward) {
    openShown();
    ASSERT_EQ(focusedControl(), "numberField") << "the focus starts in the number field";
    const QDateTime pickerValue = control<QDateTimeEdit>("datePicker")->dateTime();

    QStringList forward;
    for (int step = 0; step < kTabRing.size(); ++step) {
        press(Qt::Key_Tab);
        forward.append(focusedControl());
    }
    EXPECT_EQ(forward, kTabRing.mid(1) + kTabRing.mid(0, 1));

    QStringList backward;
    for (int step = 0; step < kTabRing.size(); ++step) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        backward.append(focusedControl());
    }
    QStringList reversed(kTabRing.rbegin(), kTabRing.rend());
    EXPECT_EQ(backward, reversed);
    EXPECT_EQ(control<QDateTimeEdit>("datePicker")->dateTime(), pickerValue)
        << "Tab in the picker must not step its sections";
}

TEST_F(KeyboardTest, TabFromTheListEntersTheRingAtEitherEnd) {
    writeThreeRows();
    openShown();
    for (const auto& [key, modifiers, expected] :
         {std::tuple{Qt::Key_Tab, Qt::KeyboardModifiers(), "numberField"},
          std::tuple{Qt::Key_Backtab, Qt::KeyboardModifiers(Qt::ShiftModifier), "dueDateField"}}) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, {200, 300});
        ASSERT_EQ(focusedControl(), "recordList") << "a click gives the list the focus";
        press(key, modifiers);
        EXPECT_EQ(focusedControl(), expected);
    }
}

TEST_F(KeyboardTest, EscFromAnyControlClosesTheWindowAndSavesNothing) {
    writeThreeRows();
    const QByteArray stored = readFile("lq.vx");
    for (const QString& name : kTabRing + QStringList{"recordList"}) {
        openShown();
        control(name.toLatin1().constData())->setFocus();
        EXPECT_EQ(exitStatusAfter([] { press(Qt::Key_Escape); }), 0) << qPrintable(name);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(readFile("lq.vx"), stored);
    }
    EXPECT_TRUE(boxes.seen.isEmpty());
}

TEST_F(KeyboardTest, EscInTheInPlaceEditorClosesTheWindowAndDropsTheEdit) {
    writeThreeRows();
    const QByteArray stored = readFile("lq.vx");
    openShown();
    QLineEdit* editor = openEditorByClicks(0);
    ASSERT_NE(editor, nullptr);
    // A text the store would refuse: taking it on the way out would open a message box.
    editor->setText(QStringLiteral("9---9"));
    EXPECT_EQ(exitStatusAfter([] { press(Qt::Key_Escape); }), 0);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(cell(0, 0), "1");
    EXPECT_TRUE(boxes.seen.isEmpty());
    EXPECT_EQ(readFile("lq.vx"), stored);
}

TEST_F(KeyboardTest, EnterPressesNothingAndTheSpaceBarPressesTheFocusedButton) {
    openShown();
    for (const auto& [name, text] : {std::pair{"groupsField", "2"}, std::pair{"locationField", "A"},
                                     std::pair{"ageField", "28"}}) {
        field(name)->setFocus();
        QTest::keyClicks(field(name), text);
        press(Qt::Key_Return);
        EXPECT_EQ(field(name)->text(), text);
        EXPECT_EQ(focusedControl(), name) << "Enter does not move the focus";
    }

    button("enterButton")->setFocus();
    press(Qt::Key_Return);
    press(Qt::Key_Enter);
    EXPECT_EQ(list()->model()->rowCount(), 0);
    EXPECT_EQ(readFile("lq.vx"), "<missing>");

    press(Qt::Key_Space);
    EXPECT_EQ(list()->model()->rowCount(), 1);
    EXPECT_TRUE(boxes.seen.isEmpty());
}

} // namespace
