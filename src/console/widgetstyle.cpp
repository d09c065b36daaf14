#include "console/widgetstyle.h"

#include <QPalette>
#include <QWidget>

QFont WidgetStyle::tahoma(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QFont WidgetStyle::lucidaConsole(int pointSize)
{
    QFont font(QStringLiteral("Lucida Console"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(pointSize);
    return font;
}

void WidgetStyle::setSilverBackground(QWidget *widget)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    // The toolkit's grey for disabled text would vanish on silver.
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    widget->setPalette(palette);
}

void WidgetStyle::setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QColor WidgetStyle::textColour(const QWidget *widget)
{
    return widget->palette().color(widget->foregroundRole());
}
