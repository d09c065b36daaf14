#pragma once

#include <QDateTime>

class FolderWatch;

// The local time and the waits of the Integrador exchange. Tests inject a
// clock whose waits advance virtual time at once.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // A pause that ends early when the watched folder changes; true when it did.
    virtual bool pauseUntilChanged(FolderWatch &folder, int milliseconds) = 0;
};
