#include "channel/librarybinding.h"

LibraryBinding::Outcome LibraryBinding::bind(const QString &, const QString &)
{
    return Outcome::NotFound;
}

QByteArray LibraryBinding::call(Command, qint32, const CommandArguments &) const
{
    return {};
}
