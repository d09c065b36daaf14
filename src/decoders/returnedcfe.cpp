#include "decoders/returnedcfe.h"

#include "decoders/textlines.h"
#include "platform/ansicodepage.h"
#include "settings/strictxml.h"
#include "settings/xmlformatter.h"

#include <optional>
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

// A sale's or a cancellation's CF-e. Its lines are cut at byte line breaks,
// so a document in UTF-16 or UTF-32, which holds zeros, is none.
bool isCfe(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return false;
    const QString root = StrictXml::rootName(bytes);
    return root == QLatin1String("CFe") || root == QLatin1String("CFeCanc");
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
    if (!bytes || !isCfe(*bytes))
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
