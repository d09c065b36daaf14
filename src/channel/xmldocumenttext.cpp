#include "channel/xmldocumenttext.h"

#include "channel/xmlelementtext.h"
#include "platform/ansicodepage.h"

#include <QString>
#include <QStringDecoder>
#include <QUtf8StringView>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <pugixml.hpp>
#include <utility>

namespace {

// Where Windows-1252 differs from ISO-8859-1: bytes 0x80 to 0x9F. The five
// bytes it leaves undefined keep their control characters, as Windows reads them.
constexpr std::array<char16_t, 32> kWindows1252From80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// A table of our own: the platform's decoders do not offer Windows-1252
// everywhere, and a document that declares it is in it whatever the system's
// ANSI code page (which AnsiCodePage reads).
QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype index = 0; index < bytes.size(); ++index) {
        const uchar byte = uchar(bytes.at(index));
        const bool differs = byte >= 0x80 && byte < 0xA0;
        text[index] = QChar(differs ? kWindows1252From80[std::size_t(byte - 0x80)] : char16_t(byte));
    }
    return text;
}

using Reading = QString (*)(const QByteArray &bytes);

QString replacingInvalid(const QByteArray &bytes)
{
    return QString::fromUtf8(bytes);
}

// Most documents are valid UTF-8: kept as they are, without a copy in UTF-16.
// Others are read as invalid reads them.
QByteArray validUtf8(QByteArray bytes, Reading invalid)
{
    if (QUtf8StringView(bytes).isValidUtf8())
        return bytes;
    return invalid(bytes).toUtf8();
}

// A byte-order mark; without one, UTF-16 shows in how the declaration's
// "<?" is spelled, as XML's appendix on encoding detection reads it.
std::optional<QStringConverter::Encoding> unicodeEncoding(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringConverter::Utf8;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith(QByteArrayView("<\0?\0", 4)))
        return QStringConverter::Utf16LE;
    if (bytes.startsWith("\xFE\xFF") || bytes.startsWith(QByteArrayView("\0<\0?", 4)))
        return QStringConverter::Utf16BE;
    return std::nullopt;
}

// The encoding named by the declaration that opens the document (after
// blanks, which the parser lets pass too); empty when there is none.
QByteArray declaredEncoding(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (start < bytes.size() && XmlElementText::isSpace(bytes.at(start)))
        ++start;
    const QByteArrayView rest = QByteArrayView(bytes).sliced(start);
    if (!rest.startsWith("<?xml") || rest.size() <= 5 || !XmlElementText::isSpace(rest.at(5)))
        return {};
    const qsizetype end = rest.indexOf("?>");
    if (end < 0)
        return {};
    pugi::xml_document declaration;
    constexpr unsigned kOptions = pugi::parse_declaration | pugi::parse_fragment;
    if (!declaration.load_buffer(rest.data(), std::size_t(end + 2), kOptions, pugi::encoding_utf8))
        return {};
    return QByteArray(declaration.first_child().attribute("encoding").value());
}

// True when name is one of spellings, in any letter case, with or without
// its hyphens and underscores.
bool isNamed(QByteArray name, std::initializer_list<const char *> spellings)
{
    name = name.trimmed().toLower().replace('-', "").replace('_', "");
    return std::any_of(spellings.begin(), spellings.end(), [&name](const char *spelling) { return name == spelling; });
}

// The registered names of Windows-1252 and of ISO-8859-1, which it extends,
// and their common spellings.
bool isWindows1252(const QByteArray &name)
{
    return isNamed(name, {"windows1252", "cp1252", "xcp1252", "cswindows1252", "iso88591", "iso88591:1987",
                          "isoir100", "latin1", "l1", "ibm819", "cp819", "csisolatin1"});
}

// No name, which means UTF-8; the registered names of UTF-8 and of US-ASCII,
// its subset, and their common spellings.
bool isUtf8(const QByteArray &name)
{
    return name.isEmpty()
        || isNamed(name, {"utf8", "csutf8", "usascii", "ascii", "us", "isoir6", "ansix3.41968", "ansix3.41986",
                          "iso646.irv:1991", "iso646us", "ibm367", "cp367", "csascii"});
}

// The document as UTF-8; bytes that are UTF-8 by the declaration or for want
// of one, but not valid, are read as invalidUtf8 reads them.
QByteArray decoded(QByteArray bytes, Reading invalidUtf8)
{
    const std::optional<QStringConverter::Encoding> unicode = unicodeEncoding(bytes);
    if (unicode == QStringConverter::Utf8)
        return validUtf8(bytes.remove(0, 3), replacingInvalid);
    if (unicode) {
        // Stateless: a last byte without its pair becomes a replacement
        // character, so a file cut short does not read as complete.
        QStringDecoder decoder(*unicode, QStringConverter::Flag::Stateless);
        return QString(decoder.decode(bytes)).toUtf8(); // the decoder drops a byte-order mark
    }
    const QByteArray declared = declaredEncoding(bytes);
    if (isWindows1252(declared))
        return fromWindows1252(bytes).toUtf8();
    return validUtf8(std::move(bytes), isUtf8(declared) ? invalidUtf8 : replacingInvalid);
}

} // namespace

QByteArray XmlDocumentText::utf8(QByteArray bytes)
{
    return decoded(std::move(bytes), replacingInvalid);
}

QByteArray XmlDocumentText::displayUtf8(QByteArray bytes)
{
    return decoded(std::move(bytes), AnsiCodePage::toUnicode);
}
