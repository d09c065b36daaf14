#pragma once

#include <QString>

class QFileSystemWatcher;

// Wakes a wait as soon as a folder's entries change, so that waiting for a
// file costs no listing every few milliseconds. Watching starts at
// construction: a change before the first wait still wakes it. A folder that
// cannot be watched (missing, or on a file system without notifications)
// leaves the wait to its time limit.
class FolderWatch
{
public:
    explicit FolderWatch(const QString &folder);
    ~FolderWatch();
    FolderWatch(const FolderWatch &) = delete;
    FolderWatch &operator=(const FolderWatch &) = delete;

    // Returns when the folder has changed since the last wait (true), or
    // after milliseconds at the latest (false). Turns a local event loop on
    // the calling thread, which should have no widgets of its own to serve.
    bool wait(int milliseconds);

private:
    void watch();

    QString folder_;
    QFileSystemWatcher *watcher_;
};
