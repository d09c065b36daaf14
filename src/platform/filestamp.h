#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>
#include <optional>

// What tells, without reading it, whether a file or a folder may have
// changed: its size and last modification time as the file system keeps
// them, and on Linux also what every write changes, even one that puts the
// old modification time back: the change time and the file's inode (a file
// replaced by another of the same name). Stamps are only compared with each
// other, never with a clock, so a file system whose clock differs from ours
// changes nothing.
class FileStamp
{
public:
    FileStamp() = default; // nothing there
    FileStamp(qint64 size, qint64 modified, qint64 changed = 0, quint64 inode = 0)
        : size_(size)
        , modified_(modified)
        , changed_(changed)
        , inode_(inode)
    {
    }

    // The regular file at path, not through a link; invalid for anything else.
    static FileStamp ofFile(const QString &path);
    // The folder at path; invalid when there is none.
    static FileStamp ofFolder(const QString &path);
    // Every regular file in folder whose name ends in suffix, in any letter
    // case, hidden ones included; links, folders, pipes and devices are left
    // out. One pass over the folder, cheap for ten thousand entries; nothing
    // when the folder cannot be listed (missing, not readable, out of file
    // handles), which is not the same as an empty folder.
    static std::optional<QHash<QString, FileStamp>> filesIn(const QString &folder, const QString &suffix);

    bool isValid() const { return size_ >= 0; }
    bool operator==(const FileStamp &other) const
    {
        return size_ == other.size_ && modified_ == other.modified_ && changed_ == other.changed_
            && inode_ == other.inode_;
    }
    bool operator!=(const FileStamp &other) const { return !(*this == other); }

private:
    qint64 size_ = -1;
    qint64 modified_ = 0; // in the file system's own unit
    qint64 changed_ = 0;
    quint64 inode_ = 0;
};
