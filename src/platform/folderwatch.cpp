#include "platform/folderwatch.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QThread>
#include <QTimer>

FolderWatch::FolderWatch(const QString &folder)
    : folder_(folder)
    , watcher_(new QFileSystemWatcher)
{
    watch();
}

FolderWatch::~FolderWatch()
{
    // Closing a watcher can take tens of milliseconds while the kernel waits
    // for its readers; where an event loop turns, that comes after the reply.
    if (QThread::currentThread()->loopLevel() > 0)
        watcher_->deleteLater();
    else
        delete watcher_;
}

bool FolderWatch::wait(int milliseconds)
{
    watch(); // a folder made or made anew since the last wait
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer); // a coarse timer may end the wait early
    bool changed = false;
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(watcher_, &QFileSystemWatcher::directoryChanged, &loop, [&loop, &changed] {
        changed = true;
        loop.quit();
    });
    limit.start(milliseconds);
    loop.exec();
    return changed;
}

void FolderWatch::watch()
{
    if (watcher_->directories().isEmpty() && QFileInfo(folder_).isDir())
        watcher_->addPath(folder_);
}
