#include "channel/integradorexchange.h"

IntegradorExchange::IntegradorExchange(Clock &clock, RandomGenerator &generator)
    : clock_(clock)
    , generator_(generator)
{
}

QByteArray IntegradorExchange::send(Command, qint32, const CommandArguments &)
{
    return {};
}

QString IntegradorExchange::GeraIdentificador()
{
    return {};
}
