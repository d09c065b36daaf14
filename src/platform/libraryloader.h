#pragma once

#include <QFunctionPointer>
#include <QLibrary>
#include <QString>

// Loads a library once from a full path and resolves exports by name. The
// library is never unloaded: the module's replies and state live in it.
class LibraryLoader
{
public:
    [[nodiscard]] bool load(const QString &path);
    QFunctionPointer resolve(const char *exportName);

private:
    QLibrary library_;
};
