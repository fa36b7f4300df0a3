#pragma once

#include <QWidget>

// Asks the X11 window manager to show no task-bar entry for the window; Qt has no flag for
// it. Must run before the window is first shown: Qt keeps the state when it maps the
// window. Does nothing on other platforms.
void keepOffTaskbar(QWidget& window);
