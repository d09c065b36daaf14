#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Splits replies into fields with fixed positions.
class ReplyFields
{
public:
    // Appends the fields of content, split at any of the 8-bit separators, to
    // strings and returns how many it added; the list is not cleared. Empty
    // fields are kept. Characters in whiteSpace are skipped before a field.
    // A zero character ends the text. A quote character that is itself a
    // separator opens a stretch in which separators do not split. Characters
    // above 255 are never in a set. Returns 0 for empty content or no list.
    static int ExtractStrings2(const QByteArray &separators, const QByteArray &whiteSpace, const QString &content,
                               QStringList *strings);
};
