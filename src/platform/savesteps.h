#pragma once

#include <QString>

// The three steps that put a written file in place for good: sync its data,
// rename it over the target, sync the folder. Each gives 0 when done,
// otherwise the system's error code. The steps here are the system's own;
// tests override one to make it fail.
class SaveSteps
{
public:
    virtual ~SaveSteps() = default;
    // `descriptor` is the open file's, as QFile::handle() gives it.
    virtual int syncFile(int descriptor) const;
    // Replaces `target` in one step, whatever it held.
    virtual int rename(const QString &from, const QString &target) const;
    virtual int syncFolder(const QString &folder) const;
};
