#pragma once

#include "channel/command.h"

#include <QString>

// The module library's export names, one per command in table order; the
// binding resolves them and the Integrador names its requests after them.
class CommandTable
{
public:
    // ANSI (plain ASCII) name of the command's export.
    static const char *exportName(Command command);
    // The result code by which the module says it is busy or out of reach
    // (xx098, xx the command's family).
    static QString busyCode(Command command);
    // The export name between double quotes, for messages.
    static QString quotedName(Command command);
};
