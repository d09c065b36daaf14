#pragma once

#include <QByteArray>
#include <QString>

class SaveSteps;

// Writes a whole file, so that neither a crash nor a power cut leaves half a
// file, and two writers of one file (two consoles sharing a folder, or two
// threads) leave one writer's whole text. Each write puts the bytes in a
// temporary file of its own, created new beside the target under a random
// name ".<target's name>.<16 hex digits>.ativacao-tmp", syncs it to the disk,
// renames it over the target and syncs the folder. The target is replaced
// only once every byte is known to be written; on any failure (a full or
// read-only disk, a failed sync or rename) the reason is returned and the
// write's temporary file is gone. A failed folder sync comes after the
// rename: the target then holds the new text, yet the save failed.
// From its creation until its rename the temporary is held, so that a
// start-up clean-up leaves it alone: on Linux by an exclusive flock, on
// Windows by being open without share-delete.
class AtomicFile
{
public:
    // `steps` outlives the writer.
    explicit AtomicFile(const SaveSteps &steps);

    // Empty on success, otherwise the reason the file could not be written.
    [[nodiscard]] QString save(const QString &path, const QByteArray &bytes) const;
    // save() with the system's own steps.
    [[nodiscard]] static QString write(const QString &path, const QByteArray &bytes);
    // Deletes the temporary files that writes killed half-way left in
    // `folder`: files named as write() names them that no running write
    // holds, and nothing else.
    static void removeLeftovers(const QString &folder);

private:
    const SaveSteps &steps_;
};
