#include "platform/systemclock.h"

#include "platform/folderwatch.h"

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

void SystemClock::pauseUntilChanged(FolderWatch &folder, int milliseconds)
{
    folder.wait(milliseconds);
}
