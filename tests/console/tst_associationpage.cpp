#include "boundconsole.h"
#include "integradorconsole.h"
#include "testfiles.h"

#include "console/operationframe.h"
#include "console/radiogroup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>

namespace {

const QString kTaxpayer = QStringLiteral("16716114000172");
const QString kSoftwareHouse = QStringLiteral("11222333000181");

// Stores the taxpayer, the software house and a signature, then enters the page.
void enter(ConsoleFixture &console)
{
    ClientDataSet &cds = console.window().cds();
    cds.setFieldAsString(QStringLiteral("CNPJContribuinte"), kTaxpayer);
    cds.setFieldAsString(QStringLiteral("CNPJSH"), kSoftwareHouse);
    cds.setFieldAsString(QStringLiteral("Assinatura"), QStringLiteral("assinatura guardada"));
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BtnAssocAssin")), Qt::LeftButton);
}

// Types the code and the taxpayer, chooses the form and gives the signature;
// a file's signature is written to "assinatura.txt" in the working folder.
void fill(ConsoleFixture &console, const QString &code, const QString &taxpayer, int form, const QString &signature)
{
    console.find<QLineEdit>(QStringLiteral("EdtCodAtiv3"))->setText(code);
    console.find<QLineEdit>(QStringLiteral("EdtCNPJContrib2"))->setText(taxpayer);
    console.find<RadioGroup>(QStringLiteral("rgAssinatura"))->setItemIndex(form);
    console.find<QLineEdit>(QStringLiteral("EdtAssinatura"))->setText(signature);
}

QString message(const QString &text)
{
    return QStringLiteral("message: ") + text;
}

} // namespace

class TestAssociationPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void signatureForm();
    void checks_data();
    void checks();
    void signature_data();
    void signature();
    void results_data();
    void results();
    void associationOverIntegrador();
};

void TestAssociationPage::defaultState()
{
    BoundConsole bound;
    bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv3"))->setText(QStringLiteral("anterior"));
    enter(bound.console);
    QCOMPARE(bound.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), 3);
    auto *code = bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv3"));
    QCOMPARE(bound.console.window().focusWidget(), code);
    QCOMPARE(code->text(), QString());
    QCOMPARE(code->echoMode(), QLineEdit::Password);
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCNPJContrib2"))->displayText(), QStringLiteral("16.716.114/0001-72"));
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCNPJSw"))->displayText(), QStringLiteral("11.222.333/0001-81"));
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtAssinatura"))->text(), QStringLiteral("assinatura guardada"));
    QCOMPARE(bound.find<QLabel>(QStringLiteral("EdtCNPJSwLabel"))->text(), QStringLiteral("CNPJ Software House:"));
    QCOMPARE(bound.find<QLabel>(QStringLiteral("EdtAssinaturaLabel"))->text(), QStringLiteral("Texto:"));
    QCOMPARE(bound.find<QLabel>(QStringLiteral("LblAssinatura"))->text(), QStringLiteral("Assinatura do Aplicativo Comercial:"));
    auto *group = bound.find<RadioGroup>(QStringLiteral("rgAssinatura"));
    QCOMPARE(group->title(), QStringLiteral("Forma de envio:"));
    QCOMPARE(group->itemIndex(), 0);
    QCOMPARE(group->item(1)->text(), QStringLiteral("Arquivo"));
    QVERIFY(bound.find<QPushButton>(QStringLiteral("Button3"))->isHidden());
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BitAssociar"))->text(), QStringLiteral("A&ssociar"));
    QVERIFY(bound.find<QPushButton>(QStringLiteral("BitAssociar"))->isDefault());
    QCOMPARE(bound.find<QTextEdit>(QStringLiteral("Memo4"))->toPlainText(),
             QStringLiteral("\nATENÇÃO:\n \nESTA FUNÇÃO DEVE SER UTILIZADA APENAS APÓS O MFE ESTAR ATIVADO. \n"));
}

void TestAssociationPage::signatureForm()
{
    BoundConsole bound;
    enter(bound.console);
    auto *signature = bound.find<QLineEdit>(QStringLiteral("EdtAssinatura"));
    auto *browse = bound.find<QPushButton>(QStringLiteral("Button3"));
    bound.find<RadioGroup>(QStringLiteral("rgAssinatura"))->setItemIndex(1);
    QCOMPARE(signature->text(), QString());
    QCOMPARE(bound.find<QLabel>(QStringLiteral("EdtAssinaturaLabel"))->text(), QStringLiteral("Arquivo"));
    QVERIFY(!browse->isHidden());
    bound.console.interaction.fileChoices.enqueue(QStringLiteral("/dados/assinatura.txt"));
    browse->click();
    QCOMPARE(signature->text(), QStringLiteral("/dados/assinatura.txt"));
    browse->click(); // cancelled: the name stays
    QCOMPARE(signature->text(), QStringLiteral("/dados/assinatura.txt"));
    QCOMPARE(bound.console.interaction.events, (QStringList{"open file: ", "open file: "}));
    bound.find<RadioGroup>(QStringLiteral("rgAssinatura"))->setItemIndex(0);
    QCOMPARE(signature->text(), QString());
    QCOMPARE(bound.find<QLabel>(QStringLiteral("EdtAssinaturaLabel"))->text(), QStringLiteral("Texto"));
    QVERIFY(browse->isHidden());
}

void TestAssociationPage::checks_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("taxpayer");
    QTest::addColumn<QString>("softwareHouse");
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("signature"); // "{folder}" is the working folder
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("focused");

    const QString code = QStringLiteral("12345678");
    QTest::newRow("taxpayer repeated digits") << code << "00000000000000" << kSoftwareHouse << 0 << "a"
                                              << "CNPJ Contribuinte inválido." << "EdtCNPJContrib2";
    QTest::newRow("software house cut short") << code << kTaxpayer << "1122233300018" << 0 << "a"
                                              << "CNPJ Software House inválido." << "EdtCNPJSw";
    QTest::newRow("file named by nothing") << " 1234567" << kTaxpayer << kSoftwareHouse << 1 << ""
                                           << "Arquivo especificado não foi encontrado!" << "EdtAssinatura";
    QTest::newRow("file that is a folder") << " 1234567" << kTaxpayer << kSoftwareHouse << 1 << "{folder}"
                                           << "Erro ao tentar acessar o arquivo especificado!" << "EdtAssinatura";
    QTest::newRow("7 characters after the signature") << " 1234567" << kTaxpayer << kSoftwareHouse << 0 << "a"
                                                      << OperationFrame::kCodigoCurto << "EdtCodAtiv3";
    QTest::newRow("blank text") << code << kTaxpayer << kSoftwareHouse << 0 << "  "
                                << "O campo \"Assinatura da Aplic. Comercial\" deve ser preenchido!" << "EdtAssinatura";
}

void TestAssociationPage::checks()
{
    QFETCH(QString, code);
    QFETCH(QString, taxpayer);
    QFETCH(QString, softwareHouse);
    QFETCH(int, form);
    QFETCH(QString, signature);
    QFETCH(QString, shown);
    QFETCH(QString, focused);

    BoundConsole bound;
    enter(bound.console);
    fill(bound.console, code, taxpayer, form, signature.replace(QStringLiteral("{folder}"), bound.console.workingFolder()));
    bound.find<QLineEdit>(QStringLiteral("EdtCNPJSw"))->setText(softwareHouse);
    bound.click(QStringLiteral("BitAssociar"));
    QCOMPARE(bound.console.interaction.events, QStringList{message(shown)});
    QCOMPARE(bound.console.window().focusWidget()->objectName(), focused);
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv3"))->text().isEmpty(), focused == QLatin1String("EdtCodAtiv3"));
    QVERIFY(bound.module.calls().isEmpty());
    QCOMPARE(bound.console.window().cds().fieldAsString(QStringLiteral("Assinatura")), QStringLiteral("assinatura guardada"));
}

void TestAssociationPage::signature_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("stored");

    QTest::newRow("text trimmed") << 0 << "  assinatura \xc3\xa7 " << QByteArray() << QByteArray("assinatura \xe7")
                                  << "assinatura ç";
    QTest::newRow("file lines joined, blanks kept") << 1 << "" << QByteArray("  linha um \r\nlinha \xe7ois\n")
                                                    << QByteArray("  linha um linha \xe7ois") << "  linha um linha çois";
    QTest::newRow("empty file sent empty") << 1 << "" << QByteArray() << QByteArray() << "";
}

void TestAssociationPage::signature()
{
    QFETCH(int, form);
    QFETCH(QString, typed);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, sent);
    QFETCH(QString, stored);

    BoundConsole bound;
    bound.module.setReply(QStringLiteral("AssociarAssinatura"), "{sessao}|13000|ok||");
    enter(bound.console);
    const QString name = bound.console.workingFolder() + QStringLiteral("/assinatura.txt");
    QVERIFY(TestFiles::write(name, file));
    fill(bound.console, QStringLiteral(" 12345678 "), QStringLiteral("12345678000195"), form, form ? name : typed);
    bound.click(QStringLiteral("BitAssociar"));

    QCOMPARE(bound.messages(), QStringList{QStringLiteral("Assinatura do AC Registrada")});
    QCOMPARE(bound.module.calls().size(), 1);
    // Software house first, then the taxpayer as typed.
    QCOMPARE(bound.module.calls().first().arguments,
             (QVariantList{681972, QByteArray("12345678"), QByteArray("1122233300018112345678000195"), sent}));
    const ClientDataSet &cds = bound.console.window().cds();
    QCOMPARE(cds.fieldAsString(QStringLiteral("Assinatura")), stored);
    QCOMPARE(cds.fieldAsString(QStringLiteral("CNPJSH")), kSoftwareHouse);
    QCOMPARE(cds.fieldAsString(QStringLiteral("CNPJContribuinte")), kTaxpayer);
}

void TestAssociationPage::results_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("13000") << QByteArray("{sessao}|13000|x||") << QStringList{message("Assinatura do AC Registrada")};
    QTest::newRow("13001") << QByteArray("{sessao}|13001|x||") << QStringList{message("Código ativação inválido")};
    QTest::newRow("13002") << QByteArray("{sessao}|13002|x||") << QStringList{message("Erro de comunicação com a SEFAZ")};
    QTest::newRow("13003") << QByteArray("{sessao}|13003|x||") << QStringList{message("Assinatura fora do padrão informado")};
    QTest::newRow("13004") << QByteArray("{sessao}|13004|x||")
                           << QStringList{message("Divergencias entre os CNPJs e a assinatura informados")};
    QTest::newRow("13098") << QByteArray("{sessao}|13098|x||") << QStringList{message(OperationFrame::kFalhaComunicacao)};
    QTest::newRow("13099") << QByteArray("{sessao}|13099|x||") << QStringList{message("Erro desconhecido")};
    QTest::newRow("code outside the table") << QByteArray("{sessao}|13005|x|C7|Sefaz") << QStringList{"dialog: FMSefaz"};
    QTest::newRow("no result code") << QByteArray("{sessao}") << QStringList{message("681972")};
}

void TestAssociationPage::results()
{
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, events);

    BoundConsole bound;
    bound.module.setReply(QStringLiteral("AssociarAssinatura"), reply);
    enter(bound.console);
    fill(bound.console, QStringLiteral("12345678"), kTaxpayer, 0, QStringLiteral("assinatura"));
    bound.click(QStringLiteral("BitAssociar"));
    QCOMPARE(bound.console.interaction.events, events);
    QCOMPARE(bound.module.calls().size(), 1);
}

void TestAssociationPage::associationOverIntegrador()
{
    IntegradorConsole road(QStringLiteral("{sessao}|13000|ok||"));
    enter(road.console);
    fill(road.console, QStringLiteral("12345678"), kTaxpayer, 0, QStringLiteral("assinatura"));
    QTest::mouseClick(road.console.find<QPushButton>(QStringLiteral("BitAssociar")), Qt::LeftButton);
    QCOMPARE(road.requestParameters(), (QStringList{"numeroSessao=681972", "codigoDeAtivacao=12345678",
                                                    "cnpjValue=1122233300018116716114000172",
                                                    "assinaturaCNPJs=assinatura"}));
    QCOMPARE(road.console.interaction.events, QStringList{message("Assinatura do AC Registrada")});
    QCOMPARE(road.waitStates.first(), OperationFrame::kAguardando + QStringLiteral(" (wait cursor)"));
}

QTEST_MAIN(TestAssociationPage)
#include "tst_associationpage.moc"
