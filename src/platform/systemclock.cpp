#include "platform/systemclock.h"

#include "platform/folderwatch.h"

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

bool SystemClock::pauseUntilChanged(FolderWatch &folder, int milliseconds)
{
    return folder.wait(milliseconds);
}
