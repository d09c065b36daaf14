#include "channel/commandchannel.h"

#include "channel/commandsignature.h"

CommandChannel::CommandChannel(Clock &clock)
    : clock_(clock)
    , integrador_(clock, generator_)
{
}

QByteArray CommandChannel::call(Command command, qint32 numeroSessao, const CommandArguments &arguments)
{
    CommandSignature::check(command, arguments);
    if (!binding_.ArquivoDll().isEmpty())
        return binding_.call(command, numeroSessao, arguments);
    return integrador_.send(command, numeroSessao, arguments);
}
