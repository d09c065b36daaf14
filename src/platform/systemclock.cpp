#include "platform/systemclock.h"

#include <QThread>

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

void SystemClock::pause(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}
