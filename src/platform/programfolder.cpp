#include "platform/programfolder.h"

#include <QCoreApplication>
#include <QDir>

QString ProgramFolder::path()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
