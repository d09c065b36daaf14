#include "console/consolestartup.h"
#include "console/frame/widgetinteraction.h"
#include "console/tfativacao.h"
#include "platform/programfolder.h"
#include "platform/systemclock.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const QStringList arguments = ConsoleStartup::arguments(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(TFAtivacao::kApplicationTitle);

    WidgetInteraction interaction(TFAtivacao::kApplicationTitle);
    SystemClock clock;
    const std::unique_ptr<TFAtivacao> window =
        ConsoleStartup::start(ProgramFolder::path(), arguments, interaction, clock);
    interaction.setParentWindow(window.get());
    window->show();
    return application.exec();
}
