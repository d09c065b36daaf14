#pragma once

#include <QByteArray>
#include <QString>

// The files the console needs in its program folder: the network
// configuration "ConfRede.xml" and the settings file "Parametros.xml",
// written with their default texts when missing.
class StartupFiles
{
public:
    enum class Result { Ok, ConfRedeFailed, ParametrosFailed };

    // Existing files are left untouched; a failure on "ConfRede.xml" stops
    // before "Parametros.xml". `programFolder` ends with '/'.
    [[nodiscard]] static Result CheckConfigs(const QString &programFolder);
    // Temporary files that a save killed half-way left in the folders the
    // console writes to: the program's folder, the working directory and the
    // Integrador's Input folder. Only the atomic writer's own are touched,
    // and of those only the ones no running save (of another console
    // sharing the folder) still holds.
    static void removeLeftovers(const QString &programFolder);
    // The message box text for a failure; empty for Ok.
    static QString message(Result result);
    static QByteArray defaultConfRede();
    static QByteArray defaultParametros();
};
