#include "platform/ansicodepage.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>

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

// True when no byte has its high bit set, looked at eight bytes at a time.
bool isAscii(const QByteArray &bytes)
{
    const char *byte = bytes.constData();
    const char *const end = byte + bytes.size();
    for (; end - byte >= 8; byte += 8) {
        quint64 eight = 0;
        std::memcpy(&eight, byte, sizeof eight);
        if (eight & 0x8080808080808080ULL)
            return false;
    }
    return std::all_of(byte, end, [](char rest) { return uchar(rest) < 0x80; });
}

// Calls visit with each character of text, a surrogate pair as one and a lone
// surrogate as itself (no byte decodes to one), until visit returns false.
template <typename Visit>
void forEachCharacter(QStringView text, Visit visit)
{
    const qsizetype size = text.size();
    for (qsizetype index = 0; index < size; ++index) {
        char32_t codePoint = text[index].unicode();
        if (QChar::isHighSurrogate(codePoint) && index + 1 < size && text[index + 1].isLowSurrogate())
            codePoint = QChar::surrogateToUcs4(char16_t(codePoint), text[++index].unicode());
        if (!visit(codePoint))
            return;
    }
}

// A character's byte, or kMissing; ASCII needs no lookup. Held by value, so
// that a loop keeps it in registers.
class ByteLookup
{
public:
    ByteLookup()
        : codePage_(table())
        , keepsAscii_(codePage_.keepsAscii())
    {
    }

    int operator()(char32_t codePoint) const
    {
        return codePoint < 0x80 && keepsAscii_ ? int(codePoint) : codePage_.byteOf(codePoint);
    }

private:
    const CodePageTable &codePage_;
    bool keepsAscii_;
};

// Writes characters' bytes into a buffer sized for one byte per character; a
// missing character is "?", or as missing spells it when given. The position
// goes in and out, so that the loop keeps it in a register.
class CodePageWriter
{
public:
    CodePageWriter(QByteArray &bytes, QByteArray (*missing)(char32_t codePoint))
        : bytes_(bytes)
        , missing_(missing)
    {
    }

    char *put(char *out, char32_t codePoint) const
    {
        const int byte = byteOf_(codePoint);
        if (byte >= 0 || !missing_) {
            *out = byte >= 0 ? char(byte) : kDefaultChar;
            return out + 1;
        }
        const QByteArray spelled = missing_(codePoint);
        // The characters still to come keep their byte each.
        const qsizetype written = out - bytes_.constData();
        if (spelled.size() > 1)
            bytes_.resize(bytes_.size() + spelled.size() - 1);
        return std::copy(spelled.cbegin(), spelled.cend(), bytes_.data() + written);
    }

private:
    const ByteLookup byteOf_;
    QByteArray &bytes_;
    QByteArray (*missing_)(char32_t codePoint);
};

QByteArray encode(QStringView text, QByteArray (*missing)(char32_t codePoint))
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    const CodePageWriter writer(bytes, missing);
    char *out = bytes.data();
    forEachCharacter(text, [&writer, &out](char32_t codePoint) {
        out = writer.put(out, codePoint);
        return true;
    });
    bytes.truncate(out - bytes.constData());
    return bytes;
}

constexpr char32_t kMalformed = 0xFFFFFFFF;

bool isContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

// The character of the well-formed UTF-8 sequence that starts at in, which
// then moves past it; kMalformed for anything else (an overlong form, a
// surrogate, a cut or stray byte).
char32_t nextCharacter(const uchar *&in, const uchar *end)
{
    const uchar lead = in[0];
    const qsizetype left = end - in;
    if (lead < 0x80) {
        in += 1;
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF && left >= 2 && isContinuation(in[1])) {
        const char32_t codePoint = char32_t(lead & 0x1F) << 6 | (in[1] & 0x3F);
        in += 2;
        return codePoint;
    }
    if (lead >= 0xE0 && lead <= 0xEF && left >= 3 && isContinuation(in[1]) && isContinuation(in[2])) {
        const char32_t codePoint = char32_t(lead & 0x0F) << 12 | char32_t(in[1] & 0x3F) << 6 | (in[2] & 0x3F);
        if (codePoint < 0x800 || QChar::isSurrogate(codePoint))
            return kMalformed;
        in += 3;
        return codePoint;
    }
    if (lead >= 0xF0 && lead <= 0xF4 && left >= 4 && isContinuation(in[1]) && isContinuation(in[2])
        && isContinuation(in[3])) {
        const char32_t codePoint = char32_t(lead & 0x07) << 18 | char32_t(in[1] & 0x3F) << 12
            | char32_t(in[2] & 0x3F) << 6 | (in[3] & 0x3F);
        if (codePoint < 0x10000 || codePoint > 0x10FFFF)
            return kMalformed;
        in += 4;
        return codePoint;
    }
    return kMalformed;
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

std::optional<QByteArray> AnsiCodePage::fromUnicodeExactly(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    const CodePageTable &codePage = table();
    char *out = bytes.data();
    // Unit by unit: no byte stands for a surrogate, nor for a pair of them.
    for (const QChar unit : text) {
        const int byte = codePage.byteOf(unit.unicode());
        if (byte < 0)
            return std::nullopt;
        *out++ = char(byte);
    }
    return bytes;
}

QByteArray AnsiCodePage::fromUtf8(const QByteArray &utf8, QByteArray (*missing)(char32_t codePoint))
{
    // Qt's decoder drops a leading byte-order mark and replaces what is not
    // UTF-8: such text takes the way through it.
    if (utf8.startsWith("\xef\xbb\xbf"))
        return encode(QString::fromUtf8(utf8), missing);
    QByteArray bytes(utf8.size(), Qt::Uninitialized);
    const CodePageWriter writer(bytes, missing);
    char *out = bytes.data();
    const auto *in = reinterpret_cast<const uchar *>(utf8.constData());
    const uchar *const end = in + utf8.size();
    while (in != end) {
        const char32_t codePoint = nextCharacter(in, end);
        if (codePoint == kMalformed)
            return encode(QString::fromUtf8(utf8), missing);
        out = writer.put(out, codePoint);
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

QString AnsiCodePage::roundTrip(const QString &text, qsizetype length)
{
    QString result(length < 0 ? text.size() : std::min(length, text.size()), Qt::Uninitialized);
    const ByteLookup byteOf;
    const QChar missing(table().character(uchar(kDefaultChar)));
    QChar *out = result.data();
    const QChar *const end = out + result.size();
    // A character the code page has is what its byte decodes to.
    forEachCharacter(text, [&byteOf, missing, &out, end](char32_t codePoint) {
        if (out == end)
            return false;
        *out++ = byteOf(codePoint) >= 0 ? QChar(char16_t(codePoint)) : missing;
        return true;
    });
    result.truncate(out - result.constData());
    return result;
}

QString AnsiCodePage::toUnicode(const QByteArray &bytes)
{
    const CodePageTable &codePage = table();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    // Replies are mostly ASCII, which needs no lookup.
    if (codePage.keepsAscii() && isAscii(bytes)) {
        for (const char byte : bytes)
            *out++ = QChar(char16_t(uchar(byte)));
        return text;
    }
    for (const char byte : bytes)
        *out++ = QChar(codePage.character(uchar(byte)));
    return text;
}

namespace {

// nullopt when bytes are not valid UTF-8; an incomplete sequence at the end
// counts as valid when the bytes are a cut text.
std::optional<QString> validUtf8(const QByteArray &bytes, bool cut)
{
    QStringDecoder utf8(QStringDecoder::Utf8, cut ? QStringDecoder::Flag::Default : QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

QString readable(const QByteArray &bytes, bool cut)
{
    if (std::optional<QString> utf8 = validUtf8(bytes, cut))
        return *std::move(utf8);
    return AnsiCodePage::toUnicode(bytes);
}

} // namespace

QString AnsiCodePage::display(const QByteArray &bytes)
{
    return readable(bytes, false);
}

QString AnsiCodePage::display(const QString &text, qsizetype length)
{
    const bool cut = length >= 0 && length < text.size();
    return readable(fromUnicode(cut ? text.left(length) : text), cut);
}
