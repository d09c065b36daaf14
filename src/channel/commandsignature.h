#pragma once

#include "channel/command.h"
#include "channel/funcoesdll.h"

#include <QByteArray>

// How a CommandArgument holds each argument type of the library's exports.
template <typename T>
struct CommandArgumentOf;

template <>
struct CommandArgumentOf<int> {
    using Held = qint32;
    static int pass(const qint32 &value) { return value; }
};

template <>
struct CommandArgumentOf<FuncoesDll::Text> {
    using Held = QByteArray;
    // The QByteArray lives in the caller's argument list until the call returns.
    static FuncoesDll::Text pass(const QByteArray &value) { return value.constData(); }
};

// The check that every command call passes before it takes either road: its
// arguments after numeroSessao are, in number, order and type, those of the
// command's export in FuncoesDll.
class CommandSignature
{
public:
    static bool accepts(Command command, const CommandArguments &arguments);
    // Throws std::runtime_error, naming the command, when it does not accept them.
    static void check(Command command, const CommandArguments &arguments);
};
