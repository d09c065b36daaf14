#pragma once

#include "channel/command.h"
#include "channel/integradorparameter.h"

#include <array>

// One row of the Integrador exchange's command table: everything in which the
// 16 exchange routines differ. numeroSessao is the first parameter of every
// request and is not listed.
class IntegradorMethod
{
public:
    static constexpr int kMaxParameters = 4;

    Command command;
    const char *metodoNome;
    const char *filePrefix;
    int parameterCount;
    std::array<IntegradorParameter, kMaxParameters> parameters;
    int temposRow; // row of TemposIntegrador, from 1
    const char *busyCode;
    bool extraBusyField; // the sale commands put "0000" before the busy message
    bool otherIndent; // the two status routines indent five lines differently

    // The row of a command; nullptr for a command without an exchange routine.
    static const IntegradorMethod *find(Command command);
};
