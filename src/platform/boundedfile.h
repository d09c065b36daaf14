#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file that comes from outside, refusing what could block or
// exhaust memory: folders, pipes and devices, and files above a size limit.
class BoundedFile
{
public:
    enum class Status { Read, NotAFile, Unreadable, TooLarge };

    struct Result {
        Status status = Status::NotAFile;
        QByteArray bytes;
        QString error; // the reason for Unreadable
    };

    static Result read(const QString &path, qint64 maxSize);
};
