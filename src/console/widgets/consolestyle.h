#pragma once

#include <QProxyStyle>

// The platform's style with the console's own touches: password edits show
// "*" for every character, as the technician knows them from the original
// forms, whatever the platform's password character.
class ConsoleStyle : public QProxyStyle
{
    Q_OBJECT

public:
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

    // Installs the style on the application once.
    static void install();
};
