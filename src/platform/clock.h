#pragma once

#include <QDateTime>

// The local time and the pauses of the Integrador exchange. Tests inject a
// clock whose pauses advance virtual time at once.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual void pause(int milliseconds) = 0;
};
