#include "channel/temposintegrador.h"

#include <array>

namespace {

// Rows with equal values stay separate: each belongs to its own family.
constexpr std::array<TemposIntegrador::Tempo, TemposIntegrador::kRows> kTempos = {{
    {5, 30}, // 04 activation
    {0, 40}, // 06 sale
    {0, 33}, // 07 cancellation
    {0, 14}, // 08 module query
    {0, 50}, // 09 end-to-end test
    {0, 34}, // 10 operational status
    {0, 50}, // 11 session query
    {0, 50}, // 12 network configuration
    {30, 30}, // 13 association
    {30, 30}, // 14 software update
    {0, 50}, // 15 logs
    {5, 30}, // 16 blocking
    {0, 50}, // 17 unblocking
    {0, 50}, // 18 change of code
}};

} // namespace

TemposIntegrador::Tempo TemposIntegrador::row(int number)
{
    return kTempos.at(static_cast<std::size_t>(number - 1));
}

qint64 TemposIntegrador::totalSeconds(int number)
{
    const Tempo tempo = row(number);
    return qint64(tempo.minutes) * 60 + tempo.seconds;
}
