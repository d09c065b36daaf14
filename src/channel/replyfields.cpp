#include "channel/replyfields.h"

namespace {

constexpr QChar kTerminator(u'\0');

bool inSet(const QByteArray &set, QChar character)
{
    const char16_t code = character.unicode();
    return code <= 0xFF && set.contains(static_cast<char>(code));
}

bool isQuote(QChar character)
{
    return character == u'"' || character == u'\'';
}

// The text ends at its last character or at the first zero inside it.
QChar charAt(const QString &content, qsizetype position)
{
    return position < content.size() ? content.at(position) : kTerminator;
}

// Returns the position of the character that ends the field starting at start.
qsizetype scanField(const QByteArray &separators, const QString &content, qsizetype start)
{
    QChar quote = kTerminator;
    qsizetype position = start;
    for (;;) {
        const QChar character = charAt(content, position);
        const bool stops = character == kTerminator
            || (quote != kTerminator ? character == quote : inSet(separators, character));
        if (!stops) {
            ++position;
            continue;
        }
        if (!isQuote(character))
            return position;
        // A quote that stopped the scan opens or closes a quoted stretch and
        // stays in the field; inside a stretch only its own quote stops it.
        quote = quote == kTerminator ? character : kTerminator;
        ++position;
    }
}

// Shared by both splitters; keepEmpty tells whether empty fields count.
int split(const QByteArray &separators, const QByteArray &whiteSpace, const QString &content, QStringList *strings,
          bool keepEmpty)
{
    if (!strings || charAt(content, 0) == kTerminator)
        return 0;
    int count = 0;
    qsizetype position = 0;
    for (;;) {
        while (charAt(content, position) != kTerminator && inSet(whiteSpace, charAt(content, position)))
            ++position;
        const qsizetype end = scanField(separators, content, position);
        if (keepEmpty || end > position) {
            strings->append(content.mid(position, end - position));
            ++count;
        }
        if (charAt(content, end) == kTerminator)
            return count;
        position = end + 1;
    }
}

} // namespace

int ReplyFields::ExtractStrings2(const QByteArray &separators, const QByteArray &whiteSpace, const QString &content,
                                 QStringList *strings)
{
    return split(separators, whiteSpace, content, strings, true);
}

int ReplyFields::ExtractStrings(const QByteArray &separators, const QByteArray &whiteSpace, const QString &content,
                                QStringList *strings)
{
    return split(separators + QByteArray("\0\r\n'\"", 5), whiteSpace + "\r\n", content, strings, false);
}
