#pragma once

#include "channel/command.h"
#include "channel/integradorexchange.h"
#include "channel/librarybinding.h"
#include "channel/randomgenerator.h"

#include <QByteArray>

class Clock;

// The one way by which every command reaches the module: the bound library
// when there is one, otherwise the Integrador's folders. Owns the program-wide
// random generator that the session numbers and request identifiers share.
class CommandChannel
{
public:
    explicit CommandChannel(Clock &clock);

    LibraryBinding &binding() { return binding_; }
    RandomGenerator &generator() { return generator_; }
    Clock &clock() { return clock_; }

    // Sends one command and returns the reply bytes (ANSI code page; the
    // module's texts inside are UTF-8 on both roads). Arguments that do not
    // match the command's row throw std::runtime_error before either road
    // is taken.
    QByteArray call(Command command, qint32 numeroSessao, const CommandArguments &arguments);
    // Takes back an Integrador request still waiting for its reply and sends
    // no further one: the console is ending. From any thread.
    void closeIntegrador() { integrador_.closeRequests(); }

private:
    Clock &clock_;
    RandomGenerator generator_;
    LibraryBinding binding_;
    IntegradorExchange integrador_;
};
