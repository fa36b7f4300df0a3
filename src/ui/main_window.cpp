#include "main_window.h"

#include "about_and_exit.h"
#include "deleting.h"
#include "due_date.h"
#include "due_today.h"
#include "gbk_text.h"
#include "info_box.h"
#include "list_background.h"
#include "molding_date.h"
#include "record_entry.h"
#include "record_list.h"
#include "startup_load.h"
#include "taskbar_hint.h"
#include "window_keys.h"

#include <QCloseEvent>
#include <QDateTimeEdit>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <limits>

namespace {

// The outer size the window is centred by, and the client area that the controls fill.
constexpr QSize kOuterSize(492, 581);
constexpr QSize kClientSize(486, 557);

struct FieldPlace {
    const char* name;
    QRect place;
};

// In the order of EntryField.
constexpr FieldPlace kFieldPlaces[] = {
    {"numberField", {43, 408, 48, 24}},   {"groupsField", {131, 408, 48, 24}},
    {"locationField", {43, 440, 48, 24}}, {"moldingDateField", {248, 408, 80, 24}},
    {"ageField", {131, 440, 48, 24}},     {"dueDateField", {352, 408, 64, 24}},
};

QLabel* addLabel(QWidget* parent, const char16_t* text, const QRect& place) {
    auto* label = new QLabel(QString::fromUtf16(text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(place);
    return label;
}

QPushButton* addButton(QWidget* parent, const char* name, const char16_t* text,
                       const QRect& place) {
    auto* button = new QPushButton(QString::fromUtf16(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

void styleArrow(QLabel& arrow) {
    QFont font = arrow.font();
    font.setFamilies({QStringLiteral("SimHei"), QString::fromUtf16(u"黑体"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setBold(true);
    font.setPixelSize(12);
    arrow.setFont(font);
    QPalette colours = arrow.palette();
    colours.setColor(QPalette::WindowText, QColor(88, 48, 224));
    arrow.setPalette(colours);
}

QDateTime asQDateTime(const DateTime& moment) {
    return QDateTime(moment.date(), QTime(moment.hour, moment.minute, moment.second));
}

} // namespace

MainWindow::MainWindow(const QString& storeFile, const Clock& clock)
    : QWidget(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      desk_{table_, *this, *this, clock, storeFile} {
    // A parentless tool window would otherwise not end the program when it closes.
    setAttribute(Qt::WA_QuitOnClose);
    setWindowTitle(QStringLiteral("Quorvel  Halvaren ---- Venlor"));
    setFixedSize(kClientSize);
    const QRect screenArea = screen()->geometry();
    move(screenArea.topLeft() + QPoint((screenArea.width() - kOuterSize.width()) / 2,
                                       (screenArea.height() - kOuterSize.height()) / 2));

    buildControls();
    bindEvents();
    onMainWindowCreated();
    fields_[static_cast<int>(EntryField::Number)]->setFocus();
    keepOffTaskbar(*this);
}

void MainWindow::buildControls() {
    list_ = new RecordList(table_, *this, this);
    list_->setObjectName(QStringLiteral("recordList"));
    list_->setGeometry(8, 8, 472, 392);

    for (std::size_t role = 0; role < fields_.size(); ++role) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(kFieldPlaces[role].name));
        field->setGeometry(kFieldPlaces[role].place);
        field->setMaxLength(std::numeric_limits<int>::max());
        fields_[role] = field;
    }

    addLabel(this, u"编号：", {11, 413, 33, 16});
    addLabel(this, u"组数：", {99, 413, 33, 16});
    addLabel(this, u"成型日期：", {184, 413, 56, 16});
    styleArrow(*addLabel(this, u"=>", {333, 416, 16, 8}));
    addLabel(this, u"部位：", {11, 445, 33, 16});
    addLabel(this, u"龄期：", {99, 445, 33, 16});
    addLabel(this, u"选择日期：", {184, 447, 56, 16});

    picker_ = new QDateTimeEdit(this);
    picker_->setObjectName(QStringLiteral("datePicker"));
    picker_->setGeometry(248, 440, 167, 24);
    picker_->setLocale(QLocale::system());
    picker_->setDisplayFormat(QLocale::system().dateFormat(QLocale::LongFormat));
    // The earliest date Qt's picker can hold; the latest is its default.
    picker_->setMinimumDate(QDate(100, 1, 1));
    // Set after the format, which would otherwise drop the time of day.
    picker_->setDateTime(asQDateTime(desk_.clock.currentDateTime()));

    buttons_.about = addButton(this, "aboutButton", u"关于", {424, 408, 56, 24});
    buttons_.exit = addButton(this, "exitButton", u"退出", {424, 440, 56, 24});

    auto* group = new QGroupBox(QString::fromUtf16(u"功能筛选"), this);
    group->setGeometry(88, 472, 296, 72);
    buttons_.enter = addButton(group, "enterButton", u"录入", {8, 24, 64, 32});
    buttons_.remove = addButton(group, "deleteButton", u"删除", {80, 24, 64, 32});
    buttons_.dueToday = addButton(group, "dueTodayButton", u"今日到期", {152, 24, 64, 32});
    buttons_.removeDue = addButton(group, "deleteDueButton", u"删除到期", {224, 24, 64, 32});

    auto field = [this](EntryField role) { return fields_[static_cast<int>(role)]; };
    new WindowKeys(*this, {field(EntryField::Number), field(EntryField::Groups),
                           field(EntryField::Location), field(EntryField::Age),
                           field(EntryField::MoldingDate), picker_, buttons_.about, buttons_.exit,
                           buttons_.enter, buttons_.remove, buttons_.removeDue, buttons_.dueToday,
                           field(EntryField::DueDate)});
}

void MainWindow::bindEvents() {
    connect(fields_[static_cast<int>(EntryField::Age)], &QLineEdit::textChanged, this,
            [this] { onAgeChanged(*this, desk_.clock); });
    connect(picker_, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& value) {
        onPickerDateChanged(*this, DateTime::fromQDateTime(value), desk_.clock);
    });
    connect(buttons_.enter, &QPushButton::clicked, this, [this] { enterRecord(desk_); });
    connect(buttons_.dueToday, &QPushButton::clicked, this, [this] { reportDueToday(desk_); });
    connect(buttons_.remove, &QPushButton::clicked, this, [this] { deleteTicked(desk_); });
    connect(buttons_.removeDue, &QPushButton::clicked, this, [this] { deleteDue(desk_); });
    connect(buttons_.about, &QPushButton::clicked, this, [this] { showAbout(*this); });
    connect(buttons_.exit, &QPushButton::clicked, this, [] { endProgram(); });
}

void MainWindow::onMainWindowCreated() {
    startupLoad(table_, *this, *this, desk_.storeFile);
    initMoldingDate(*this, DateTime::fromQDateTime(picker_->dateTime()));
    applyListBackground(*list_, QFileInfo(desk_.storeFile).absolutePath());
}

QByteArray MainWindow::fieldText(EntryField field) const {
    return toGbk(fields_[static_cast<int>(field)]->text());
}

void MainWindow::setFieldText(EntryField field, const QByteArray& text) {
    QLineEdit& edit = *fields_[static_cast<int>(field)];
    edit.setText(fromGbk(text));
    // Show a long text from its start, as typed, rather than scrolled to its end.
    edit.setCursorPosition(0);
}

void MainWindow::showInfo(const QByteArray& text, const QByteArray& title) {
    showInfoBox(text, title);
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    // A press that no control takes (on the background, a label, the group box away from
    // its buttons) drags the window as its title bar would.
    if (event->button() == Qt::LeftButton && windowHandle())
        windowHandle()->startSystemMove();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing saves nothing; an open in-place edit must not be taken, nor refused with a box.
    list_->discardEdit();
    QWidget::closeEvent(event);
}
