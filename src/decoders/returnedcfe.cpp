#include "decoders/returnedcfe.h"

#include "decoders/textlines.h"
#include "platform/ansicodepage.h"
#include "platform/xmlfragment.h"
#include "settings/xmlformatter.h"

#include <optional>
#include <pugixml.hpp>
#include <stdexcept>
#include <utility>

namespace {

constexpr int kCfeField = 6;
constexpr int kKeyField = 8;
constexpr int kEndToEndCfeField = 5;

// Only the canonical text: the decoder's strict mode still lets a missing
// padding or stray low bits pass, which re-encoding shows.
std::optional<QByteArray> decodeStrictly(const QByteArray &base64)
{
    QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.toBase64() != base64)
        return std::nullopt;
    return std::move(decoded.decoded);
}

// The parser would stop at a zero and take what comes before it for the whole.
bool isXmlDocument(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return false;
    pugi::xml_document document;
    constexpr unsigned kOptions = pugi::parse_default | pugi::parse_fragment;
    return document.load_buffer(bytes.constData(), std::size_t(bytes.size()), kOptions, pugi::encoding_utf8)
           && XmlFragment::isSingleDocument(document);
}

} // namespace

ReturnedCfe::ReturnedCfe(const QString &reply)
    : reply_(reply)
{
}

QString ReturnedCfe::base64() const
{
    // Modules may break the Base64 text over several lines.
    QString text = reply_.field(kCfeField);
    text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    return text;
}

QByteArrayList ReturnedCfe::lines() const
{
    return decode(base64());
}

const QString &ReturnedCfe::key() const
{
    return reply_.field(kKeyField);
}

QByteArrayList ReturnedCfe::decode(const QString &base64)
{
    const std::optional<QByteArray> bytes = decodeStrictly(AnsiCodePage::fromUnicode(base64));
    if (!bytes || !isXmlDocument(*bytes))
        throw std::runtime_error("CF-e inválido");
    return TextLines::split(*bytes);
}

QByteArrayList ReturnedCfe::endToEndLines(const Reply &reply)
{
    return decode(reply.field(kEndToEndCfeField));
}

QString ReturnedCfe::indented(const QByteArrayList &lines)
{
    return XmlFormatter::FormatXMLString(QString::fromUtf8(lines.join("\r\n")));
}
