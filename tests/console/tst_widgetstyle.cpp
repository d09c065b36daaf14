#include "boundconsole.h"
#include "consolefixture.h"

#include "console/widgets/widgetstyle.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <optional>

namespace {

// The family a machine shows for a font: the original where it is installed
// (Windows), else the fallback from Debian's fonts-dejavu packages.
QString installedFamily(const QString &original, const QString &fallback)
{
    const QStringList families = QFontDatabase::families();
    if (families.contains(original))
        return original;
    return families.contains(fallback) ? fallback : QString();
}

int textRoom(QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

// "name: text" of each label or push button under root whose text is wider
// than the room its widget gives it.
QStringList cutTexts(const QWidget &root)
{
    QStringList cut;
    for (QLabel *label : root.findChildren<QLabel *>()) {
        if (label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width())
            cut << label->objectName() + QStringLiteral(": ") + label->text();
    }
    for (QPushButton *button : root.findChildren<QPushButton *>()) {
        if (button->fontMetrics().horizontalAdvance(button->text()) > textRoom(button))
            cut << button->objectName() + QStringLiteral(": ") + button->text();
    }
    return cut;
}

} // namespace

class TestWidgetStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fonts_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("fallback");

        QTest::newRow("Tahoma") << WidgetStyle::tahoma(8) << "Tahoma" << "DejaVu Sans Condensed";
        QTest::newRow("Tahoma bold") << WidgetStyle::tahoma(12, true) << "Tahoma" << "DejaVu Sans Condensed";
        QTest::newRow("Lucida Console") << WidgetStyle::lucidaConsole(10) << "Lucida Console" << "DejaVu Sans Mono";
    }

    void fonts()
    {
        QFETCH(QFont, font);
        QFETCH(QString, original);
        QFETCH(QString, fallback);
        const QString expected = installedFamily(original, fallback);
        if (expected.isEmpty())
            QSKIP("neither font is installed: run the README's set-up command");
        QCOMPARE(QFontInfo(font).family(), expected);
        QCOMPARE(font.family(), expected); // named as found, no search for a missing name
    }

    void captionsFit_data()
    {
        QTest::addColumn<QString>("library"); // "/DLL=" name; empty: none, "bound": the fake module
        QTest::addColumn<QString>("root");

        QTest::newRow("left column") << "" << "Panel1";
        QTest::newRow("page 0, Integrador road") << "" << "TabMorvo";
        QTest::newRow("page 0, library bound") << "bound" << "TabMorvo";
        QTest::newRow("page 0, library not found") << "ausente.so" << "TabMorvo";
        for (const char *root : {"TabCodAtiva", "TabAtivar", "TabAssocAss", "TabBloq", "TabTeste", "TabConfRede",
                                 "TabConfRedeMFE", "TabStatus", "TabLog", "TabAtualizaSW", "FValida", "FFimAFim"})
            QTest::newRow(root) << "" << root;
    }

    // With the fonts this machine shows, no caption, label or button text is cut.
    void captionsFit()
    {
        QFETCH(QString, library);
        QFETCH(QString, root);
        if (installedFamily(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed")).isEmpty())
            QSKIP("neither Tahoma nor its fallback is installed: run the README's set-up command");

        std::optional<BoundConsole> bound;
        std::optional<ConsoleFixture> plain;
        ConsoleFixture *console = nullptr;
        if (library == QLatin1String("bound")) {
            console = &bound.emplace().console; // started with the fake module library
        } else {
            console = &plain.emplace();
            console->start(library.isEmpty() ? QStringList() : QStringList{QStringLiteral("/DLL=") + library});
        }
        console->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&console->window()));
        QCOMPARE(cutTexts(*console->find<QWidget>(root)), QStringList());
    }
};

QTEST_MAIN(TestWidgetStyle)
#include "tst_widgetstyle.moc"
