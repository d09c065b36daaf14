#pragma once

#include <QString>
#include <QTime>

class RandomGenerator;

// The session number every command carries: drawn from the time of day to
// the millisecond and written as six digits ("000000" pattern).
class SessionNumber
{
public:
    // Reseeds the generator from timeOfDay and draws a number from 1 to 999998.
    static QString geranumsessao(const QTime &timeOfDay, RandomGenerator &generator);

    // numeroSessao as six decimal digits with leading zeros.
    static QString text(qint32 numeroSessao);
};
