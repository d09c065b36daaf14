#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPushButton;
class QWidget;

// Fonts, colours and button geometry shared by the main window and its pages.
class WidgetStyle
{
public:
    static QFont tahoma(int pointSize, bool bold = false);
    // The fixed-pitch font of the library labels and the CF-e memo.
    static QFont lucidaConsole(int pointSize);
    static void setSilverBackground(QWidget *widget);
    static QColor green() { return QColor(0, 128, 0); }
    static QColor red() { return QColor(255, 0, 0); }
    static void setTextColour(QWidget *widget, const QColor &colour);
    static QColor textColour(const QWidget *widget);

    // A push button of the standard 130 x 29 size.
    static QPushButton *button(QWidget *parent, const QString &name, const QString &caption, int left, int top);

    static constexpr int kButtonWidth = 130;
    static constexpr int kButtonHeight = 29;
};
