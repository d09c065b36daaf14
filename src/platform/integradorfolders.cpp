#include "platform/integradorfolders.h"

#include <QDir>
#include <QtGlobal>

QString IntegradorFolders::input()
{
    return root() + QStringLiteral("Input");
}

QString IntegradorFolders::output()
{
    return root() + QStringLiteral("Output");
}

QString IntegradorFolders::root()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:/Integrador/");
#else
    QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (prefix.isEmpty())
        prefix = QDir::homePath() + QStringLiteral("/.wine");
    return QDir::cleanPath(prefix) + QStringLiteral("/drive_c/Integrador/");
#endif
}
