#pragma once

#include "gbk_text.h"

#include <QByteArray>

// The one way the program tells the user anything: an information box with one OK
// button that returns when the user has closed it.
class Informer {
public:
    virtual ~Informer() = default;
    virtual void showInfo(const QByteArray& text, const QByteArray& title) = 0;

    // Every message but the about box carries the title 提示.
    void notify(const QByteArray& text) { showInfo(text, toGbk(u"提示")); }
};
