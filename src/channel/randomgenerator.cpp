#include "channel/randomgenerator.h"

void RandomGenerator::seed(quint32 state)
{
    state_ = state;
}

quint32 RandomGenerator::random(quint32 range)
{
    state_ = state_ * 134775813u + 1u; // wraps modulo 2^32
    return static_cast<quint32>((static_cast<quint64>(state_) * range) >> 32);
}
