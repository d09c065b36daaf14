#pragma once

#include <QString>

// The Integrador's Input and Output folders: "C:\Integrador\..." on Windows;
// elsewhere the drive C: of the Wine prefix where a Windows Integrador runs
// ($WINEPREFIX/drive_c, $WINEPREFIX defaulting to ~/.wine).
class IntegradorFolders
{
public:
    static QString input();
    static QString output();

private:
    static QString root();
};
