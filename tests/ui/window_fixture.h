#pragma once

#include "fakes.h"
#include "main_window.h"
#include "message_boxes.h"
#include "record_list.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A main window on a store file in a fresh directory, with the clock at 2 March 2026 10:30
// and every message box recorded and closed.
class WindowTest : public testing::Test {
protected:
    QString storeFile() const { return dir.filePath("lq.vx"); }

    QByteArray readFile(const QString& name) const {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    void writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Three rows; the second is due on the clock's day.
    void writeThreeRows() const {
        writeFile("lq.vx", gbk(u"1---2---柱---2026年2月1日---28---3月1日\r\n"
                               u"2---3---梁---2026年2月2日---28---3月2日\r\n"
                               u"3---1---板---2026年2月3日---28---3月3日\r\n"));
    }

    MainWindow& open() {
        window = std::make_unique<MainWindow>(storeFile(), clock);
        return *window;
    }

    MainWindow& openShown() {
        open();
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    // Runs the action inside the application's event loop and returns the loop's exit status
    // once the program ends, or -1 when it is still running a few seconds later.
    static int exitStatusAfter(const std::function<void()>& action) {
        QTimer::singleShot(0, action);
        QTimer stillRunning;
        stillRunning.setSingleShot(true);
        QObject::connect(&stillRunning, &QTimer::timeout, [] { QApplication::exit(-1); });
        stillRunning.start(5000);
        return QApplication::exec();
    }

    // Types the text key by key into the focused widget; unlike QTest::keyClicks it takes
    // characters beyond ASCII.
    static void typeText(QWidget* widget, const QString& text) {
        for (const QChar character : text)
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }

    // Opens the in-place editor of a row's first cell as a user does: a click that selects
    // the row, then a click into its selected first cell. Null when no editor opened.
    QLineEdit* openEditorByClicks(int row) const {
        const QModelIndex first = list()->model()->index(row, 0);
        const QPoint centre = list()->visualRect(first).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, centre);
        QLineEdit* editor = nullptr;
        // The view waits a double-click interval before it opens the editor.
        const bool opened = QTest::qWaitFor([&] {
            editor = qobject_cast<QLineEdit*>(list()->indexWidget(first));
            return editor != nullptr;
        });
        return opened ? editor : nullptr;
    }

    template <typename Control = QWidget> Control* control(const char* name) const {
        auto* found = window->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* field(const char* name) const { return control<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }
    RecordList* list() const { return control<RecordList>("recordList"); }

    QByteArray cell(int row, int column) const {
        return list()->model()->index(row, column).data().toByteArray();
    }

    QTemporaryDir dir;
    FixedClock clock{{2026, 3, 2, 10, 30, 0}};
    MessageBoxes boxes;
    std::unique_ptr<MainWindow> window;
};
