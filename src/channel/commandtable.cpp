#include "channel/commandtable.h"

const char *CommandTable::exportName(Command command)
{
    return row(command).exportName;
}

QString CommandTable::busyCode(Command command)
{
    return QLatin1String(row(command).family) + QLatin1String("098");
}

QString CommandTable::quotedName(Command command)
{
    return QLatin1Char('"') + QLatin1String(exportName(command)) + QLatin1Char('"');
}
