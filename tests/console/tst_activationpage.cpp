#include "boundconsole.h"
#include "consoletexts.h"
#include "integradorconsole.h"
#include "pageinput.h"

#include "console/frame/operationframe.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>

namespace {

const QString kSuccess = QStringLiteral("message: MFE Ativado corretamente, faltando associá-lo ao Aplic. Comercial.");
const QString kConfirm = QStringLiteral(
    "confirm: Por favor aguarde.\n\rEsta função pode demorar alguns minutos.\n\n\rClique OK para continuar.");
// Blanks around the codes, the third certificate type chosen, SP.
const QStringList kValid = {"EdtCodAtiv2= 12345678 ", "EdtCodAtiv2Conf=12345678\t", "rgTipoCert=2",
                            "EdtCNPJContrib=11222333000181", "cbo=25"};
const QVariantList kSent = {681972, 1, QByteArray("12345678"), QByteArray("11222333000181"), 35};

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

} // namespace

class TestActivationPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void storedState_data();
    void storedState();
    void activation_data();
    void activation();
    void activationOverIntegrador();
};

void TestActivationPage::defaultState()
{
    BoundConsole bound;
    enter(bound.console, QStringLiteral("25"));
    QCOMPARE(bound.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), 2);
    const QStringList shown = {"focus=EdtCodAtiv2", "EdtCNPJContrib=16.716.114/0001-72", "cbo=25", "rgTipoCert=0",
                               "BtnAtivar=&Ativar"};
    QCOMPARE(PageInput::state(bound.console, shown), shown);
    QCOMPARE(bound.find<QLabel>(QStringLiteral("EdtCodAtiv2ConfLabel"))->text(),
             QStringLiteral("Digite novamente o Código de Ativação do MFE"));
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv2Conf"))->maxLength(), 32);
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv2Conf"))->echoMode(), QLineEdit::Password);
    QVERIFY(!bound.find<QWidget>(QStringLiteral("rgTipoCert"))->isEnabled());
    QVERIFY(bound.find<QPushButton>(QStringLiteral("BtnAtivar"))->isDefault());
    QCOMPARE(bound.find<QTextEdit>(QStringLiteral("Memo3"))->toPlainText(),
             QStringLiteral("\nATENÇÃO:\n \nESTA FUNÇÃO DEVE SER USADA APENAS ENQUANTO O MFE NÃO ESTIVER ATIVADO.\n"));
    const QStringList named = {"EdtCodAtiv2", "EdtCodAtiv2Conf", "rgTipoCert", "EdtCNPJContrib", "cbo", "BtnAtivar"};
    QCOMPARE(PageInput::tabOrder(bound.console, named), named);
}

void TestActivationPage::storedState_data()
{
    QTest::addColumn<QString>("uf");
    QTest::addColumn<int>("shown");

    QTest::newRow("row of SP") << "25" << 25;
    QTest::newRow("row of AC") << "0" << 0;
    QTest::newRow("the default 35 is no row") << "35" << -1;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("not a number") << "x1" << -1;
}

void TestActivationPage::storedState()
{
    QFETCH(QString, uf);
    QFETCH(int, shown);
    BoundConsole bound;
    PageInput::fill(bound.console, {"EdtCodAtiv2=digitado", "EdtCodAtiv2Conf=digitado", "cbo=3"});
    enter(bound.console, uf);
    const QStringList expected = {"cbo=" + QString::number(shown), "EdtCodAtiv2=", "EdtCodAtiv2Conf="};
    QCOMPARE(PageInput::state(bound.console, expected), expected);
    QVERIFY(bound.messages().isEmpty());
}

void TestActivationPage::activation_data()
{
    QTest::addColumn<QStringList>("entries"); // over kValid
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QVariantList>("sent");   // empty: nothing sent
    QTest::addColumn<QString>("stored");      // CNPJContribuinte and uf afterwards
    QTest::addColumn<QStringList>("after");

    const QString before = QStringLiteral("16716114000172 35");
    const QString stored = QStringLiteral("11222333000181 25");
    const QStringList kept = {"EdtCodAtiv2= 12345678 ", "EdtCodAtiv2Conf=12345678\t"};
    QTest::newRow("7 characters within blanks") << QStringList{"EdtCodAtiv2= 1234567 "} << true << QByteArray()
        << QStringList{message(ConsoleTexts::kCodigoCurto)} << QVariantList() << before
        << QStringList{"EdtCodAtiv2=", "EdtCodAtiv2Conf=12345678\t", "focus=EdtCodAtiv2"};
    QTest::newRow("short confirmation") << QStringList{"EdtCodAtiv2Conf=1234567"} << true << QByteArray()
        << QStringList{message(ConsoleTexts::kCodigoCurto)} << QVariantList() << before
        << QStringList{"EdtCodAtiv2= 12345678 ", "EdtCodAtiv2Conf=", "focus=EdtCodAtiv2Conf"};
    QTest::newRow("codes differ in case") << QStringList{"EdtCodAtiv2=abcdefgh", "EdtCodAtiv2Conf=abcdefgH"} << true
        << QByteArray() << QStringList{message("Erro na confirmação do Código de Ativação.")} << QVariantList()
        << before << QStringList{"EdtCodAtiv2=", "EdtCodAtiv2Conf=", "focus=EdtCodAtiv2"};
    QTest::newRow("one digit repeated") << QStringList{"EdtCNPJContrib=11111111111111"} << true << QByteArray()
        << QStringList{message("CNPJ inválido.")} << QVariantList() << before << kept + QStringList{"focus=EdtCNPJContrib"};
    QTest::newRow("mask partly filled") << QStringList{"EdtCNPJContrib=1122233300018"} << true << QByteArray()
        << QStringList{message("CNPJ inválido.")} << QVariantList() << before << kept + QStringList{"focus=EdtCNPJContrib"};
    QTest::newRow("no state") << QStringList{"cbo=-1"} << true << QByteArray() << QStringList{message("UF inválida.")}
        << QVariantList() << before << kept + QStringList{"focus=cbo"};
    QTest::newRow("declined: stored, not sent") << QStringList() << false << QByteArray() << QStringList{kConfirm}
        << QVariantList() << stored << QStringList{"EdtCodAtiv2=", "EdtCodAtiv2Conf=", "focus=EdtCodAtiv2"};
    QTest::newRow("04000") << QStringList() << true << QByteArray("{sessao}|04000|Ativado||")
        << QStringList{kConfirm, kSuccess} << kSent << stored << kept;
    QTest::newRow("04000 of two fields") << QStringList() << true << QByteArray("{sessao}|04000")
        << QStringList{kConfirm, kSuccess} << kSent << stored << kept;
    QTest::newRow("04098") << QStringList() << true << QByteArray("{sessao}|04098|ocupado||")
        << QStringList{kConfirm, message(ConsoleTexts::kFalhaComunicacao)} << kSent << stored << kept;
    QTest::newRow("refusal shows its message") << QStringList() << true
        << QByteArray("{sessao}|04003|C\xc3\xb3" "digo j\xc3\xa1 usado||") << QStringList{kConfirm, message("Código já usado")}
        << kSent << stored << kept;
    QTest::newRow("refusal without message: raw reply") << QStringList() << true << QByteArray("{sessao}|04003")
        << QStringList{kConfirm, message("681972|04003")} << kSent << stored << kept;
    QTest::newRow("tax authority message") << QStringList() << true << QByteArray("{sessao}|04000|ok|C1|Sefaz")
        << QStringList{kConfirm, kSuccess, "dialog: FMSefaz"} << kSent << stored << kept;
}

void TestActivationPage::activation()
{
    QFETCH(QStringList, entries);
    QFETCH(bool, confirmed);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, events);
    QFETCH(QVariantList, sent);
    QFETCH(QString, stored);
    QFETCH(QStringList, after);

    BoundConsole bound;
    bound.module.setReply(QStringLiteral("AtivarSAT"), reply);
    enter(bound.console, QStringLiteral("35"));
    PageInput::fill(bound.console, kValid + entries);
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BtnAtivar"))->text(), QStringLiteral("&Gerar CSR"));
    bound.console.interaction.confirmations.enqueue(confirmed);
    bound.console.window().show(); // Enter presses only a visible default button
    QTest::keyClick(bound.find<QLineEdit>(QStringLiteral("EdtCNPJContrib")), Qt::Key_Return);

    QCOMPARE(bound.console.interaction.events, events);
    QCOMPARE(bound.module.calls().size(), sent.isEmpty() ? 0 : 1);
    if (!sent.isEmpty())
        QCOMPARE(bound.module.calls().first().arguments, sent);
    const ClientDataSet &cds = bound.console.window().cds();
    QCOMPARE(cds.fieldAsString(QStringLiteral("CNPJContribuinte")) + QLatin1Char(' ') + cds.fieldAsString(QStringLiteral("uf")),
             stored);
    QCOMPARE(PageInput::state(bound.console, after), after);
    // Every activation asks for the first certificate type.
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BtnAtivar"))->text(), QStringLiteral("&Ativar"));
}

void TestActivationPage::activationOverIntegrador()
{
    IntegradorConsole road(QStringLiteral("{sessao}|04000|ok||"));
    enter(road.console, QStringLiteral("25"));
    PageInput::fill(road.console, {"EdtCodAtiv2=12345678", "EdtCodAtiv2Conf=12345678"});
    QTest::mouseClick(road.console.find<QPushButton>(QStringLiteral("BtnAtivar")), Qt::LeftButton);
    QCOMPARE(road.requestParameters(), (QStringList{"numeroSessao=681972", "subComando=1", "codigoDeAtivacao=12345678",
                                                    "CNPJ=16716114000172", "cUF=35"}));
    QCOMPARE(road.console.interaction.events, (QStringList{kConfirm, kSuccess}));
    QCOMPARE(road.waitStates.first(), ConsoleTexts::kAguardando + QStringLiteral(" (wait cursor)"));
}

QTEST_MAIN(TestActivationPage)
#include "tst_activationpage.moc"
