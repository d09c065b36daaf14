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
    // The message box text for a failure; empty for Ok.
    static QString message(Result result);
    static QByteArray defaultConfRede();
    static QByteArray defaultParametros();
};
