#pragma once

#include "channel/integradormethod.h"

#include <string_view>

// Everything in which one command differs from the others, on either road.
struct CommandRow {
    const char *exportName = nullptr; // the module library's export (ASCII)
    // The arguments after numeroSessao, one letter each: 'i' a 32-bit integer,
    // 't' an ANSI text; nullptr where no operation fixes them.
    const char *signature = nullptr;
    const char *family = nullptr; // the first two digits of every result code
    int temposRow = 0; // row of TemposIntegrador, from 1; 0 without an Integrador routine
    bool extraBusyField = false; // the sale commands put "0000" before the busy message
    IntegradorMethod integrador;

    constexpr int argumentCount() const { return signature ? int(std::string_view(signature).size()) : 0; }
};
