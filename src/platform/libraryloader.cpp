#include "platform/libraryloader.h"

bool LibraryLoader::load(const QString &path)
{
    library_.setFileName(path);
    // A bare file name ("x.so") would make QLibrary try decorated names too;
    // the console loads exactly the file it found.
    library_.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    return library_.load();
}

QFunctionPointer LibraryLoader::resolve(const char *exportName)
{
    return library_.resolve(exportName);
}

QString LibraryLoader::errorString() const
{
    return library_.errorString();
}
