#include "platform/systemclock.h"

#include "platform/folderwatch.h"

#include <QThread>

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

void SystemClock::pause(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void SystemClock::pauseUntilChanged(FolderWatch &folder, int milliseconds)
{
    folder.wait(milliseconds);
}
