#include "platform/boundedfile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr qint64 kChunkSize = 1024 * 1024;

// Opens only a regular file: opening a pipe blocks, a device never ends.
BoundedFile::Status openRegularFile(QFile &file, const QString &path, QString &error)
{
#ifdef Q_OS_UNIX
    // Checked on the descriptor itself, so that nothing swapped in between
    // a check and the opening gets read; non-blocking, so a pipe opens at once.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return BoundedFile::Status::NotAFile;
        error = QString::fromLocal8Bit(std::strerror(errno));
        return BoundedFile::Status::Unreadable;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return BoundedFile::Status::NotAFile;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        error = file.errorString();
        return BoundedFile::Status::Unreadable;
    }
#else
    if (!QFileInfo(path).isFile())
        return BoundedFile::Status::NotAFile;
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return BoundedFile::Status::Unreadable;
    }
#endif
    return BoundedFile::Status::Read;
}

// Up to limit bytes. The first read asks for the size the file has now (and
// one byte more), so no buffer of the limit's size is reserved for a small
// file; a file still growing is followed in chunks up to the limit.
QByteArray readAtMost(QFile &file, qint64 limit)
{
    QByteArray bytes = file.read(qMin(file.size() + 1, limit));
    while (bytes.size() < limit) {
        const QByteArray chunk = file.read(qMin(kChunkSize, limit - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    return bytes;
}

} // namespace

BoundedFile::Result BoundedFile::read(const QString &path, qint64 maxSize)
{
    Result result;
    QFile file;
    result.status = openRegularFile(file, path, result.error);
    if (result.status != Status::Read)
        return result;
    if (file.size() > maxSize) {
        result.status = Status::TooLarge;
        return result;
    }
    result.bytes = readAtMost(file, maxSize + 1);
    if (result.bytes.size() > maxSize) {
        result.status = Status::TooLarge;
        result.bytes.clear();
    }
    return result;
}
