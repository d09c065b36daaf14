#include "platform/ansicodepage.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

constexpr char kDefaultChar = '?';

// The code page as a table of its 256 characters, read once from the
// platform's decoder, and the inverse table of every UTF-16 unit. Encoding
// looks characters up there instead of asking the platform's encoder, which
// drops "ignorable" characters and writes a substitute byte for missing ones,
// so that its output cannot be matched with the text character by character.
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
        bytes_.fill(kMissing);
        for (int byte = 0; byte < 256; ++byte) {
            const QByteArray single(1, char(byte));
            const QString decoded = decoder.isValid() ? decoder.decode(single) : QString::fromLatin1(single);
            // A byte that is no character of its own (a lead byte) stays undecodable.
            const char16_t character = decoded.size() == 1 ? decoded.at(0).unicode() : char16_t(0xFFFD);
            characters_[std::size_t(byte)] = character;
            // A character that two bytes decode to is written as the lower one.
            if (character != 0xFFFD && bytes_[character] == kMissing)
                bytes_[character] = qint16(byte);
            keepsAscii_ = keepsAscii_ && (byte >= 0x80 || character == byte);
        }
    }

    char16_t character(uchar byte) const { return characters_[byte]; }

    // Every ASCII character is its own byte, as in every ANSI code page.
    bool keepsAscii() const { return keepsAscii_; }

    // The byte of a character, or kMissing when the code page lacks it.
    int byteOf(char32_t codePoint) const { return codePoint > 0xFFFF ? kMissing : bytes_[codePoint]; }

    static constexpr qint16 kMissing = -1;

private:
    std::array<char16_t, 256> characters_{};
    std::array<qint16, 0x10000> bytes_{};
    bool keepsAscii_ = true;
};

const CodePageTable &table()
{
    static const CodePageTable codePage;
    return codePage;
}

// Writes text's bytes into a buffer sized for one byte per unit; a missing
// character is "?", or as missing spells it when given.
QByteArray encode(const QString &text, QByteArray (*missing)(char32_t codePoint))
{
    const CodePageTable &codePage = table();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    const QChar *units = text.constData();
    const qsizetype size = text.size();
    const bool keepsAscii = codePage.keepsAscii();
    for (qsizetype index = 0; index < size; ++index) {
        char32_t codePoint = units[index].unicode();
        if (codePoint < 0x80 && keepsAscii) {
            *out++ = char(codePoint);
            continue;
        }
        int byte = codePage.byteOf(codePoint);
        if (byte >= 0) {
            *out++ = char(byte);
            continue;
        }
        // No byte decodes to a surrogate: a lone one is missing, a pair is
        // one character above the table's range.
        if (QChar::isHighSurrogate(codePoint) && index + 1 < size && units[index + 1].isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(char16_t(codePoint), units[++index].unicode());
            byte = codePage.byteOf(codePoint);
        }
        if (byte >= 0 || !missing) {
            *out++ = byte >= 0 ? char(byte) : kDefaultChar;
            continue;
        }
        const QByteArray spelled = missing(codePoint);
        // The units still to come keep their byte each.
        const qsizetype written = out - bytes.constData();
        if (spelled.size() > 1)
            bytes.resize(bytes.size() + spelled.size() - 1);
        out = std::copy(spelled.cbegin(), spelled.cend(), bytes.data() + written);
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

} // namespace

QByteArray AnsiCodePage::fromUnicode(const QString &text)
{
    return encode(text, nullptr);
}

QByteArray AnsiCodePage::fromUnicode(const QString &text, QByteArray (*missing)(char32_t codePoint))
{
    return encode(text, missing);
}

QString AnsiCodePage::toUnicode(const QByteArray &bytes)
{
    const CodePageTable &codePage = table();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(codePage.character(uchar(byte)));
    return text;
}

QString AnsiCodePage::utf8Display(const QString &text)
{
    return QString::fromUtf8(fromUnicode(text));
}
