#pragma once

#include <QString>
#include <QStringList>

// One reply of the module as a page reads it: the raw text and its fields
// split at "|". A page reads the fields it needs; a reply too short for them
// throws, and the operation frame's guard decides what the technician sees.
class Reply
{
public:
    Reply() = default;
    // Empty fields are kept: field numbers are the command set's places.
    explicit Reply(const QString &text);

    const QString &text() const { return text_; }
    const QStringList &fields() const { return fields_; }
    // Field index; throws std::out_of_range when the reply has fewer fields.
    const QString &field(int index) const;
    // The same field decoded from UTF-8 for display.
    QString displayField(int index) const;
    // Field 1, the result code.
    const QString &resultCode() const;

private:
    QString text_;
    QStringList fields_;
};
