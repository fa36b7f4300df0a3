#include "window_keys.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>

WindowKeys::WindowKeys(QWidget& window, std::vector<QWidget*> tabRing)
    : QObject(&window), window_(window), tabRing_(std::move(tabRing)) {
    // Filtering at the application sees a key before the focused control or its own filters.
    qApp->installEventFilter(this);
}

bool WindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != &window_)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier;
    switch (key->key()) {
    case Qt::Key_Escape:
        window_.close();
        return true;
    case Qt::Key_Tab:
        if (!plain)
            return false;
        moveFocus(+1);
        return true;
    case Qt::Key_Backtab:
        if (!plain)
            return false;
        moveFocus(-1);
        return true;
    default:
        return false;
    }
}

void WindowKeys::moveFocus(int step) const {
    const QWidget* focus = QApplication::focusWidget();
    const auto member = std::find_if(tabRing_.begin(), tabRing_.end(), [&](const QWidget* stop) {
        return stop == focus || stop->isAncestorOf(focus);
    });
    const int size = static_cast<int>(tabRing_.size());
    // From outside the ring (the list, its editor) the ring is entered at its start or end.
    const int from = member != tabRing_.end() ? static_cast<int>(member - tabRing_.begin())
                                              : (step > 0 ? size - 1 : 0);
    tabRing_[(from + step + size) % size]->setFocus(step > 0 ? Qt::TabFocusReason
                                                             : Qt::BacktabFocusReason);
}
