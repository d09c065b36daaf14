#pragma once

#include <QSet>
#include <QString>

class QFileSystemWatcher;
class QSocketNotifier;

// Wakes a wait as soon as a folder's entries change, so that waiting for a
// file costs no listing every few milliseconds. Watching starts at
// construction: a change before the first wait still wakes it. A folder that
// cannot be watched (missing, or on a file system without notifications)
// leaves the wait to its time limit.
//
// On Linux the watch also names the entries that changed (created, written,
// renamed or deleted), so that a folder of thousands of files need not be
// listed for each new one; elsewhere it only tells that something changed.
class FolderWatch
{
public:
    // What changed since the last takeChanges().
    struct Changes {
        QSet<QString> names; // entries created, written, renamed or deleted
        bool unnamed = false; // changes the watch could not name: look at the whole folder
        bool isEmpty() const { return names.isEmpty() && !unnamed; }
    };

    explicit FolderWatch(const QString &folder);
    ~FolderWatch();
    FolderWatch(const FolderWatch &) = delete;
    FolderWatch &operator=(const FolderWatch &) = delete;

    // Returns when the folder has changed since the last takeChanges (true),
    // or after milliseconds at the latest (false). Turns a local event loop
    // on the calling thread, which should have no widgets of its own to serve.
    bool wait(int milliseconds);
    // True while every change made on this machine is named. A folder shared
    // from another machine is not told of that machine's changes.
    bool namesChanges() const;
    Changes takeChanges();

private:
    void watch();
    void collect();

    QString folder_;
    Changes changes_;
#ifdef Q_OS_LINUX
    int descriptor_ = -1; // the inotify instance
    int watched_ = -1; // the folder's watch on it
    QSocketNotifier *notifier_ = nullptr;
#else
    QFileSystemWatcher *watcher_;
#endif
};
