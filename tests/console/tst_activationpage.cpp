#include "boundconsole.h"
#include "integradorconsole.h"

#include "console/operationframe.h"
#include "console/radiogroup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>

namespace {

const QString kSuccess = QStringLiteral("MFE Ativado corretamente, faltando associá-lo ao Aplic. Comercial.");
const QString kConfirm = QStringLiteral(
    "confirm: Por favor aguarde.\n\rEsta função pode demorar alguns minutos.\n\n\rClique OK para continuar.");

QString message(const QString &text)
{
    return QStringLiteral("message: ") + text;
}

// Stores a CNPJ and a state, then enters the page from the left column.
void enter(ConsoleFixture &console, const QString &uf)
{
    console.window().cds().setFieldAsString(QStringLiteral("CNPJContribuinte"), QStringLiteral("16716114000172"));
    console.window().cds().setFieldAsString(QStringLiteral("uf"), uf);
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BtnAtivacao")), Qt::LeftButton);
}

void fill(ConsoleFixture &console, const QString &code, const QString &confirmation, const QString &cnpj, int state)
{
    console.find<QLineEdit>(QStringLiteral("EdtCodAtiv2"))->setText(code);
    console.find<QLineEdit>(QStringLiteral("EdtCodAtiv2Conf"))->setText(confirmation);
    console.find<QLineEdit>(QStringLiteral("EdtCNPJContrib"))->setText(cnpj);
    console.find<QComboBox>(QStringLiteral("cbo"))->setCurrentIndex(state);
}

} // namespace

class TestActivationPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void storedState_data();
    void storedState();
    void checks_data();
    void checks();
    void activation_data();
    void activation();
    void declinedKeepsCnpjAndState();
    void activationOverIntegrador();
};

void TestActivationPage::defaultState()
{
    BoundConsole bound;
    enter(bound.console, QStringLiteral("25"));
    QCOMPARE(bound.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), 2);
    auto *code = bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv2"));
    QCOMPARE(bound.console.window().focusWidget(), code);
    QCOMPARE(bound.find<QLabel>(QStringLiteral("EdtCodAtiv2Label"))->text(), QStringLiteral("Digite o Código de Ativação do MFE:"));
    QCOMPARE(bound.find<QLabel>(QStringLiteral("EdtCodAtiv2ConfLabel"))->text(),
             QStringLiteral("Digite novamente o Código de Ativação do MFE"));
    for (const QString &name : {QStringLiteral("EdtCodAtiv2"), QStringLiteral("EdtCodAtiv2Conf")}) {
        QCOMPARE(bound.find<QLineEdit>(name)->maxLength(), 32);
        QCOMPARE(bound.find<QLineEdit>(name)->echoMode(), QLineEdit::Password);
    }
    auto *group = bound.find<RadioGroup>(QStringLiteral("rgTipoCert"));
    QVERIFY(!group->isEnabled());
    QCOMPARE(group->title(), QStringLiteral("Tipo de Certificado:"));
    QCOMPARE(group->item(2)->text(), QStringLiteral("RENOVAÇÃO ICP-BRASIL"));
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCNPJContrib"))->displayText(), QStringLiteral("16.716.114/0001-72"));
    QCOMPARE(bound.find<QComboBox>(QStringLiteral("cbo"))->currentText(), QStringLiteral("SP"));
    auto *button = bound.find<QPushButton>(QStringLiteral("BtnAtivar"));
    QCOMPARE(button->text(), QStringLiteral("&Ativar"));
    QVERIFY(button->isDefault());
    QCOMPARE(bound.find<QTextEdit>(QStringLiteral("Memo3"))->toPlainText(),
             QStringLiteral("\nATENÇÃO:\n \nESTA FUNÇÃO DEVE SER USADA APENAS ENQUANTO O MFE NÃO ESTIVER ATIVADO.\n"));

    QStringList order;
    const QStringList named = {"EdtCodAtiv2", "EdtCodAtiv2Conf", "rgTipoCert", "EdtCNPJContrib", "cbo", "BtnAtivar"};
    for (QWidget *widget = code; order.size() < named.size(); widget = widget->nextInFocusChain()) {
        if (named.contains(widget->objectName()))
            order << widget->objectName();
    }
    QCOMPARE(order, named);
}

void TestActivationPage::storedState_data()
{
    QTest::addColumn<QString>("uf");
    QTest::addColumn<QString>("shown");

    QTest::newRow("row of SP") << "25" << "SP";
    QTest::newRow("row of AC") << "0" << "AC";
    QTest::newRow("the default 35 is no row") << "35" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("not a number") << "x1" << "";
}

void TestActivationPage::storedState()
{
    QFETCH(QString, uf);
    QFETCH(QString, shown);
    BoundConsole bound;
    enter(bound.console, QStringLiteral("5"));
    fill(bound.console, QStringLiteral("digitado"), QStringLiteral("digitado"), QString(), 1);
    enter(bound.console, uf);
    QCOMPARE(bound.find<QComboBox>(QStringLiteral("cbo"))->currentText(), shown);
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv2"))->text(), QString());
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv2Conf"))->text(), QString());
    QVERIFY(bound.messages().isEmpty());
}

void TestActivationPage::checks_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("cnpj");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QStringList>("codesLeft");

    const QString cnpj = QStringLiteral("16716114000172");
    QTest::newRow("7 characters within blanks") << " 1234567 " << "12345678" << cnpj << 25 << OperationFrame::kCodigoCurto
                                                << "EdtCodAtiv2" << QStringList{"", "12345678"};
    QTest::newRow("short confirmation") << "12345678" << "1234567" << cnpj << 25 << OperationFrame::kCodigoCurto
                                        << "EdtCodAtiv2Conf" << QStringList{"12345678", ""};
    QTest::newRow("codes differ in case") << "abcdefgh" << "abcdefgH" << cnpj << 25
                                          << "Erro na confirmação do Código de Ativação." << "EdtCodAtiv2"
                                          << QStringList{"", ""};
    QTest::newRow("one digit repeated") << "12345678" << "12345678" << "11111111111111" << 25 << "CNPJ inválido."
                                        << "EdtCNPJContrib" << QStringList{"12345678", "12345678"};
    QTest::newRow("mask partly filled") << "12345678" << "12345678" << "1671611400017" << 25 << "CNPJ inválido."
                                        << "EdtCNPJContrib" << QStringList{"12345678", "12345678"};
    QTest::newRow("no state") << "12345678" << "12345678" << cnpj << -1 << "UF inválida." << "cbo"
                              << QStringList{"12345678", "12345678"};
}

void TestActivationPage::checks()
{
    QFETCH(QString, code);
    QFETCH(QString, confirmation);
    QFETCH(QString, cnpj);
    QFETCH(int, state);
    QFETCH(QString, shown);
    QFETCH(QString, focused);
    QFETCH(QStringList, codesLeft);

    BoundConsole bound;
    enter(bound.console, QStringLiteral("35"));
    fill(bound.console, code, confirmation, cnpj, state);
    bound.click(QStringLiteral("BtnAtivar"));
    QCOMPARE(bound.console.interaction.events, QStringList{message(shown)});
    QCOMPARE(bound.console.window().focusWidget()->objectName(), focused);
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv2"))->text(), codesLeft.at(0));
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv2Conf"))->text(), codesLeft.at(1));
    QVERIFY(bound.module.calls().isEmpty());
    QCOMPARE(bound.console.window().cds().fieldAsString(QStringLiteral("uf")), QStringLiteral("35"));
}

void TestActivationPage::activation_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("04000") << QByteArray("{sessao}|04000|Ativado||") << QStringList{kConfirm, message(kSuccess)};
    QTest::newRow("04000 of two fields") << QByteArray("{sessao}|04000") << QStringList{kConfirm, message(kSuccess)};
    QTest::newRow("04098") << QByteArray("{sessao}|04098|ocupado||")
                           << QStringList{kConfirm, message(OperationFrame::kFalhaComunicacao)};
    QTest::newRow("refusal shows its message") << QByteArray("{sessao}|04003|C\xc3\xb3" "digo j\xc3\xa1 usado||")
                                               << QStringList{kConfirm, message("Código já usado")};
    QTest::newRow("refusal without message") << QByteArray("{sessao}|04003")
                                             << QStringList{kConfirm, message("681972|04003")};
    QTest::newRow("tax authority message") << QByteArray("{sessao}|04000|ok|C1|Sefaz")
                                           << QStringList{kConfirm, message(kSuccess), "dialog: FMSefaz"};
}

void TestActivationPage::activation()
{
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, events);

    BoundConsole bound;
    bound.module.setReply(QStringLiteral("AtivarSAT"), reply);
    enter(bound.console, QStringLiteral("35"));
    fill(bound.console, QStringLiteral(" 12345678 "), QStringLiteral("12345678\t"), QStringLiteral("11222333000181"), 25);
    // The certificate type goes back to its first item whatever was chosen.
    bound.find<RadioGroup>(QStringLiteral("rgTipoCert"))->setItemIndex(2);
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BtnAtivar"))->text(), QStringLiteral("&Gerar CSR"));
    bound.console.window().show(); // Enter presses only a visible default button
    QTest::keyClick(bound.find<QLineEdit>(QStringLiteral("EdtCNPJContrib")), Qt::Key_Return);

    QCOMPARE(bound.console.interaction.events, events);
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BtnAtivar"))->text(), QStringLiteral("&Ativar"));
    QCOMPARE(bound.module.calls().size(), 1);
    QCOMPARE(bound.module.calls().first().arguments,
             (QVariantList{681972, 1, QByteArray("12345678"), QByteArray("11222333000181"), 35}));
    QCOMPARE(bound.console.window().cds().fieldAsString(QStringLiteral("CNPJContribuinte")),
             QStringLiteral("11222333000181"));
    QCOMPARE(bound.console.window().cds().fieldAsString(QStringLiteral("uf")), QStringLiteral("25"));
}

void TestActivationPage::declinedKeepsCnpjAndState()
{
    BoundConsole bound;
    enter(bound.console, QStringLiteral("35"));
    fill(bound.console, QStringLiteral("12345678"), QStringLiteral("12345678"), QStringLiteral("11222333000181"), 0);
    bound.console.interaction.confirmations.enqueue(false);
    bound.click(QStringLiteral("BtnAtivar"));
    QCOMPARE(bound.console.interaction.events, QStringList{kConfirm});
    QVERIFY(bound.module.calls().isEmpty());
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv2"))->text(), QString());
    QCOMPARE(bound.console.window().focusWidget()->objectName(), QStringLiteral("EdtCodAtiv2"));
    bound.click(QStringLiteral("BtnAtivacao"));
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCNPJContrib"))->displayText(), QStringLiteral("11.222.333/0001-81"));
    QCOMPARE(bound.find<QComboBox>(QStringLiteral("cbo"))->currentText(), QStringLiteral("AC"));
}

void TestActivationPage::activationOverIntegrador()
{
    IntegradorConsole road(QStringLiteral("{sessao}|04000|ok||"));
    enter(road.console, QStringLiteral("25"));
    fill(road.console, QStringLiteral("12345678"), QStringLiteral("12345678"), QStringLiteral("16716114000172"), 25);
    QTest::mouseClick(road.console.find<QPushButton>(QStringLiteral("BtnAtivar")), Qt::LeftButton);
    QCOMPARE(road.requestParameters(), (QStringList{"numeroSessao=681972", "subComando=1", "codigoDeAtivacao=12345678",
                                                    "CNPJ=16716114000172", "cUF=35"}));
    QCOMPARE(road.console.interaction.events, (QStringList{kConfirm, message(kSuccess)}));
    QCOMPARE(road.waitStates.first(), OperationFrame::kAguardando + QStringLiteral(" (wait cursor)"));
}

QTEST_MAIN(TestActivationPage)
#include "tst_activationpage.moc"
