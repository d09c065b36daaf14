#include "platform/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <QtCore/qt_windows.h>
#include <io.h>
#else
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QString kTemporaryEnding = QStringLiteral(".ativacao-tmp");

// A link is written through to the file it names, so it stays a link; a loop
// of links is written as the name given.
QFileInfo finalTarget(const QString &path)
{
    QFileInfo target(path);
    int depth = 128;
    while (--depth && target.isSymLink())
        target.setFile(target.symLinkTarget());
    return depth > 0 ? target : QFileInfo(path);
}

// Next to the target, so that the rename stays on one file system.
QString temporaryPath(const QFileInfo &target)
{
    return target.absolutePath() + QStringLiteral("/.") + target.fileName() + kTemporaryEnding;
}

// A short write is legal; what is left is written again, so that a full disk
// shows as an error of its own ("No space left on device").
bool writeAll(QFile &file, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}

// The data is on the disk, not only in the cache, before it becomes the target's.
bool syncData(QFile &file)
{
#ifdef Q_OS_WIN
    return FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// Replaces the target in one step, whatever it held.
bool replace(const QString &temporary, const QString &target)
{
#ifdef Q_OS_WIN
    // The write-through flag also puts the rename itself on the disk.
    return MoveFileExW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(temporary).utf16()),
                       reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(target).utf16()),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
#else
    return std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) == 0;
#endif
}

// Puts the rename on the disk. Some file systems refuse to sync a folder; the
// file is then as safe as they make it.
void syncFolder([[maybe_unused]] const QString &folder)
{
#ifndef Q_OS_WIN
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
#endif
}

// Empty when the temporary file holds every byte on the disk and is closed,
// otherwise the reason.
QString writeTemporary(QFile &file, const QFileInfo &target, const QByteArray &bytes)
{
    // New only: nothing found under the name is written through. Unbuffered:
    // each write reaches the file system at once and reports its own failure.
    constexpr QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
    // The target's permissions, and no wider ones until the file has them.
    const bool opened = target.exists()
        ? file.open(mode, QFile::ReadOwner | QFile::WriteOwner) && file.setPermissions(target.permissions())
        : file.open(mode);
    if (!opened || !writeAll(file, bytes))
        return file.errorString();
    if (!syncData(file))
        return qt_error_string();
    file.close();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
}

} // namespace

QString AtomicFile::write(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target = finalTarget(path);
    if (target.isDir())
        return QStringLiteral("Filename refers to a directory");
    if (target.exists() && !target.isWritable())
        return QStringLiteral("Existing file %1 is not writable").arg(path);
    QFile file(temporaryPath(target));
    // What a write of the same target left when it was killed goes first.
    QFile::remove(file.fileName());
    QString problem = writeTemporary(file, target, bytes);
    if (problem.isEmpty() && !replace(file.fileName(), target.absoluteFilePath()))
        problem = qt_error_string();
    if (!problem.isEmpty()) {
        file.close();
        QFile::remove(file.fileName());
        return problem;
    }
    syncFolder(target.absolutePath());
    return {};
}

void AtomicFile::removeLeftovers(const QString &folder)
{
    const QDir dir(folder);
    const QStringList leftovers = dir.entryList({QStringLiteral(".?*") + kTemporaryEnding},
                                                QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive);
    for (const QString &name : leftovers)
        QFile::remove(dir.filePath(name));
}
