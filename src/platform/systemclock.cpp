#include "platform/systemclock.h"

#include "platform/folderwatch.h"

SystemClock::SystemClock()
{
    monotonic_.start();
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::elapsed() const
{
    return monotonic_.elapsed();
}

void SystemClock::pauseUntilChanged(FolderWatch &folder, int milliseconds)
{
    folder.wait(milliseconds);
}
