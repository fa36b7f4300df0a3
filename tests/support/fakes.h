#pragma once

#include "clock.h"
#include "entry_fields.h"
#include "gbk_text.h"
#include "informer.h"

#include <QByteArray>
#include <QList>
#include <QMap>

// GBK bytes of a text written in the test's source.
inline QByteArray gbk(QStringView text) {
    return toGbk(text);
}

class FakeFields : public EntryFields {
public:
    QByteArray fieldText(EntryField field) const override { return texts.value(field); }
    void setFieldText(EntryField field, const QByteArray& text) override {
        texts[field] = text;
        ++writes[field];
    }

    QMap<EntryField, QByteArray> texts;
    QMap<EntryField, int> writes;
};

struct ShownMessage {
    QByteArray text;
    QByteArray title;
};

class FakeInformer : public Informer {
public:
    void showInfo(const QByteArray& text, const QByteArray& title) override {
        shown.append({text, title});
        if (onShow)
            onShow();
    }

    QList<ShownMessage> shown;
    std::function<void()> onShow;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime now) : now(now) {}
    DateTime currentDateTime() const override { return now; }
    DateTime now;
};
