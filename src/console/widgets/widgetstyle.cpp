#include "console/widgets/widgetstyle.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace {

// Where the console's fonts are missing (every Linux machine) it uses fonts
// of Debian's fonts-dejavu packages chosen for their widths, so no caption is
// cut: DejaVu Sans Condensed is close to Tahoma (plain DejaVu Sans, what a
// search for the missing name finds, is about 11 % wider) and DejaVu Sans Mono
// has Lucida Console's character width. Naming the family found saves the
// search at every font made.
QString family(const QString &wanted, const QString &fallback)
{
    return QFontDatabase::families().contains(wanted) ? wanted : fallback;
}

const QString &sansFamily()
{
    static const QString name = family(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"));
    return name;
}

const QString &monospaceFamily()
{
    static const QString name = family(QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"));
    return name;
}

} // namespace

QFont WidgetStyle::tahoma(int pointSize, bool bold)
{
    QFont font(sansFamily());
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

QFont WidgetStyle::lucidaConsole(int pointSize)
{
    QFont font(monospaceFamily());
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
