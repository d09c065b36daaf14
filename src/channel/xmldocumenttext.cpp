#include "channel/xmldocumenttext.h"

#include <QString>
#include <QStringDecoder>
#include <QUtf8StringView>

#include <array>
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

// A table of our own: the platform's decoders do not offer Windows-1252 everywhere.
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

// Most documents are valid UTF-8: kept as they are, without a copy in UTF-16.
QByteArray validUtf8(QByteArray bytes)
{
    if (QUtf8StringView(bytes).isValidUtf8())
        return bytes;
    return QString::fromUtf8(bytes).toUtf8();
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

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The encoding named by the declaration that opens the document (after
// blanks, which the parser lets pass too); empty when there is none.
QByteArray declaredEncoding(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (start < bytes.size() && isXmlSpace(bytes.at(start)))
        ++start;
    const QByteArrayView rest = QByteArrayView(bytes).sliced(start);
    if (!rest.startsWith("<?xml") || rest.size() <= 5 || !isXmlSpace(rest.at(5)))
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

// The registered names of Windows-1252 and of ISO-8859-1, which it extends,
// and their common spellings, in any letter case.
bool isWindows1252(QByteArray name)
{
    name = name.trimmed().toLower().replace('-', "").replace('_', "");
    for (const char *spelling : {"windows1252", "cp1252", "xcp1252", "cswindows1252", "iso88591", "iso88591:1987",
                                 "isoir100", "latin1", "l1", "ibm819", "cp819", "csisolatin1"}) {
        if (name == spelling)
            return true;
    }
    return false;
}

} // namespace

QByteArray XmlDocumentText::utf8(QByteArray bytes)
{
    const std::optional<QStringConverter::Encoding> unicode = unicodeEncoding(bytes);
    if (unicode == QStringConverter::Utf8)
        return validUtf8(bytes.remove(0, 3));
    if (unicode) {
        // Stateless: a last byte without its pair becomes a replacement
        // character, so a file cut short does not read as complete.
        QStringDecoder decoder(*unicode, QStringConverter::Flag::Stateless);
        return QString(decoder.decode(bytes)).toUtf8(); // the decoder drops a byte-order mark
    }
    if (isWindows1252(declaredEncoding(bytes)))
        return fromWindows1252(bytes).toUtf8();
    return validUtf8(std::move(bytes));
}
