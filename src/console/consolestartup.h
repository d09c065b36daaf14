#pragma once

#include <QStringList>
#include <memory>

class Clock;
class Interaction;
class TFAtivacao;

// Start-up once the window framework runs: the settings files are checked
// before any window exists, then the main window is built with its dialogs.
class ConsoleStartup
{
public:
    // The arguments after the program name exactly as given: read before the
    // window framework takes its own options (such as "-style") out of them.
    static QStringList arguments(int argc, char *argv[]);

    static std::unique_ptr<TFAtivacao> start(const QString &programFolder, const QStringList &arguments,
                                             Interaction &interaction, Clock &clock);
};
