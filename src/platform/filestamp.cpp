#include "platform/filestamp.h"

#include <QFile>

#include <cerrno>
#include <utility>

#ifdef Q_OS_LINUX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#else
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#endif

namespace {

#ifdef Q_OS_LINUX

// The system calls themselves: Qt's file times are converted to local time,
// which costs more than the call itself for each of thousands of entries.
qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

FileStamp stampOf(const struct stat &status)
{
    return {qint64(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim),
            quint64(status.st_ino)};
}

// Of what path names when it is of type (S_IFREG, S_IFDIR).
FileStamp stampOf(const QString &path, mode_t type, int flags)
{
    struct stat status {};
    if (::fstatat(AT_FDCWD, QFile::encodeName(path).constData(), &status, flags) != 0
        || (status.st_mode & S_IFMT) != type)
        return {};
    return stampOf(status);
}

bool endsWith(const char *name, const QByteArray &suffix)
{
    const qsizetype length = qsizetype(qstrlen(name));
    return length >= suffix.size() && qstrnicmp(name + length - suffix.size(), suffix.constData(), suffix.size()) == 0;
}

#else

// On Windows the listing itself brings each entry's size and times.
FileStamp stampOf(const QFileInfo &info)
{
    return {info.size(), info.lastModified().toMSecsSinceEpoch()};
}

#endif

} // namespace

#ifdef Q_OS_LINUX

FileStamp FileStamp::ofFile(const QString &path)
{
    return stampOf(path, S_IFREG, AT_SYMLINK_NOFOLLOW);
}

FileStamp FileStamp::ofFolder(const QString &path)
{
    return stampOf(path, S_IFDIR, 0);
}

std::optional<QHash<QString, FileStamp>> FileStamp::filesIn(const QString &folder, const QString &suffix)
{
    DIR *listing = ::opendir(QFile::encodeName(folder).constData());
    if (!listing)
        return std::nullopt;
    QHash<QString, FileStamp> files;
    const QByteArray suffixBytes = QFile::encodeName(suffix);
    // readdir tells the end of the listing from a failure only by errno.
    errno = 0;
    while (const dirent *entry = ::readdir(listing)) {
        struct stat status {};
        if (endsWith(entry->d_name, suffixBytes)
            && ::fstatat(::dirfd(listing), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(status.st_mode))
            files.insert(QFile::decodeName(entry->d_name), stampOf(status));
        errno = 0;
    }
    const bool complete = errno == 0;
    ::closedir(listing);
    return complete ? std::optional(std::move(files)) : std::nullopt;
}

#else

FileStamp FileStamp::ofFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isSymLink() ? stampOf(info) : FileStamp();
}

FileStamp FileStamp::ofFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() ? stampOf(info) : FileStamp();
}

std::optional<QHash<QString, FileStamp>> FileStamp::filesIn(const QString &folder, const QString &suffix)
{
    if (!QFileInfo(folder).isDir() || !QFileInfo(folder).isReadable())
        return std::nullopt;
    QHash<QString, FileStamp> files;
    QDirIterator entries(folder, {u'*' + suffix}, QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        if (info.isFile() && !info.isSymLink())
            files.insert(info.fileName(), stampOf(info));
    }
    return files;
}

#endif
