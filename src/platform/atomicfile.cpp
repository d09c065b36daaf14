#include "platform/atomicfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// A short write is legal; what is left is written again, so that a full disk
// shows as an error of its own ("No space left on device").
bool writeAll(QSaveFile &file, const QByteArray &bytes)
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

} // namespace

QString AtomicFile::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered: each write reaches the file system at once and reports its own failure.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    // Qt 6.4's commit() replaces the target even after a failed write or
    // flush, so nothing is committed unless every byte is known to be there.
    if (!writeAll(file, bytes) || !file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

void AtomicFile::removeLeftovers(const QString &path)
{
    const QFileInfo target(path);
    const QString name = target.fileName();
    const QRegularExpression temporary(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(name) + QStringLiteral("\\.[A-Za-z]{6}")));
    const QDir folder = target.absoluteDir();
    const QFileInfoList candidates = folder.entryInfoList({name + QStringLiteral(".??????")},
                                                          QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &entry : candidates) {
        if (temporary.match(entry.fileName()).hasMatch())
            QFile::remove(entry.filePath());
    }
}
