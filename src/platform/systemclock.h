#pragma once

#include "platform/clock.h"

#include <QElapsedTimer>

class SystemClock : public Clock
{
public:
    SystemClock();

    QDateTime now() const override;
    qint64 elapsed() const override;
    void pauseUntilChanged(FolderWatch &folder, int milliseconds) override;

private:
    QElapsedTimer monotonic_;
};
