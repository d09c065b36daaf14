#include "decoders/returnedcfe.h"

#include "decoders/textlines.h"
#include "platform/ansicodepage.h"
#include "settings/xmlformatter.h"

namespace {
constexpr int kCfeField = 6;
constexpr int kKeyField = 8;
constexpr int kEndToEndCfeField = 5;
}

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
    return TextLines::split(QByteArray::fromBase64(AnsiCodePage::fromUnicode(base64)));
}

QByteArrayList ReturnedCfe::endToEndLines(const Reply &reply)
{
    return decode(reply.field(kEndToEndCfeField));
}

QString ReturnedCfe::indented(const QByteArrayList &lines)
{
    return XmlFormatter::FormatXMLString(QString::fromUtf8(lines.join("\r\n")));
}
