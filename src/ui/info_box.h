#pragma once

#include "informer.h"

#include <QByteArray>

// The desktop's information box: the given GBK text and title, one OK button, modal to the
// whole program; returns when the user has closed it.
void showInfoBox(const QByteArray& text, const QByteArray& title);

// The same box for messages given before the main window exists.
class InfoBoxInformer : public Informer {
public:
    void showInfo(const QByteArray& text, const QByteArray& title) override {
        showInfoBox(text, title);
    }
};
