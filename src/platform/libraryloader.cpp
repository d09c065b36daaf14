#include "platform/libraryloader.h"

bool LibraryLoader::load(const QString &path)
{
    library_.setFileName(path);
    // The path is the absolute file found in the program's folder, so the
    // loader takes exactly that file; symbols are bound at once.
    library_.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    return library_.load();
}

QFunctionPointer LibraryLoader::resolve(const char *exportName)
{
    return library_.resolve(exportName);
}
