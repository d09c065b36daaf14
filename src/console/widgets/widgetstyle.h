#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// Fonts and colours shared by the main window and its pages.
class WidgetStyle
{
public:
    // Tahoma, or its fallback where it is not installed; settled at the first
    // use, during start-up.
    static QFont tahoma(int pointSize, bool bold = false);
    // The fixed-pitch font of the library labels and the CF-e memo: Lucida
    // Console or its fallback.
    static QFont lucidaConsole(int pointSize);
    static void setSilverBackground(QWidget *widget);
    static QColor green() { return QColor(0, 128, 0); }
    static QColor red() { return QColor(255, 0, 0); }
    static void setTextColour(QWidget *widget, const QColor &colour);
    static QColor textColour(const QWidget *widget);
};
