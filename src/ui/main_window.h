#pragma once

#include "clock.h"
#include "entry_fields.h"
#include "informer.h"
#include "record_table.h"
#include "register_desk.h"

#include <QString>
#include <QWidget>

#include <array>

class QDateTimeEdit;
class QLineEdit;
class QPushButton;
class RecordList;

// The program's one window: the record list, the six entry fields with their labels, the
// date picker and the six buttons, each bound to its operation. The list shows the only copy
// of the register, kept in the store file given here; "1.bmp" goes beside that file.
class MainWindow : public QWidget, public EntryFields, public Informer {
public:
    MainWindow(const QString& storeFile, const Clock& clock);

    QByteArray fieldText(EntryField field) const override;
    void setFieldText(EntryField field, const QByteArray& text) override;
    void showInfo(const QByteArray& text, const QByteArray& title) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void bindEvents();
    void onMainWindowCreated();

    RecordTable table_;
    RegisterDesk desk_;
    std::array<QLineEdit*, 6> fields_{};
    QDateTimeEdit* picker_ = nullptr;
    RecordList* list_ = nullptr;
    struct {
        QPushButton* about;
        QPushButton* exit;
        QPushButton* enter;
        QPushButton* remove;
        QPushButton* dueToday;
        QPushButton* removeDue;
    } buttons_{};
};
