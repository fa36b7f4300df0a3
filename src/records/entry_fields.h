#pragma once

#include <QByteArray>

// The six single-line entry fields of the main window, by role. Handlers read and
// write them only as whole GBK texts, so they run the same against the window or a test.
enum class EntryField { Number, Groups, Location, MoldingDate, Age, DueDate };

class EntryFields {
public:
    virtual ~EntryFields() = default;
    virtual QByteArray fieldText(EntryField field) const = 0;
    virtual void setFieldText(EntryField field, const QByteArray& text) = 0;
};
