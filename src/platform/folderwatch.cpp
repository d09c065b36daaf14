#include "platform/folderwatch.h"

#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <utility>

#ifdef Q_OS_LINUX
#include <QFile>
#include <QSocketNotifier>
#include <sys/inotify.h>
#include <unistd.h>
#else
#include <QFileInfo>
#include <QFileSystemWatcher>
#endif

#ifdef Q_OS_LINUX

namespace {

// Every change to an entry, a write in place included; and the folder itself
// going away, after which nothing more would be told.
constexpr uint32_t kEvents = IN_CREATE | IN_MODIFY | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVED_FROM | IN_MOVED_TO
    | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

// Closing an inotify instance can take tens of milliseconds while the kernel
// waits for its readers; where an event loop turns, that comes after the reply.
class LaterClose : public QObject
{
public:
    explicit LaterClose(int descriptor)
        : descriptor_(descriptor)
    {
    }
    ~LaterClose() override { ::close(descriptor_); }

private:
    int descriptor_;
};

void closeDescriptor(int descriptor)
{
    if (descriptor < 0)
        return;
    if (QThread::currentThread()->loopLevel() > 0)
        (new LaterClose(descriptor))->deleteLater();
    else
        ::close(descriptor);
}

} // namespace

FolderWatch::FolderWatch(const QString &folder)
    : folder_(folder)
    , descriptor_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    if (descriptor_ >= 0)
        notifier_ = new QSocketNotifier(descriptor_, QSocketNotifier::Read);
    watch();
    changes_ = {}; // what the folder held before is no change
}

FolderWatch::~FolderWatch()
{
    delete notifier_;
    closeDescriptor(descriptor_);
}

bool FolderWatch::namesChanges() const
{
    return watched_ >= 0;
}

// A folder watched afresh (made since, or made anew) may have changed
// meanwhile in ways nobody told.
void FolderWatch::watch()
{
    if (descriptor_ < 0 || watched_ >= 0)
        return;
    watched_ = ::inotify_add_watch(descriptor_, QFile::encodeName(folder_).constData(), kEvents);
    if (watched_ >= 0)
        changes_.unnamed = true;
}

void FolderWatch::collect()
{
    alignas(inotify_event) char buffer[16 * 1024];
    ssize_t length = 0;
    while (descriptor_ >= 0 && (length = ::read(descriptor_, buffer, sizeof buffer)) > 0) {
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) { // events were lost
                changes_.unnamed = true;
            } else if (event->wd != watched_) { // a watch ended before
                continue;
            } else if (event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) {
                ::inotify_rm_watch(descriptor_, watched_); // a moved folder would be followed
                watched_ = -1;
                changes_.unnamed = true;
            } else if (event->len > 0) {
                changes_.names.insert(QFile::decodeName(event->name));
            }
        }
    }
}

#else

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

bool FolderWatch::namesChanges() const
{
    return false;
}

void FolderWatch::watch()
{
    if (watcher_->directories().isEmpty() && QFileInfo(folder_).isDir())
        watcher_->addPath(folder_);
}

void FolderWatch::collect()
{
}

#endif

bool FolderWatch::wait(int milliseconds)
{
    watch(); // a folder made or made anew since the last wait
    collect();
    if (!changes_.isEmpty())
        return true;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    limit.setTimerType(Qt::PreciseTimer); // a coarse timer may end the wait early
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
#ifdef Q_OS_LINUX
    if (notifier_) {
        QObject::connect(notifier_, &QSocketNotifier::activated, &loop, [this, &loop] {
            collect();
            if (!changes_.isEmpty())
                loop.quit();
        });
    }
#else
    QObject::connect(watcher_, &QFileSystemWatcher::directoryChanged, &loop, [this, &loop] {
        changes_.unnamed = true;
        loop.quit();
    });
#endif
    limit.start(milliseconds);
    loop.exec();
    return !changes_.isEmpty();
}

FolderWatch::Changes FolderWatch::takeChanges()
{
    collect();
    return std::exchange(changes_, Changes{});
}
