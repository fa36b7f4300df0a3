#pragma once

#include <QObject>
#include <QWidget>

#include <vector>

// Esc and Tab belong to the window, not to the control that has the focus: Esc closes the
// window from anywhere, the list's in-place editor included, and Tab and Shift+Tab walk a
// fixed ring of controls, where the date picker would otherwise step its sections and the
// list move its cursor.
class WindowKeys : public QObject {
public:
    WindowKeys(QWidget& window, std::vector<QWidget*> tabRing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveFocus(int step) const;

    QWidget& window_;
    std::vector<QWidget*> tabRing_;
};
