#include "console/tfativacao.h"
#include "console/widgetinteraction.h"
#include "platform/programfolder.h"
#include "platform/systemclock.h"
#include "settings/startupfiles.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(TFAtivacao::kApplicationTitle);
    WidgetInteraction interaction(TFAtivacao::kApplicationTitle);

    const QString programFolder = ProgramFolder::path();
    const StartupFiles::Result check = StartupFiles::CheckConfigs(programFolder);
    if (check != StartupFiles::Result::Ok)
        interaction.showMessage(StartupFiles::message(check));

    SystemClock clock;
    TFAtivacao window(programFolder, application.arguments().mid(1), interaction, clock);
    interaction.setParentWindow(&window);
    window.show();
    return application.exec();
}
