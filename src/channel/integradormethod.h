#pragma once

#include "channel/command.h"

#include <array>

// One row of the Integrador exchange's command table: everything in which the
// 16 exchange routines differ. numeroSessao is the first parameter of every
// request and is not listed.
struct IntegradorParameter {
    enum class Type { Int, String };
    enum class Form {
        Plain, // the argument's value
        CData, // the argument's value inside a CDATA section
        FixedDocumento, // always "01"; the routine has no argument for it
    };

    const char *name = nullptr;
    Type type = Type::String;
    Form form = Form::Plain;
    int argument = -1; // index into the command's arguments; -1 for a fixed value
};

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
