#include "boundconsole.h"
#include "integradorconsole.h"

#include "console/operationframe.h"
#include "console/widgetstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>

namespace {

const QString kSuccess = QStringLiteral("message: Código de Ativação alterado com sucesso.");
const QStringList kDependents = {"EdtCodigo", "EdtNovoCodigo", "EdtNovoCodigo2", "Checkemergencia", "BtnTrocarCod"};

// Enters the page, unlocks it and types the codes.
void fill(ConsoleFixture &console, bool emergency, const QString &code, const QString &novo, const QString &confirmation)
{
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BtnCodAtivacao")), Qt::LeftButton);
    console.find<QCheckBox>(QStringLiteral("CheckMudaCodigo"))->setChecked(true);
    console.find<QCheckBox>(QStringLiteral("Checkemergencia"))->setChecked(emergency);
    console.find<QLineEdit>(QStringLiteral("EdtCodigo"))->setText(code);
    console.find<QLineEdit>(QStringLiteral("EdtNovoCodigo"))->setText(novo);
    console.find<QLineEdit>(QStringLiteral("EdtNovoCodigo2"))->setText(confirmation);
}

QStringList enabledDependents(const BoundConsole &bound)
{
    QStringList enabled;
    for (const QString &name : kDependents) {
        if (bound.find<QWidget>(name)->isEnabled())
            enabled << name;
    }
    return enabled;
}

QStringList codes(const BoundConsole &bound)
{
    return {bound.find<QLineEdit>(QStringLiteral("EdtCodigo"))->text(),
            bound.find<QLineEdit>(QStringLiteral("EdtNovoCodigo"))->text(),
            bound.find<QLineEdit>(QStringLiteral("EdtNovoCodigo2"))->text()};
}

} // namespace

class TestChangeCodePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void lockAndEmergencyLabel();
    void checks_data();
    void checks();
    void change_data();
    void change();
    void changeOverIntegrador();
};

void TestChangeCodePage::defaultState()
{
    BoundConsole bound;
    auto *button = bound.find<QPushButton>(QStringLiteral("BtnTrocarCod"));
    QCOMPARE(button->text(), QStringLiteral("Validar"));
    bound.click(QStringLiteral("BtnCodAtivacao"));
    QCOMPARE(bound.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), 1);
    QCOMPARE(button->text(), QStringLiteral("Trocar"));
    QVERIFY(button->isDefault());
    QCOMPARE(enabledDependents(bound), QStringList());
    QCOMPARE(bound.find<QCheckBox>(QStringLiteral("CheckMudaCodigo"))->text(), QStringLiteral("Trocar Código de Ativação"));
    QCOMPARE(bound.find<QCheckBox>(QStringLiteral("Checkemergencia"))->text(), QStringLiteral("Cód. de emergência"));
    QCOMPARE(bound.find<QLabel>(QStringLiteral("EdtNovoCodigo2Label"))->text(), QStringLiteral("Confirme o Novo Código de Ativação:"));
    for (const char *name : {"EdtCodigo", "EdtNovoCodigo", "EdtNovoCodigo2"}) {
        QCOMPARE(bound.find<QLineEdit>(name)->maxLength(), 32);
        QCOMPARE(bound.find<QLineEdit>(name)->echoMode(), QLineEdit::Password);
    }
    QCOMPARE(bound.find<QTextEdit>(QStringLiteral("Memo2"))->focusPolicy(), Qt::NoFocus);
    QStringList order;
    const QStringList named = {"CheckMudaCodigo", "EdtCodigo", "Checkemergencia", "EdtNovoCodigo", "EdtNovoCodigo2",
                               "BtnTrocarCod"};
    for (QWidget *widget = bound.find<QWidget>(named.first()); order.size() < named.size(); widget = widget->nextInFocusChain()) {
        if (named.contains(widget->objectName()))
            order << widget->objectName();
    }
    QCOMPARE(order, named);
}

void TestChangeCodePage::lockAndEmergencyLabel()
{
    BoundConsole bound;
    fill(bound.console, true, QString(), QString(), QString());
    QCOMPARE(enabledDependents(bound), kDependents);
    QCOMPARE(bound.console.window().focusWidget()->objectName(), QStringLiteral("EdtCodigo"));
    auto *label = bound.find<QLabel>(QStringLiteral("EdtCodigoLabel"));
    QCOMPARE(label->text(), QStringLiteral("Digite o Código de Ativação de Emergência:"));
    QCOMPARE(WidgetStyle::textColour(label), WidgetStyle::red());

    // Leaving and entering again keeps both ticks.
    bound.click(QStringLiteral("BtnAtivacao"));
    bound.click(QStringLiteral("BtnCodAtivacao"));
    QCOMPARE(enabledDependents(bound), kDependents);
    bound.find<QCheckBox>(QStringLiteral("CheckMudaCodigo"))->setChecked(false);
    QCOMPARE(enabledDependents(bound), QStringList());
    QCOMPARE(label->text(), QStringLiteral("Digite o Código de Ativação de Emergência:"));
    bound.find<QCheckBox>(QStringLiteral("Checkemergencia"))->setChecked(false);
    QCOMPARE(label->text(), QStringLiteral("Digite o Código de Ativação atual:"));
    QCOMPARE(WidgetStyle::textColour(label), QApplication::palette().color(QPalette::WindowText));
}

void TestChangeCodePage::checks_data()
{
    QTest::addColumn<QString>("novo");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("shown");

    QTest::newRow("7 within blanks") << " abcdefg " << " abcdefg " << OperationFrame::kNovoCodigoCurto;
    QTest::newRow("differ in case") << "abcdefgh" << "ABCDEFGH" << "Erro na confirmação do novo Código de Ativação.";
}

void TestChangeCodePage::checks()
{
    QFETCH(QString, novo);
    QFETCH(QString, confirmation);
    QFETCH(QString, shown);

    BoundConsole bound;
    fill(bound.console, false, QStringLiteral("12345678"), novo, confirmation);
    bound.click(QStringLiteral("BtnTrocarCod"));
    QCOMPARE(bound.messages(), QStringList{shown});
    QCOMPARE(codes(bound), (QStringList{"12345678", "", ""}));
    QCOMPARE(bound.console.window().focusWidget()->objectName(), QStringLiteral("EdtNovoCodigo"));
    QVERIFY(bound.module.calls().isEmpty());
}

void TestChangeCodePage::change_data()
{
    QTest::addColumn<bool>("emergency");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("enabled");
    QTest::addColumn<QStringList>("codesLeft");

    const QStringList cleared = {"", "", ""};
    QTest::newRow("18000 with the current code") << false << QByteArray("{sessao}|18000") << QStringList{kSuccess}
                                                 << QStringList() << cleared;
    QTest::newRow("18000 with the emergency code") << true << QByteArray("{sessao}|18000|ok|C1|Sefaz")
                                                   << QStringList{kSuccess, "dialog: FMSefaz"} << QStringList() << cleared;
    QTest::newRow("18098") << true << QByteArray("{sessao}|18098|ocupado||")
                           << QStringList{QStringLiteral("message: ") + OperationFrame::kFalhaComunicacao}
                           << kDependents << cleared;
    QTest::newRow("other code") << false << QByteArray("{sessao}|18001|erro||")
                                << QStringList{"message: Erro ao tentar alterar o código de ativação."} << kDependents
                                << cleared;
    // Unguarded: the index error reaches the handler's edge; the codes stay.
    QTest::newRow("one field") << false << QByteArray("{sessao}")
                               << QStringList{"message: Índice da lista fora dos limites (1)"} << kDependents
                               << QStringList{"", " abcdefgh ", " abcdefgh"};
}

void TestChangeCodePage::change()
{
    QFETCH(bool, emergency);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, events);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, codesLeft);

    BoundConsole bound;
    bound.module.setReply(QStringLiteral("TrocarCodigoDeAtivacao"), reply);
    // The proving code is not checked: an empty one is sent.
    fill(bound.console, emergency, QString(), QStringLiteral(" abcdefgh "), QStringLiteral(" abcdefgh"));
    bound.click(QStringLiteral("BtnTrocarCod"));

    QCOMPARE(bound.console.interaction.events, events);
    QCOMPARE(bound.module.calls().size(), 1);
    QCOMPARE(bound.module.calls().first().arguments,
             (QVariantList{681972, QByteArray(""), emergency ? 2 : 1, QByteArray("abcdefgh"), QByteArray("abcdefgh")}));
    QCOMPARE(enabledDependents(bound), enabled);
    QCOMPARE(bound.find<QCheckBox>(QStringLiteral("CheckMudaCodigo"))->isChecked(), !enabled.isEmpty());
    QCOMPARE(bound.find<QCheckBox>(QStringLiteral("Checkemergencia"))->isChecked(), emergency && !enabled.isEmpty());
    QCOMPARE(codes(bound), codesLeft);
    QCOMPARE(bound.statusText(), QString::fromLatin1(reply.replace("{sessao}", "681972")).left(110));
    QVERIFY(!QApplication::overrideCursor());
}

void TestChangeCodePage::changeOverIntegrador()
{
    IntegradorConsole road(QStringLiteral("{sessao}|18000|ok||"));
    fill(road.console, true, QStringLiteral("12345678"), QStringLiteral("87654321"), QStringLiteral("87654321"));
    QTest::mouseClick(road.console.find<QPushButton>(QStringLiteral("BtnTrocarCod")), Qt::LeftButton);
    QCOMPARE(road.requestParameters(), (QStringList{"numeroSessao=681972", "codigoDeAtivacao=12345678", "opcao=2",
                                                    "novoCodigo=87654321", "confNovoCodigo=87654321"}));
    QCOMPARE(road.console.interaction.events, QStringList{kSuccess});
    QCOMPARE(road.waitStates.first(), OperationFrame::kAguardando + QStringLiteral(" (wait cursor)"));
}

QTEST_MAIN(TestChangeCodePage)
#include "tst_changecodepage.moc"
