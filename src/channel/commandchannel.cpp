#include "channel/commandchannel.h"

CommandChannel::CommandChannel(Clock &clock)
    : clock_(clock)
    , integrador_(clock, generator_)
{
}

QByteArray CommandChannel::call(Command command, qint32 numeroSessao, const CommandArguments &arguments)
{
    if (!binding_.ArquivoDll().isEmpty())
        return binding_.call(command, numeroSessao, arguments);
    return integrador_.send(command, numeroSessao, arguments);
}
