#include "platform/ansicodepage.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr char kDefaultChar = '?';

// The code page as a table of its 256 characters, read once from the
// platform's decoder. Encoding looks characters up in the inverse table
// instead of asking the platform's encoder, which drops "ignorable"
// characters and writes a substitute byte for missing ones, so that its
// output cannot be matched with the text character by character.
class CodePageTable
{
public:
    CodePageTable()
    {
#ifdef Q_OS_WIN
        QStringDecoder decoder(QStringDecoder::System);
#else
        QStringDecoder decoder("windows-1252");
#endif
        for (int byte = 0; byte < 256; ++byte) {
            const QByteArray single(1, char(byte));
            const QString decoded = decoder.isValid() ? decoder.decode(single) : QString::fromLatin1(single);
            // A byte that is no character of its own (a lead byte) stays undecodable.
            characters_[std::size_t(byte)] = decoded.size() == 1 ? decoded.at(0).unicode() : char16_t(0xFFFD);
        }
        for (int byte = 0; byte < 256; ++byte) {
            const char16_t character = characters_[std::size_t(byte)];
            if (character != 0xFFFD)
                bytes_[std::size_t(byteCount_++)] = {character, uchar(byte)};
        }
        std::sort(bytes_.begin(), bytes_.begin() + byteCount_);
    }

    char16_t character(uchar byte) const { return characters_[byte]; }

    // The byte of a character, or -1 when the code page lacks it.
    int byteOf(char32_t codePoint) const
    {
        if (codePoint > 0xFFFF)
            return -1;
        const auto end = bytes_.begin() + byteCount_;
        const auto found = std::lower_bound(bytes_.begin(), end, std::pair<char16_t, uchar>(char16_t(codePoint), 0));
        return found != end && found->first == codePoint ? found->second : -1;
    }

private:
    std::array<char16_t, 256> characters_{};
    std::array<std::pair<char16_t, uchar>, 256> bytes_{};
    int byteCount_ = 0;
};

const CodePageTable &table()
{
    static const CodePageTable codePage;
    return codePage;
}

QByteArray defaultChar(char32_t)
{
    return QByteArray(1, kDefaultChar);
}

} // namespace

QByteArray AnsiCodePage::fromUnicode(const QString &text)
{
    return fromUnicode(text, defaultChar);
}

QByteArray AnsiCodePage::fromUnicode(const QString &text, QByteArray (*missing)(char32_t codePoint))
{
    const CodePageTable &codePage = table();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar unit = text.at(index);
        char32_t codePoint = unit.unicode();
        if (unit.isHighSurrogate() && index + 1 < text.size() && text.at(index + 1).isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(unit, text.at(++index));
        // A lone surrogate is no character: the table holds none.
        const int byte = codePage.byteOf(codePoint);
        if (byte >= 0)
            bytes.append(char(byte));
        else
            bytes.append(missing(codePoint));
    }
    return bytes;
}

QString AnsiCodePage::toUnicode(const QByteArray &bytes)
{
    const CodePageTable &codePage = table();
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype index = 0; index < bytes.size(); ++index)
        text[index] = QChar(codePage.character(uchar(bytes.at(index))));
    return text;
}

QString AnsiCodePage::utf8Display(const QString &text)
{
    return QString::fromUtf8(fromUnicode(text));
}
