#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>

#include <functional>

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QList<QMessageBox::StandardButton> buttons;
    Qt::WindowModality modality;
    Qt::TextFormat format;
};

// Records every message box the program opens and closes it with its OK button, as a user
// would, so that tests run through the program's modal boxes.
class MessageBoxes : public QObject {
public:
    MessageBoxes();

    QList<SeenBox> seen;
    // Runs while each box is open, before it is closed.
    std::function<void()> whileOpen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
