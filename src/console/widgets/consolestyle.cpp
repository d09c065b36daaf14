#include "console/widgets/consolestyle.h"

#include <QApplication>

int ConsoleStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    if (hint == SH_LineEdit_PasswordCharacter)
        return '*';
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ConsoleStyle::install()
{
    if (!qobject_cast<ConsoleStyle *>(QApplication::style()))
        QApplication::setStyle(new ConsoleStyle); // the application takes it over
}
