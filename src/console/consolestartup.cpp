#include "console/consolestartup.h"

#include "console/frame/interaction.h"
#include "console/tfativacao.h"
#include "console/widgets/consolestyle.h"
#include "settings/startupfiles.h"

QStringList ConsoleStartup::arguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

std::unique_ptr<TFAtivacao> ConsoleStartup::start(const QString &programFolder, const QStringList &arguments,
                                                  Interaction &interaction, Clock &clock)
{
    ConsoleStyle::install();
    StartupFiles::removeLeftovers(programFolder);
    const StartupFiles::Result check = StartupFiles::CheckConfigs(programFolder);
    if (check != StartupFiles::Result::Ok)
        interaction.showMessage(StartupFiles::message(check));
    return std::make_unique<TFAtivacao>(programFolder, arguments, interaction, clock);
}
