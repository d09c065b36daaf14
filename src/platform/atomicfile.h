#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file, so that neither a crash nor a power cut leaves half a
// file. The bytes go to a temporary file next to the target, named
// ".<target's name>.ativacao-tmp", which is synced to the disk and then
// renamed over the target. The target is replaced only once every byte is
// known to be written; on any failure (a full or read-only disk) it keeps what
// it held and no temporary file is left.
class AtomicFile
{
public:
    // Empty on success, otherwise the reason the file could not be written.
    [[nodiscard]] static QString write(const QString &path, const QByteArray &bytes);
    // Deletes the temporary files that writes killed half-way left in
    // `folder`: files named as write() names them, and nothing else.
    static void removeLeftovers(const QString &folder);
};
