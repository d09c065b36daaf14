#include "consolefixture.h"

#include "console/frame/operationframe.h"
#include "console/pages/consolepage.h"
#include "console/pages/pagecontext.h"
#include "console/widgets/maskededit.h"
#include "console/widgets/radiogroup.h"
#include "console/widgets/widgetfactory.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

namespace {

// A page with an edit, two buttons and a count of its show handler's runs.
class ProbePage : public ConsolePage
{
public:
    ProbePage(PageContext &context, QWidget *parent)
        : ConsolePage(context, QStringLiteral("TabProbe"), QStringLiteral("PanelProbe"), QStringLiteral("PROBE"), parent)
        , edit(WidgetFactory::labeledEdit(this, QStringLiteral("Edit"), QStringLiteral("Código:"), {10, 50, 100, 21}))
        , defaultButton(WidgetFactory::button(this, QStringLiteral("Default"), QStringLiteral("Padrão"), 10, 100))
        , otherButton(WidgetFactory::button(this, QStringLiteral("Other"), QStringLiteral("Outro"), 150, 100))
    {
        setDefaultButton(defaultButton);
    }

    QLineEdit *edit;
    QPushButton *defaultButton;
    QPushButton *otherButton;
    int shownCount = 0;

protected:
    void shown() override { ++shownCount; }
};

struct PageHarness {
    ConsoleFixture console;
    QStackedWidget pages;
    std::unique_ptr<PageContext> context;
    ConsolePage *first = nullptr;
    ProbePage *probe = nullptr;

    PageHarness()
    {
        console.start();
        context = std::make_unique<PageContext>(
            PageContext{console.window().frame(), console.window().cds(), console.interaction, console.programFolder()});
        first = new ConsolePage(*context, QStringLiteral("TabFirst"), QStringLiteral("PanelFirst"), QString(), &pages);
        probe = new ProbePage(*context, &pages);
        pages.addWidget(first);
        pages.addWidget(probe);
        pages.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pages));
    }
};

} // namespace

class TestConsolePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void enterPressesDefaultButton_data();
    void enterPressesDefaultButton();
    void shownOnlyWhenEntered();
    void radioGroup();
    void maskedEditDigits_data();
    void maskedEditDigits();
};

void TestConsolePage::enterPressesDefaultButton_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("pressed");

    QTest::newRow("Return in the edit") << "Edit" << Qt::Key_Return << "Default";
    QTest::newRow("keypad Enter in the edit") << "Edit" << Qt::Key_Enter << "Default";
    QTest::newRow("Return on another button") << "Other" << Qt::Key_Return << "Other";
}

void TestConsolePage::enterPressesDefaultButton()
{
    QFETCH(QString, focus);
    QFETCH(Qt::Key, key);
    QFETCH(QString, pressed);

    PageHarness harness;
    harness.probe->showPage();
    QStringList clicks;
    for (QPushButton *button : {harness.probe->defaultButton, harness.probe->otherButton})
        QObject::connect(button, &QPushButton::clicked, button, [&clicks, button] { clicks << button->objectName(); });
    auto *target = harness.probe->findChild<QWidget *>(focus);
    target->setFocus();
    QTest::keyClick(target, key);
    QCOMPARE(clicks, QStringList{pressed});

    harness.probe->defaultButton->setEnabled(false);
    harness.probe->edit->setFocus();
    QTest::keyClick(harness.probe->edit, Qt::Key_Return);
    QCOMPARE(clicks, QStringList{pressed});
}

void TestConsolePage::shownOnlyWhenEntered()
{
    PageHarness harness;
    QCOMPARE(harness.probe->shownCount, 0);
    harness.probe->showPage();
    harness.probe->showPage();
    QCOMPARE(harness.probe->shownCount, 1);
    QVERIFY(harness.probe->isCurrentPage());
    harness.first->showPage();
    harness.probe->showPage();
    QCOMPARE(harness.probe->shownCount, 2);
}

void TestConsolePage::radioGroup()
{
    QWidget parent;
    RadioGroup *group = WidgetFactory::radioGroup(&parent, QStringLiteral("rgAssinatura"), QStringLiteral("Forma de envio:"),
                                                  {QStringLiteral("Texto"), QStringLiteral("Arquivo")}, {0, 0, 200, 40}, 2);
    QSignalSpy changed(group, &RadioGroup::itemIndexChanged);
    QCOMPARE(group->itemIndex(), -1);
    QCOMPARE(group->item(1)->text(), QStringLiteral("Arquivo"));
    group->setItemIndex(0);
    QTest::mouseClick(group->item(1), Qt::LeftButton);
    QCOMPARE(group->itemIndex(), 1);
    group->setItemIndex(1); // no change, no signal
    group->setItemIndex(-1);
    QCOMPARE(group->itemIndex(), -1);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(changed.at(0).at(0).toInt(), 0);
    QCOMPARE(changed.at(1).at(0).toInt(), 1);
}

void TestConsolePage::maskedEditDigits_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("digits");

    QTest::newRow("14 digits") << "11222333000181" << "11222333000181";
    QTest::newRow("partly filled") << "1122233" << "1122233";
    QTest::newRow("empty") << "" << "";
}

void TestConsolePage::maskedEditDigits()
{
    QFETCH(QString, set);
    QFETCH(QString, digits);
    QWidget parent;
    MaskedEdit *edit = WidgetFactory::cnpjEdit(&parent, QStringLiteral("EdtCNPJContrib"),
                                               QStringLiteral("CNPJ do Contribuinte:"), {0, 20, 150, 21});
    edit->setText(set);
    QCOMPARE(edit->digits(), digits);
}

QTEST_MAIN(TestConsolePage)
#include "tst_consolepage.moc"
