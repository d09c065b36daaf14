#include "boundconsole.h"
#include "consoletexts.h"
#include "integradorconsole.h"
#include "pageinput.h"
#include "testfiles.h"

#include "console/frame/operationframe.h"

#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>

namespace {

const QString kRegistered = QStringLiteral("message: Assinatura do AC Registrada");
// A typed signature within blanks and a taxpayer other than the stored one.
const QStringList kValid = {"EdtCodAtiv3= 12345678 ", "EdtCNPJContrib2=12345678000195", "EdtCNPJSw=11222333000181",
                            "rgAssinatura=0", "EdtAssinatura=  assinatura \u00e7 "};
const QStringList kFromFile = {"rgAssinatura=1", "EdtAssinatura={work}/assinatura.txt"};

QString message(const QString &text)
{
    return QStringLiteral("message: ") + text;
}

// Stores the taxpayer, the software house and a signature, then enters the page.
void enter(ConsoleFixture &console)
{
    ClientDataSet &cds = console.window().cds();
    cds.setFieldAsString(QStringLiteral("CNPJContribuinte"), QStringLiteral("16716114000172"));
    cds.setFieldAsString(QStringLiteral("CNPJSH"), QStringLiteral("11222333000181"));
    cds.setFieldAsString(QStringLiteral("Assinatura"), QStringLiteral("guardada"));
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BtnAssocAssin")), Qt::LeftButton);
}

} // namespace

class TestAssociationPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void signatureForm();
    void association_data();
    void association();
    void associationOverIntegrador();
};

void TestAssociationPage::defaultState()
{
    BoundConsole bound;
    PageInput::fill(bound.console, {"EdtCodAtiv3=anterior"});
    enter(bound.console);
    QCOMPARE(bound.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), 3);
    const QStringList shown = {"focus=EdtCodAtiv3", "EdtCodAtiv3=", "EdtCNPJContrib2=16.716.114/0001-72",
                               "EdtCNPJSw=11.222.333/0001-81", "rgAssinatura=0", "EdtAssinatura=guardada",
                               "BitAssociar=A&ssociar"};
    QCOMPARE(PageInput::state(bound.console, shown), shown);
    QCOMPARE(bound.find<QLabel>(QStringLiteral("LblAssinatura"))->text(), QStringLiteral("Assinatura do Aplicativo Comercial:"));
    QVERIFY(bound.find<QPushButton>(QStringLiteral("Button3"))->isHidden());
    QVERIFY(bound.find<QPushButton>(QStringLiteral("BitAssociar"))->isDefault());
    const QStringList named = {"EdtCodAtiv3", "EdtCNPJContrib2", "EdtCNPJSw", "rgAssinatura", "EdtAssinatura",
                               "Button3", "BitAssociar"};
    QCOMPARE(PageInput::tabOrder(bound.console, named), named);
    QCOMPARE(bound.find<QTextEdit>(QStringLiteral("Memo4"))->toPlainText(),
             QStringLiteral("\nATENÇÃO:\n \nESTA FUNÇÃO DEVE SER UTILIZADA APENAS APÓS O MFE ESTAR ATIVADO. \n"));
}

void TestAssociationPage::signatureForm()
{
    BoundConsole bound;
    enter(bound.console);
    auto *label = bound.find<QLabel>(QStringLiteral("EdtAssinaturaLabel"));
    auto *browse = bound.find<QPushButton>(QStringLiteral("Button3"));
    PageInput::fill(bound.console, {"rgAssinatura=1"});
    QCOMPARE(PageInput::state(bound.console, {"EdtAssinatura"}), QStringList{"EdtAssinatura="});
    QCOMPARE(label->text(), QStringLiteral("Arquivo"));
    QVERIFY(!browse->isHidden());
    bound.console.interaction.fileChoices.enqueue(QStringLiteral("/dados/assinatura.txt"));
    browse->click();
    browse->click(); // cancelled: the name stays
    QCOMPARE(PageInput::state(bound.console, {"EdtAssinatura"}), QStringList{"EdtAssinatura=/dados/assinatura.txt"});
    QCOMPARE(bound.console.interaction.events, (QStringList{"open file: ", "open file: "}));
    PageInput::fill(bound.console, {"rgAssinatura=0"});
    QCOMPARE(PageInput::state(bound.console, {"EdtAssinatura"}), QStringList{"EdtAssinatura="});
    QCOMPARE(label->text(), QStringLiteral("Texto"));
    QVERIFY(browse->isHidden());
}

void TestAssociationPage::association_data()
{
    QTest::addColumn<QStringList>("entries"); // over kValid
    QTest::addColumn<QByteArray>("file");     // written as {work}/assinatura.txt unless null
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QByteArray>("sent");     // the signature sent; null: nothing sent
    QTest::addColumn<QString>("focus");

    const QString code = QStringLiteral("EdtCodAtiv3");
    const QString button = QStringLiteral("BitAssociar"); // clicked: it keeps the focus
    const QByteArray typed("assinatura \xe7");
    QTest::newRow("taxpayer repeated digits") << QStringList{"EdtCNPJContrib2=00000000000000"} << QByteArray()
        << QByteArray() << QStringList{message("CNPJ Contribuinte inválido.")} << QByteArray() << "EdtCNPJContrib2";
    QTest::newRow("software house cut short") << QStringList{"EdtCNPJSw=1122233300018"} << QByteArray() << QByteArray()
        << QStringList{message("CNPJ Software House inválido.")} << QByteArray() << "EdtCNPJSw";
    QTest::newRow("file named by nothing") << QStringList{"rgAssinatura=1", "EdtCodAtiv3=1234567"} << QByteArray()
        << QByteArray() << QStringList{message("Arquivo especificado não foi encontrado!")} << QByteArray()
        << "EdtAssinatura";
    QTest::newRow("file that is a folder") << QStringList{"rgAssinatura=1", "EdtAssinatura={work}", "EdtCodAtiv3=1"}
        << QByteArray() << QByteArray() << QStringList{message("Arquivo especificado não foi encontrado!")}
        << QByteArray() << "EdtAssinatura";
    QTest::newRow("7 characters after the signature") << QStringList{"EdtCodAtiv3= 1234567"} << QByteArray()
        << QByteArray() << QStringList{message(ConsoleTexts::kCodigoCurto)} << QByteArray() << code;
    QTest::newRow("blank text") << QStringList{"EdtAssinatura=  "} << QByteArray() << QByteArray()
        << QStringList{message("O campo \"Assinatura da Aplic. Comercial\" deve ser preenchido!")} << QByteArray()
        << "EdtAssinatura";
    QTest::newRow("file lines joined, blanks kept") << kFromFile << QByteArray("  um \r\nd\xe7is\n")
        << QByteArray("{sessao}|13000|x||") << QStringList{kRegistered} << QByteArray("  um d\xe7is") << button;
    QTest::newRow("empty file sent empty") << kFromFile << QByteArray("") << QByteArray("{sessao}|13000|x||")
        << QStringList{kRegistered} << QByteArray("") << button;
    const QList<QPair<QByteArray, QString>> results = {
        {"13000", "Assinatura do AC Registrada"}, {"13001", "Código ativação inválido"},
        {"13002", "Erro de comunicação com a SEFAZ"}, {"13003", "Assinatura fora do padrão informado"},
        {"13004", "Divergencias entre os CNPJs e a assinatura informados"},
        {"13098", ConsoleTexts::kFalhaComunicacao}, {"13099", "Erro desconhecido"}};
    for (const auto &[result, text] : results)
        QTest::newRow(result.constData()) << QStringList() << QByteArray() << "{sessao}|" + result + "|x||"
                                          << QStringList{message(text)} << typed << button;
    QTest::newRow("code outside the table") << QStringList() << QByteArray() << QByteArray("{sessao}|13005|x|C7|Sefaz")
        << QStringList{"dialog: FMSefaz"} << typed << button;
    QTest::newRow("no result code: raw reply") << QStringList() << QByteArray() << QByteArray("{sessao}")
        << QStringList{message("681972")} << typed << button;
}

void TestAssociationPage::association()
{
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, events);
    QFETCH(QByteArray, sent);
    QFETCH(QString, focus);

    BoundConsole bound;
    bound.module.setReply(QStringLiteral("AssociarAssinatura"), reply);
    enter(bound.console);
    if (!file.isNull())
        QVERIFY(TestFiles::write(bound.console.workingFolder() + QStringLiteral("/assinatura.txt"), file));
    PageInput::fill(bound.console, kValid + entries);
    bound.click(QStringLiteral("BitAssociar"));

    QCOMPARE(bound.console.interaction.events, events);
    QCOMPARE(PageInput::state(bound.console, {"focus"}), QStringList{"focus=" + focus});
    const ClientDataSet &cds = bound.console.window().cds();
    if (sent.isNull()) {
        QVERIFY(bound.module.calls().isEmpty());
        QCOMPARE(cds.fieldAsString(QStringLiteral("Assinatura")), QStringLiteral("guardada"));
        return;
    }
    // Software house first, then the taxpayer as typed; the taxpayer is not stored.
    QCOMPARE(bound.module.calls().size(), 1);
    QCOMPARE(bound.module.calls().first().arguments,
             (QVariantList{681972, QByteArray("12345678"), QByteArray("1122233300018112345678000195"), sent}));
    QCOMPARE(cds.fieldAsString(QStringLiteral("Assinatura")), QString::fromLatin1(sent));
    QCOMPARE(cds.fieldAsString(QStringLiteral("CNPJSH")) + QLatin1Char(' ') + cds.fieldAsString(QStringLiteral("CNPJContribuinte")),
             QStringLiteral("11222333000181 16716114000172"));
}

void TestAssociationPage::associationOverIntegrador()
{
    IntegradorConsole road(QStringLiteral("{sessao}|13000|ok||"));
    enter(road.console);
    PageInput::fill(road.console, {"EdtCodAtiv3=12345678"});
    QTest::mouseClick(road.console.find<QPushButton>(QStringLiteral("BitAssociar")), Qt::LeftButton);
    QCOMPARE(road.requestParameters(), (QStringList{"numeroSessao=681972", "codigoDeAtivacao=12345678",
                                                    "cnpjValue=1122233300018116716114000172", "assinaturaCNPJs=guardada"}));
    QCOMPARE(road.console.interaction.events, QStringList{kRegistered});
    QCOMPARE(road.waitStates.first(), ConsoleTexts::kAguardando + QStringLiteral(" (wait cursor)"));
}

QTEST_MAIN(TestAssociationPage)
#include "tst_associationpage.moc"
