#pragma once

#include <QDateTime>

class FolderWatch;

// The local time and the waits of the Integrador exchange. Tests inject a
// clock whose waits advance virtual time at once.
class Clock
{
public:
    virtual ~Clock() = default;
    // The time of day, for what is drawn from it; never for measuring a wait.
    virtual QDateTime now() const = 0;
    // Milliseconds on a clock that no setting of the time of day moves (a
    // time sync stepping it forward or back): what waits are measured on.
    virtual qint64 elapsed() const = 0;
    // A pause that ends early when the watched folder changes.
    virtual void pauseUntilChanged(FolderWatch &folder, int milliseconds) = 0;
};
