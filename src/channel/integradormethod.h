#pragma once

#include "channel/integradorparameter.h"

#include <array>

// The Integrador's routine of one command: how its request is written.
// numeroSessao is the first parameter of every request and is not listed.
struct IntegradorMethod {
    static constexpr int kMaxParameters = 4;

    const char *metodoNome = nullptr; // nullptr: the Integrador does not carry the command
    const char *filePrefix = nullptr;
    std::array<IntegradorParameter, kMaxParameters> parameters{}; // the unused ones have no name
    bool otherIndent = false; // the two status routines indent five lines differently

    constexpr int parameterCount() const
    {
        int count = 0;
        while (count < kMaxParameters && parameters[std::size_t(count)].name)
            ++count;
        return count;
    }
};
