#include "channel/sessionnumber.h"

#include "channel/randomgenerator.h"

namespace {

constexpr quint32 kHighestSessionNumber = 999998;

// Every product and sum is taken modulo 65536: a 16-bit seed.
quint32 seedOf(const QTime &timeOfDay)
{
    const auto hour = static_cast<quint32>(timeOfDay.hour());
    const auto minute = static_cast<quint32>(timeOfDay.minute());
    const auto second = static_cast<quint32>(timeOfDay.second());
    const auto millisecond = static_cast<quint32>(timeOfDay.msec());
    return (hour * 999u + minute * 9999u + second + millisecond * 34463u) & 0xFFFFu;
}

} // namespace

QString SessionNumber::geranumsessao(const QTime &timeOfDay, RandomGenerator &generator)
{
    generator.seed(seedOf(timeOfDay));
    return text(static_cast<qint32>(generator.random(kHighestSessionNumber) + 1));
}

QString SessionNumber::text(qint32 numeroSessao)
{
    return QStringLiteral("%1").arg(numeroSessao, 6, 10, QLatin1Char('0'));
}
