#include "channel/reply.h"

#include "channel/replyfields.h"
#include "channel/retornosat.h"
#include "platform/ansicodepage.h"

#include <stdexcept>

Reply::Reply(const QString &text)
    : text_(text)
{
    ReplyFields::ExtractStrings2(QByteArrayLiteral("|"), QByteArray(), text_, &fields_);
}

const QString &Reply::field(int index) const
{
    if (index < 0 || index >= fields_.size())
        throw std::out_of_range(QStringLiteral("Índice da lista fora dos limites (%1)").arg(index).toStdString());
    return fields_.at(index);
}

QString Reply::displayField(int index) const
{
    return AnsiCodePage::display(field(index));
}

const QString &Reply::resultCode() const
{
    return field(TRetornoSAT::codigoRetorno);
}
