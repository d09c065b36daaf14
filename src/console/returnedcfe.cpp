#include "console/returnedcfe.h"

#include "channel/replyfields.h"
#include "console/textlines.h"
#include "platform/ansicodepage.h"

#include <stdexcept>

namespace {
constexpr int kCfeField = 6;
constexpr int kKeyField = 8;
}

ReturnedCfe::ReturnedCfe(const QString &reply)
{
    ReplyFields::ExtractStrings2(QByteArrayLiteral("|"), QByteArray(), reply, &fields_);
}

QString ReturnedCfe::base64() const
{
    // Modules may break the Base64 text over several lines.
    QString text = field(kCfeField);
    text.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    return text;
}

QByteArrayList ReturnedCfe::lines() const
{
    return decode(base64());
}

const QString &ReturnedCfe::key() const
{
    return field(kKeyField);
}

QByteArrayList ReturnedCfe::decode(const QString &base64)
{
    return TextLines::split(QByteArray::fromBase64(AnsiCodePage::fromUnicode(base64)));
}

const QString &ReturnedCfe::field(int index) const
{
    if (index >= fields_.size())
        throw std::out_of_range(QStringLiteral("Índice da lista fora dos limites (%1)").arg(index).toStdString());
    return fields_.at(index);
}
