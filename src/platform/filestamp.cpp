#include "platform/filestamp.h"

#include <QFile>

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
FileStamp stampOf(const struct stat &status)
{
    return {qint64(status.st_size), qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec};
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

QHash<QString, FileStamp> FileStamp::filesIn(const QString &folder, const QString &suffix)
{
    QHash<QString, FileStamp> files;
    DIR *listing = ::opendir(QFile::encodeName(folder).constData());
    if (!listing)
        return files;
    const QByteArray suffixBytes = QFile::encodeName(suffix);
    while (const dirent *entry = ::readdir(listing)) {
        struct stat status {};
        if (endsWith(entry->d_name, suffixBytes)
            && ::fstatat(::dirfd(listing), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(status.st_mode))
            files.insert(QFile::decodeName(entry->d_name), stampOf(status));
    }
    ::closedir(listing);
    return files;
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

QHash<QString, FileStamp> FileStamp::filesIn(const QString &folder, const QString &suffix)
{
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
