#include "platform/boundedfile.h"

#include <QFile>
#include <QFileInfo>

BoundedFile::Result BoundedFile::read(const QString &path, qint64 maxSize)
{
    Result result;
    // Only regular files: opening a pipe blocks, a device never ends.
    if (!QFileInfo(path).isFile())
        return result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = Status::Unreadable;
        result.error = file.errorString();
        return result;
    }
    // A file still growing is read up to one byte past the limit, no further.
    result.bytes = file.read(maxSize + 1);
    result.status = result.bytes.size() > maxSize ? Status::TooLarge : Status::Read;
    if (result.status == Status::TooLarge)
        result.bytes.clear();
    return result;
}
