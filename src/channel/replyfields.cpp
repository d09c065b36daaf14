#include "channel/replyfields.h"

#include <array>

namespace {

bool isQuote(QChar character)
{
    return character == u'"' || character == u'\'';
}

// 8-bit characters looked up in a table instead of searched for one by one.
class CharacterSet
{
public:
    explicit CharacterSet(const QByteArray &characters)
    {
        for (const char character : characters)
            members_[uchar(character)] = true;
    }

    bool contains(QChar character) const { return character.unicode() <= 0xFF && members_[character.unicode()]; }

private:
    std::array<bool, 256> members_{};
};

// Returns the position of the separator that ends the field starting at
// start, or the text's size.
qsizetype scanField(const CharacterSet &separators, QStringView text, qsizetype start)
{
    QChar quote;
    for (qsizetype position = start; position < text.size(); ++position) {
        const QChar character = text[position];
        if (quote.isNull() ? !separators.contains(character) : character != quote)
            continue;
        if (!isQuote(character))
            return position;
        // A quote that stopped the scan opens or closes a quoted stretch and
        // stays in the field; inside a stretch only its own quote stops it.
        quote = quote.isNull() ? character : QChar();
    }
    return text.size();
}

// The same for one separator that opens no stretch.
qsizetype nextSeparator(QChar separator, QStringView text, qsizetype start)
{
    const qsizetype end = text.indexOf(separator, start);
    return end < 0 ? text.size() : end;
}

} // namespace

int ReplyFields::ExtractStrings2(const QByteArray &separators, const QByteArray &whiteSpace, const QString &content,
                                 QStringList *strings)
{
    // The text ends at its last character or at the first zero inside it.
    const qsizetype zero = content.indexOf(QChar(u'\0'));
    const QStringView text = QStringView(content).first(zero < 0 ? content.size() : zero);
    if (!strings || text.isEmpty())
        return 0;
    const CharacterSet separatorSet(separators);
    const CharacterSet blanks(whiteSpace);
    // A lone separator that opens no stretch is jumped to.
    const QChar lone = separators.size() == 1 ? QChar(QLatin1Char(separators.front())) : QChar();
    const bool jumps = !lone.isNull() && !isQuote(lone);
    int count = 0;
    qsizetype position = 0;
    for (;;) {
        while (position < text.size() && blanks.contains(text[position]))
            ++position;
        const qsizetype end = jumps ? nextSeparator(lone, text, position) : scanField(separatorSet, text, position);
        strings->append(content.mid(position, end - position));
        ++count;
        if (end == text.size())
            return count;
        position = end + 1;
    }
}

