#pragma once

#include <QtGlobal>

// TemposIntegrador: how long the Integrador exchange waits for the reply of
// each command family, 14 rows in ascending order of the result-code family.
class TemposIntegrador
{
public:
    struct Tempo {
        quint16 minutes;
        quint16 seconds;
    };

    static constexpr int kRows = 14;

    // The row numbered from 1 to kRows.
    static Tempo row(int number);
    static qint64 totalSeconds(int number);
};
