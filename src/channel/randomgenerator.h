#pragma once

#include <QtGlobal>

// The program-wide 32-bit linear congruential generator shared by the session
// numbers and the Integrador request identifiers; each user reseeds it from
// the time of day right before drawing.
class RandomGenerator
{
public:
    void seed(quint32 state);
    // A draw from 0 to range - 1.
    quint32 random(quint32 range);

private:
    quint32 state_ = 0;
};
