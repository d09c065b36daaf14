#include "platform/atomicfile.h"

#include "platform/savesteps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString kTemporaryEnding = QStringLiteral(".ativacao-tmp");
// Names are random: one taken this often is no chance but a fault.
constexpr int kNameAttempts = 8;

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

// Next to the target, so that the rename stays on one file system; a new
// random name for each write, so that no two writes share one.
QString temporaryPath(const QFileInfo &target)
{
    const QString random = QString::number(QRandomGenerator::system()->generate64(), 16);
    return target.absolutePath() + QStringLiteral("/.") + target.fileName() + u'.'
        + random.rightJustified(16, u'0') + kTemporaryEnding;
}

QString errorText(int error)
{
    return error == 0 ? QString() : qt_error_string(error);
}

#ifndef Q_OS_WIN
// Nobody removed or replaced the file at `path` since `descriptor` was opened.
bool isAt(int descriptor, const QString &path)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(descriptor, &opened) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0
        && opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}
#endif

// Holds the temporary until this write has renamed it, so that a start-up
// clean-up leaves it alone. On Windows, Qt opens files without share-delete:
// held since its creation. On Linux, an exclusive flock, which the clean-up
// must take before it removes a file; false when it was removed between the
// creation and the lock, and the name is no longer this write's.
bool hold([[maybe_unused]] QFile &file)
{
#ifdef Q_OS_WIN
    return true;
#else
    // On a file system without locks the clean-up cannot take one either.
    static_cast<void>(::flock(file.handle(), LOCK_EX));
    return isAt(file.handle(), file.fileName());
#endif
}

// Empty when `file` is a temporary beside the target that this write created
// and holds, otherwise the reason.
QString createTemporary(QFile &file, const QFileInfo &target)
{
    // New only: nothing found under the name is written through. Unbuffered:
    // each write reaches the file system at once and reports its own failure.
    constexpr QIODevice::OpenMode mode = QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        file.setFileName(temporaryPath(target));
        // No wider permissions than the target's until the file has them.
        const bool opened = target.exists() ? file.open(mode, QFile::ReadOwner | QFile::WriteOwner) : file.open(mode);
        if (!opened && !QFileInfo::exists(file.fileName()))
            return file.errorString();
        if (opened && hold(file))
            return {};
        file.close();
    }
    return QStringLiteral("No free name for a temporary file beside %1").arg(target.fileName());
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

// Empty when the temporary holds every byte on the disk, with the target's
// permissions; otherwise the reason.
QString fill(QFile &file, const QFileInfo &target, const QByteArray &bytes, const SaveSteps &steps)
{
    if ((target.exists() && !file.setPermissions(target.permissions())) || !writeAll(file, bytes))
        return file.errorString();
    return errorText(steps.syncFile(file.handle()));
}

QString replaceTarget(QFile &file, const QFileInfo &target, const SaveSteps &steps)
{
#ifdef Q_OS_WIN
    // Windows renames no file that is open without share-delete, its writer's
    // own handle included. A clean-up that deletes the temporary in this
    // moment makes the rename fail and the save say so; the target stays whole.
    file.close();
#endif
    return errorText(steps.rename(file.fileName(), target.absoluteFilePath()));
}

// Some file systems refuse to sync a folder; the rename is then as safe as
// they make it.
QString syncFolder(const QString &folder, const SaveSteps &steps)
{
    const int error = steps.syncFolder(folder);
    return error == EINVAL || error == ENOTSUP || error == EOPNOTSUPP ? QString() : errorText(error);
}

// Only a temporary that no running write holds: on Windows a held one cannot
// be deleted. On Linux it goes while locked, and only if the name is still the
// file locked.
void removeUnheld(const QString &path)
{
#ifdef Q_OS_WIN
    QFile::remove(path);
#else
    const QByteArray name = QFile::encodeName(path);
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return;
    if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && isAt(descriptor, path))
        ::unlink(name.constData());
    ::close(descriptor);
#endif
}

} // namespace

AtomicFile::AtomicFile(const SaveSteps &steps)
    : steps_(steps)
{
}

QString AtomicFile::save(const QString &path, const QByteArray &bytes) const
{
    const QFileInfo target = finalTarget(path);
    if (target.isDir())
        return QStringLiteral("Filename refers to a directory");
    if (target.exists() && !target.isWritable())
        return QStringLiteral("Existing file %1 is not writable").arg(path);
    QFile file;
    QString problem = createTemporary(file, target);
    if (!problem.isEmpty())
        return problem;
    problem = fill(file, target, bytes, steps_);
    if (problem.isEmpty())
        problem = replaceTarget(file, target, steps_);
    if (!problem.isEmpty()) {
        file.remove();
        return problem;
    }
    // The lock goes only now that the temporary is the target.
    file.close();
    return syncFolder(target.absolutePath(), steps_);
}

QString AtomicFile::write(const QString &path, const QByteArray &bytes)
{
    const SaveSteps system;
    return AtomicFile(system).save(path, bytes);
}

void AtomicFile::removeLeftovers(const QString &folder)
{
    const QDir dir(folder);
    const QStringList leftovers = dir.entryList({QStringLiteral(".?*") + kTemporaryEnding},
                                                QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive);
    for (const QString &name : leftovers)
        removeUnheld(dir.filePath(name));
}
