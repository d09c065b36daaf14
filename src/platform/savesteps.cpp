#include "platform/savesteps.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <QtCore/qt_windows.h>
#include <io.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
namespace {

int lastError(BOOL done)
{
    return done ? 0 : static_cast<int>(GetLastError());
}

} // namespace
#endif

// The data is on the disk, not only in the cache, before it becomes the target's.
int SaveSteps::syncFile(int descriptor) const
{
#ifdef Q_OS_WIN
    return lastError(FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(descriptor))));
#else
    return ::fsync(descriptor) == 0 ? 0 : errno;
#endif
}

int SaveSteps::rename(const QString &from, const QString &target) const
{
#ifdef Q_OS_WIN
    // The write-through flag also puts the rename itself on the disk.
    return lastError(MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                                 reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(target).utf16()),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
#else
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(target).constData()) == 0 ? 0 : errno;
#endif
}

// Puts the rename on the disk; on Windows the rename's write-through did.
int SaveSteps::syncFolder([[maybe_unused]] const QString &folder) const
{
#ifdef Q_OS_WIN
    return 0;
#else
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // A folder we may write in but not read cannot be opened to be synced:
    // as on a file system that syncs no folders, the rename is as safe as it
    // makes it.
    if (descriptor < 0)
        return errno == EACCES ? 0 : errno;
    const int error = ::fsync(descriptor) == 0 ? 0 : errno;
    ::close(descriptor);
    return error;
#endif
}
