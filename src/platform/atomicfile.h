#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file through QSaveFile, so a crash never leaves half a file.
// The target is replaced only once every byte is known to be written; on any
// failure (a full or read-only disk) it keeps what it held.
class AtomicFile
{
public:
    // Empty on success, otherwise the reason the file could not be written.
    [[nodiscard]] static QString write(const QString &path, const QByteArray &bytes);
    // Deletes the temporary files that writes to `path` killed half-way left
    // next to it (QSaveFile names them "<name>." and six letters); nothing else.
    static void removeLeftovers(const QString &path);
};
