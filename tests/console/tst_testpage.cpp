#include "boundconsole.h"
#include "consoletexts.h"
#include "fakeintegrador.h"
#include "salereplies.h"
#include "testfiles.h"

#include "console/frame/operationframe.h"
#include "console/frame/tffimafim.h"
#include "console/pages/testpage.h"
#include "console/tfativacao.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/maskededit.h"
#include "console/widgets/radiogroup.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
#include <pugixml.hpp>

namespace {

const QString kSep(54, u'-');
const QByteArray kOld("antigo\r\n");
const QByteArray kDeleted("(apagado)");
const QByteArray kCfe = SaleReplies::kCfe;
const QString kCfeShown = QStringLiteral("<CFe><infCFe Id=\"CFe35\"><xProd>Café</xProd></infCFe></CFe>");
const QString kBase64 = QString::fromLatin1(SaleReplies::kBase64);
// <?xml version="1.0" encoding="UTF-8"?><CFe><infCFe><emit><xFant>Padaria São João</xFant></emit></infCFe></CFe>
const QString kEndToEndBase64 =
    QStringLiteral("PD94bWwgdmVyc2lvbj0iMS4wIiBlbmNvZGluZz0iVVRGLTgiPz48Q0ZlPjxpbmZDRmU+PGVtaXQ+PHhGYW"
                   "50PlBhZGFyaWEgU8OjbyBKb8OjbzwveEZhbnQ+PC9lbWl0PjwvaW5mQ0ZlPjwvQ0ZlPg==");
const QString kCode = QStringLiteral("12345678");
// The session number drawn at this time of day has a leading zero: 078363.
const QDateTime kLeadingZeroTime(QDate(2026, 12, 7), QTime(8, 2, 59, 938));

// The console on the test page, with an earlier "CFe.xml" and a CF-e file.
struct TestPageConsole : BoundConsole {
    TestPageConsole()
    {
        QVERIFY(TestFiles::write(cfePath(), kOld));
        QVERIFY(TestFiles::write(console.programFolder() + QStringLiteral("venda.xml"),
                                 "<CFe><infCFe Id=\"CFe35\"><ide><CNPJ>16716114000172</CNPJ>\r\n"
                                 "<signAC>SGR</signAC><numeroCaixa>002</numeroCaixa></ide>"
                                 "<dest><CPF>12345678909</CPF></dest></infCFe></CFe>\r\n"));
        find<QLineEdit>(QStringLiteral("LblCFeFile"))->setText(console.programFolder() + QStringLiteral("venda.xml"));
        click(QStringLiteral("BtnTestefimafim"));
    }
    QString cfePath() const { return console.programFolder() + QStringLiteral("CFe.xml"); }
    QByteArray cfe() const { return QFile::exists(cfePath()) ? TestFiles::read(cfePath()) : kDeleted; }
    QStringList memo() const
    {
        const QString text = find<QPlainTextEdit>(QStringLiteral("MemoCFe"))->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
    }
    bool naveg() const { return find<QPushButton>(QStringLiteral("BtnNaveg"))->isEnabled(); }
    QString title() const { return find<QLabel>(QStringLiteral("Panel4"))->text(); }
    // The texts with "{sessao}" standing for the session number sent.
    QStringList withSession(QStringList texts) const
    {
        texts.replaceInStrings(QStringLiteral("{sessao}"), sessionNumber());
        return texts;
    }
    QList<QVariant> onlyCall(const QString &exportName) const
    {
        const QList<FakeModule::Call> calls = module.calls();
        if (calls.size() != 1 || calls.first().exportName != exportName)
            return {};
        return calls.first().arguments;
    }
};

// A reply as the memo shows it, line by line.
QStringList shownLines(const QByteArray &reply)
{
    return QString::fromUtf8(reply).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
}

} // namespace

class TestTestPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState_data();
    void defaultState();
    void cfeOperations_data();
    void cfeOperations();
    void documentsSent_data();
    void documentsSent();
    void overIntegrador_data();
    void overIntegrador();
    void sessionQuery_data();
    void sessionQuery();
    void endToEnd_data();
    void endToEnd();
    void shortCodeSendsNothing_data();
    void shortCodeSendsNothing();
    void unwritableCfeFileIsReported();
    void entryAndBrowser();
    void pickers_data();
    void pickers();
};

void TestTestPage::defaultState_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("user layout") << QStringList();
    QTest::newRow("/ADMIN") << QStringList{QStringLiteral("/ADMIN")};
}

void TestTestPage::defaultState()
{
    QFETCH(QStringList, arguments);
    ConsoleFixture console;
    console.start(arguments);
    const QList<std::pair<QString, QString>> alwaysShown = {
        {QStringLiteral("BtnTesteAtivacao"), QStringLiteral("FimAFim Ativação")},
        {QStringLiteral("BtnTesteProducao"), QStringLiteral("FimAFim Produção")},
        {QStringLiteral("BtnNaveg"), QStringLiteral("Abrir no Navegador")},
        {QStringLiteral("BitBtn7"), QStringLiteral("Consulta Sessão")},
        {QStringLiteral("Label15"), QStringLiteral("Sessão:")},
    };
    for (const auto &[name, text] : alwaysShown) {
        QWidget *control = console.find<QWidget>(name);
        QVERIFY2(control && !control->isHidden(), qPrintable(name));
        QCOMPARE(control->property("text").toString(), text);
    }
    auto *session = console.find<QLineEdit>(QStringLiteral("Edit1"));
    QVERIFY(!session->isHidden());
    QCOMPARE(session->alignment(), Qt::AlignCenter);
    session->clear();
    QTest::keyClicks(session, QStringLiteral("a1b2c3d4e5f6g7"));
    QCOMPARE(session->text(), QStringLiteral("123456")); // digits only, at most six
    QCOMPARE(console.find<QLineEdit>(QStringLiteral("LblCFeFile"))->isHidden(), arguments.isEmpty());
}

void TestTestPage::cfeOperations_data()
{
    const QString kFalha = ConsoleTexts::kFalhaComunicacao;
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("exportName");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("memo");
    QTest::addColumn<QByteArray>("cfe");
    QTest::addColumn<bool>("naveg");

    const QString sale = QStringLiteral("BitBtn10");
    const QString cancel = QStringLiteral("BitBtn8");
    const QString venda = QStringLiteral("EnviarDadosVenda");
    const QString cancelar = QStringLiteral("CancelarUltimaVenda");
    for (const SaleReplies::Shape &shape : SaleReplies::shapes("06000"))
        QTest::addRow("sale 06000, %s", shape.name) << sale << venda << shape.reply << QStringList{shape.message}
            << QStringList{kSep} + shownLines(shape.reply)
                   + QStringList{kSep, "Sessão: {sessao}", "Chave: CFe3524", kSep, kBase64, kSep, kCfeShown, kSep}
            << kCfe + "\r\n" << true;
    for (const SaleReplies::Shape &shape : SaleReplies::withoutCfe("06000"))
        QTest::addRow("sale 06000, %s", shape.name) << sale << venda << shape.reply
            << QStringList{QString::fromLatin1(shape.reply)} << QStringList{kSep} + shownLines(shape.reply) << kOld
            << false;
    QTest::newRow("sale 06098") << sale << venda << QByteArray("{sessao}|06098|0000|SAT ocupado||")
                                << QStringList{kFalha, "0000: SAT ocupado"}
                                << QStringList{kSep, "{sessao}|06098|0000|SAT ocupado||"} << kDeleted << false;
    QTest::newRow("sale refused, UTF-8 message") << sale << venda << QByteArray("{sessao}|06001|1234|C\xc3\xb3" "digo||")
                                                 << QStringList{"1234: Código"}
                                                 << QStringList{kSep, "{sessao}|06001|1234|Código||"} << kDeleted << false;
    QTest::newRow("sale reply too short") << sale << venda << QByteArray("{sessao}|06000") << QStringList{"{sessao}|06000"}
                                          << QStringList{kSep, "{sessao}|06000"} << kOld << false;
    QTest::newRow("sale 06000 without its key") << sale << venda << QByteArray("{sessao}|06000|0000|ok|a|b|c")
        << QStringList{"{sessao}|06000|0000|ok|a|b|c"} << QStringList{kSep, "{sessao}|06000|0000|ok|a|b|c"} << kOld
        << false;
    QTest::newRow("sale refused, empty CCCC") << sale << venda << QByteArray("{sessao}|06001||1234|Recusada")
                                              << QStringList{": 1234"} << QStringList{kSep, "{sessao}|06001||1234|Recusada"}
                                              << kDeleted << false;
    QTest::newRow("sale without reply") << sale << venda << QByteArray() << QStringList{""} << QStringList{kSep, ""}
                                        << kOld << false;
    for (const SaleReplies::Shape &shape : SaleReplies::shapes("07000"))
        QTest::addRow("cancellation 07000, %s", shape.name) << cancel << cancelar << shape.reply
            << QStringList{shape.message}
            << QStringList{kSep} + shownLines(shape.reply) + QStringList{kSep, kBase64, kSep, kCfeShown, kSep}
            << kCfe + "\r\n" << true;
    for (const SaleReplies::Shape &shape : SaleReplies::withoutCfe("07000"))
        QTest::addRow("cancellation 07000, %s", shape.name) << cancel << cancelar << shape.reply
            << QStringList{QString::fromLatin1(shape.reply)}
            << QStringList{kSep} + shownLines(shape.reply) + QStringList{kSep} << kOld << false;
    QTest::newRow("cancellation 07000 without its CF-e") << cancel << cancelar
        << QByteArray("{sessao}|07000|0000|Cancelado||") << QStringList{"{sessao}|07000|0000|Cancelado||"}
        << QStringList{kSep, "{sessao}|07000|0000|Cancelado||", kSep} << kOld << false;
    QTest::newRow("cancellation 07098") << cancel << cancelar << QByteArray("{sessao}|07098|0000|SAT ocupado||")
                                        << QStringList{kFalha, "0000: SAT ocupado"}
                                        << QStringList{kSep, "{sessao}|07098|0000|SAT ocupado||", kSep} << kDeleted << false;
    QTest::newRow("cancellation refused, UTF-8 message") << cancel << cancelar
        << QByteArray("{sessao}|07001|1234|N\xc3\xa3o") << QStringList{"1234: Não"}
        << QStringList{kSep, "{sessao}|07001|1234|Não", kSep} << kDeleted << false;
    QTest::newRow("cancellation refused") << cancel << cancelar << QByteArray("{sessao}|07001|1234|Recusado")
                                          << QStringList{"1234: Recusado"}
                                          << QStringList{kSep, "{sessao}|07001|1234|Recusado", kSep} << kDeleted << false;
}

void TestTestPage::cfeOperations()
{
    QFETCH(QString, button);
    QFETCH(QString, exportName);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, memo);
    QFETCH(QByteArray, cfe);
    QFETCH(bool, naveg);

    TestPageConsole page;
    page.module.setReply(exportName, reply);
    page.answerPrompt(QStringLiteral(" ") + kCode + QStringLiteral(" "));
    page.click(button);

    QCOMPARE(page.messages(), page.withSession(messages));
    QCOMPARE(page.memo(), page.withSession(memo));
    QCOMPARE(page.cfe(), cfe);
    QCOMPARE(page.naveg(), naveg);
    const QList<QVariant> arguments = page.onlyCall(exportName);
    QVERIFY(!arguments.isEmpty());
    QCOMPARE(arguments.at(0).toInt(), page.sessionNumber().toInt());
    QCOMPARE(arguments.at(1).toByteArray(), kCode.toLatin1());
    QCOMPARE(page.title(), QString());
}

void TestTestPage::documentsSent_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("file"); // "{pasta}" the program's folder
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArrayList>("texts"); // the text arguments after the code; none: nothing sent

    const QString sale = QStringLiteral("BitBtn10");
    const QString cancel = QStringLiteral("BitBtn8");
    const QByteArray emptyCancellation("<?xml version=\"1.0\" encoding=\"UTF-8\"?><CFeCanc><infCFe chCanc=\"\"><ide>"
                                       "<CNPJ></CNPJ><signAC></signAC><numeroCaixa></numeroCaixa></ide><emit></emit>"
                                       "<dest></dest><total></total><infAdic></infAdic></infCFe></CFeCanc>");
    QTest::newRow("sale: lines joined") << sale << "{pasta}venda.xml" << QStringList{"Emitido"}
        << QByteArrayList{"<CFe><infCFe Id=\"CFe35\"><ide><CNPJ>16716114000172</CNPJ><signAC>SGR</signAC>"
                          "<numeroCaixa>002</numeroCaixa></ide><dest><CPF>12345678909</CPF></dest></infCFe></CFe>"};
    QTest::newRow("sale: missing file sent empty") << sale << "{pasta}falta.xml"
        << QStringList{"Arquivo: {pasta}falta.xml não foi encontrado!", "Emitido"} << QByteArrayList{""};
    QTest::newRow("sale: path taken untrimmed") << sale << " {pasta}venda.xml"
        << QStringList{"Arquivo:  {pasta}venda.xml não foi encontrado!", "Emitido"} << QByteArrayList{""};
    QTest::newRow("sale: reference to a control character refused") << sale << "{pasta}controle.xml"
        << QStringList{"O arquivo {pasta}controle.xml contém caracteres inválidos."} << QByteArrayList();
    QTest::newRow("cancellation: path trimmed") << cancel << " {pasta}venda.xml " << QStringList{"Emitido"}
        << QByteArrayList{"CFe35", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><CFeCanc><infCFe chCanc=\"CFe35\"><ide>"
                                   "<CNPJ>16716114000172</CNPJ><signAC>SGR</signAC><numeroCaixa>002</numeroCaixa></ide>"
                                   "<emit></emit><dest><CPF>12345678909</CPF></dest><total></total><infAdic></infAdic>"
                                   "</infCFe></CFeCanc>"};
    QTest::newRow("cancellation: missing file, empty values") << cancel << "{pasta}falta.xml" << QStringList{"Emitido"}
                                                              << QByteArrayList{"", emptyCancellation};
}

void TestTestPage::documentsSent()
{
    QFETCH(QString, button);
    QFETCH(QString, file);
    QFETCH(QStringList, messages);
    QFETCH(QByteArrayList, texts);

    TestPageConsole page;
    const QString folder = page.console.programFolder();
    QVERIFY(TestFiles::write(folder + QStringLiteral("controle.xml"),
                             "<CFe><infCFe><signAC>S&#1;GR</signAC></infCFe></CFe>"));
    page.find<QLineEdit>(QStringLiteral("LblCFeFile"))->setText(file.replace(QStringLiteral("{pasta}"), folder));
    const bool sale = button == QLatin1String("BitBtn10");
    const QString exportName = sale ? QStringLiteral("EnviarDadosVenda") : QStringLiteral("CancelarUltimaVenda");
    page.module.setReply(exportName, SaleReplies::usual(sale ? "06000" : "07000"));
    page.answerPrompt(kCode);
    page.click(button);

    QCOMPARE(page.messages(), messages.replaceInStrings(QStringLiteral("{pasta}"), folder));
    QByteArrayList sent;
    for (const QVariant &argument : page.onlyCall(exportName).mid(2))
        sent.append(argument.toByteArray());
    QCOMPARE(sent, texts);
}

void TestTestPage::overIntegrador_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("retorno");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArray>("request"); // a piece of the request
    QTest::addColumn<QByteArray>("cfe");

    QTest::newRow("sale") << "BitBtn10" << QString::fromLatin1(SaleReplies::usual("06000")) << QStringList{"Emitido"}
                          << QByteArray("<![CDATA[<CFe/>]]>") << kCfe + "\r\n";
    // The query's session number is 078363; the Integrador's reply document
    // is indented around the retorno.
    QTest::newRow("session query, own answer pretty-printed")
        << "BitBtn7" << "\n      78363|11003|Sessão não existe|||\n    " << QStringList{"Sessão não existe"}
        << QByteArray("<Valor>123456</Valor>") << kOld;
}

void TestTestPage::overIntegrador()
{
    QFETCH(QString, button);
    QFETCH(QString, retorno);
    QFETCH(QStringList, messages);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, cfe);

    ConsoleFixture console;
    FakeIntegrador integrador(console.clock);
    integrador.replyWith(retorno);
    integrador.installOn(console.clock);
    console.start({QStringLiteral("/ADMIN")});
    console.clock.setNow(kLeadingZeroTime);
    QVERIFY(TestFiles::write(console.programFolder() + QStringLiteral("CFe.xml"), kOld));
    QVERIFY(TestFiles::write(console.programFolder() + QStringLiteral("venda.xml"), "<CFe/>"));
    console.find<QLineEdit>(QStringLiteral("LblCFeFile"))->setText(console.programFolder() + QStringLiteral("venda.xml"));
    console.find<QLineEdit>(QStringLiteral("Edit1"))->setText(QStringLiteral("123456"));
    console.interaction.dialogSteps.enqueue([](QDialog &prompt) {
        prompt.findChild<QLineEdit *>(QStringLiteral("EdtCodigo"))->setText(kCode);
        QTest::mouseClick(prompt.findChild<QPushButton *>(QStringLiteral("BtnTrocarCod")), Qt::LeftButton);
    });
    QTest::mouseClick(console.find<QPushButton>(button), Qt::LeftButton);

    QCOMPARE(console.interaction.messages(), messages);
    QCOMPARE(integrador.requests().size(), 1);
    QVERIFY(integrador.requests().first().bytes.contains(request));
    QCOMPARE(TestFiles::read(console.programFolder() + QStringLiteral("CFe.xml")), cfe);
}

void TestTestPage::sessionQuery_data()
{
    const QString invalidSession = QStringLiteral("Informe no campo \"Sessão:\" o número da sessão a consultar.");
    const QString kFalha = ConsoleTexts::kFalhaComunicacao;
    QTest::addColumn<QString>("queried");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("memo");
    QTest::addColumn<QByteArray>("cfe");

    // The query's session number is 078363 (see kLeadingZeroTime).
    QTest::newRow("the query's own answer") << "123456" << QByteArray("{sessao}|11003|Sess\xc3\xa3o inexistente||")
                                            << QStringList{"Sessão inexistente"} << QStringList() << kOld;
    QTest::newRow("own answer, leading zero dropped")
        << "123456" << QByteArray("78363|11003|Sess\xc3\xa3o n\xc3\xa3o existe|||") << QStringList{"Sessão não existe"}
        << QStringList() << kOld;
    QTest::newRow("own answer, blanks around") << "123456" << QByteArray(" 0078363\t|11003|Erro|||")
                                               << QStringList{"Erro"} << QStringList() << kOld;
    QTest::newRow("echo that is no number") << "123456" << QByteArray("+78363|11003|Erro|||") << QStringList()
                                            << QStringList{kSep, "+78363|11003|Erro|||"}
                                            << QByteArray("+78363\r\n11003\r\nErro\r\n\r\n\r\n\r\n");
    for (const char *code : {"06000", "07000"}) {
        for (const SaleReplies::Shape &shape : SaleReplies::shapes(code, "123456"))
            QTest::addRow("%s, %s", code, shape.name) << "123456" << shape.reply << QStringList()
                << QStringList{kSep} + shownLines(shape.reply)
                       + QStringList{kSep, "Sessão: 123456", "Chave: CFe3524", kSep, kCfeShown, kSep}
                << kCfe + "\r\n";
        for (const SaleReplies::Shape &shape : SaleReplies::withoutCfe(code, "123456"))
            QTest::addRow("%s, %s", code, shape.name) << "123456" << shape.reply
                << QStringList{QString::fromLatin1(shape.reply)} << QStringList{kSep} + shownLines(shape.reply)
                << kOld;
    }
    QTest::newRow("a sale without its key") << "123456" << QByteArray("123456|06000|0000|ok|||PHgvPg==|20240131")
                                            << QStringList{"123456|06000|0000|ok|||PHgvPg==|20240131"}
                                            << QStringList{kSep, "123456|06000|0000|ok|||PHgvPg==|20240131"} << kOld;
    QTest::newRow("a busy sale") << "123456" << QByteArray("123456|06098|0000|ocupado||") << QStringList{kFalha}
                                 << QStringList{kSep, "123456|06098|0000|ocupado||"}
                                 << QByteArray("123456\r\n06098\r\n0000\r\nocupado\r\n\r\n\r\n");
    QTest::newRow("another command") << "123456" << QByteArray("123456|04000|Ativado") << QStringList()
                                     << QStringList{kSep, "123456|04000|Ativado"}
                                     << QByteArray("123456\r\n04000\r\nAtivado\r\n");
    QTest::newRow("another command, UTF-8 message") << "123456" << QByteArray("123456|04000|Ativa\xc3\xa7\xc3\xa3o")
        << QStringList() << QStringList{kSep, "123456|04000|Ativação"}
        << QByteArray("123456\r\n04000\r\nAtiva\xc3\xa7\xc3\xa3o\r\n");
    QTest::newRow("empty session edit") << "" << QByteArray() << QStringList{invalidSession}
                                        << QStringList() << kOld;
    QTest::newRow("letters in the session edit") << "12a" << QByteArray() << QStringList{invalidSession}
                                                 << QStringList() << kOld;
}

void TestTestPage::sessionQuery()
{
    QFETCH(QString, queried);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, memo);
    QFETCH(QByteArray, cfe);

    TestPageConsole page;
    page.console.clock.setNow(kLeadingZeroTime);
    page.module.setReply(QStringLiteral("ConsultarNumeroSessao"), reply);
    page.find<QLineEdit>(QStringLiteral("Edit1"))->setText(queried);
    page.answerPrompt(kCode);
    page.click(QStringLiteral("BitBtn7"));

    QCOMPARE(page.messages(), page.withSession(messages));
    QCOMPARE(page.memo(), memo);
    QCOMPARE(page.cfe(), cfe);
    QVERIFY(!page.naveg());
    const bool sent = !reply.isEmpty();
    QCOMPARE(page.title(), QStringLiteral("CONSULTAR NÚMERO DE SESSÃO"));
    QCOMPARE(page.module.calls().size(), sent ? 1 : 0);
    if (sent)
        QCOMPARE(page.onlyCall(QStringLiteral("ConsultarNumeroSessao")),
                 (QList<QVariant>{page.sessionNumber().toInt(), kCode.toLatin1(), 123456}));
    QCOMPARE(page.statusText() == ConsoleTexts::kAguardando, false);
}

void TestTestPage::endToEnd_data()
{
    const QString kFalha = ConsoleTexts::kFalhaComunicacao;
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("entries"); // taxpayer, IE, software house, choice, signature; "ok" to confirm
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("sent"); // pieces of dadosVenda; empty: nothing sent
    QTest::addColumn<QStringList>("memo");
    QTest::addColumn<QByteArray>("cfe");

    const QString production = QStringLiteral("BtnTesteProducao");
    const QString activation = QStringLiteral("BtnTesteAtivacao");
    const QStringList opened{"dialog: FValida", "dialog: FFimAFim"};
    const QByteArray success = "{sessao}|09000|Teste OK|123|Sefaz|" + kEndToEndBase64.toLatin1() + "|20240131|k|1||q";
    const QStringList shown{kSep, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<CFe>", "  <infCFe>", "    <emit>",
                            "      <xFant>Padaria São João</xFant>", "    </emit>", "  </infCFe>", "</CFe>", kSep};
    // The CF-e's bytes as returned, under its own UTF-8 declaration.
    const QByteArray saved("<?xml version=\"1.0\" encoding=\"UTF-8\"?><CFe><infCFe><emit>"
                           "<xFant>Padaria S\xc3\xa3o Jo\xc3\xa3o</xFant></emit></infCFe></CFe>\r\n");
    const QStringList valid{"58204716000190", "123456789012", "73618924000120", "0", "ASSINATURA", "ok"};

    QTest::newRow("activation") << activation << QStringList{"58204716000190", "", "", "0", "", "ok"} << success
        << opened + QStringList{"message: Teste OK", "dialog: FMSefaz"}
        << QStringList{"<ide><CNPJ>00000000000000</CNPJ><signAC>" + QString(344, u'0') + "</signAC>",
                       "<emit><CNPJ>58204716000190</CNPJ><IE>000000000000</IE>", "<dest/>"}
        << shown << saved;
    QTest::newRow("production, typed signature") << production << valid << success
        << opened + QStringList{"message: Teste OK", "dialog: FMSefaz"}
        << QStringList{"<ide><CNPJ>73618924000120</CNPJ><signAC>ASSINATURA</signAC>",
                       "<emit><CNPJ>58204716000190</CNPJ><IE>123456789012</IE>",
                       "<dest><CNPJ>58204716000190</CNPJ></dest>"}
        << shown << saved;
    QTest::newRow("production, accented signature, sent as the UTF-8 it declares") << production
        << QStringList{"58204716000190", "123456789012", "73618924000120", "0", "AÇÃO", "ok"} << success
        << opened + QStringList{"message: Teste OK", "dialog: FMSefaz"} << QStringList{"<signAC>AÇÃO</signAC>"}
        << shown << saved;
    QTest::newRow("production, signature file") << production
        << QStringList{"1234", "1", "9", "1", "{pasta}assinatura.txt", "ok"} << success
        << opened + QStringList{"message: Teste OK", "dialog: FMSefaz"}
        << QStringList{"<ide><CNPJ>9</CNPJ><signAC>ABC DEF</signAC>", "<emit><CNPJ>1234</CNPJ><IE>1</IE>"}
        << shown << saved;
    QTest::newRow("production, no signature file") << production
        << QStringList{"1", "1", "1", "1", "{pasta}falta.txt", "ok"} << QByteArray()
        << opened + QStringList{"message: Arquivo especificado não foi encontrado!"} << QStringList() << QStringList()
        << kOld;
    QTest::newRow("production, empty IE") << production << QStringList{"1", "", "1", "0", "x", "ok"} << QByteArray()
        << opened + QStringList{"message: IE do Contribuinte inválido."} << QStringList() << QStringList() << kOld;
    QTest::newRow("activation, wrong check digit") << activation << QStringList{"58204716000191", "", "", "0", "", "ok"}
        << QByteArray() << opened + QStringList{"message: CNPJ do Contribuinte inválido."} << QStringList()
        << QStringList() << kOld;
    QTest::newRow("production 09098") << production << valid << QByteArray("{sessao}|09098|SAT ocupado||")
        << opened + QStringList{"message: " + kFalha, "message: SAT ocupado"} << QStringList{"<signAC>ASSINATURA"}
        << QStringList() << kDeleted;
    QTest::newRow("activation 09098") << activation << valid << QByteArray("{sessao}|09098|SAT ocupado||")
        << opened + QStringList{"message: " + kFalha} << QStringList{"<dest/>"} << QStringList() << kDeleted;
    QTest::newRow("activation refused") << activation << valid << QByteArray("{sessao}|09001|Recusado|7|Sefaz")
        << opened + QStringList{"message: Recusado", "dialog: FMSefaz"} << QStringList{"<dest/>"} << QStringList()
        << kDeleted;
    QTest::newRow("success without XML") << production << valid << QByteArray("{sessao}|09000|Teste OK|||c2VtIHhtbA==")
        << opened + QStringList{"message: {sessao}|09000|Teste OK|||c2VtIHhtbA=="} << QStringList{"<signAC>ASSINATURA"}
        << QStringList() << kOld;
    // The sale's replies without a CF-e, in the end-to-end layout (no CCCC).
    for (const SaleReplies::Shape &shape : SaleReplies::withoutCfe("09000")) {
        QByteArrayList fields = shape.reply.split('|');
        fields.removeAt(2);
        const QByteArray refused = fields.join('|');
        QTest::addRow("success, %s", shape.name) << production << valid << refused
            << opened + QStringList{"message: " + QString::fromLatin1(refused)} << QStringList{"<signAC>ASSINATURA"}
            << QStringList() << kOld;
    }
    QTest::newRow("dialog closed") << production << QStringList{"1", "1", "1", "0", "x", ""} << QByteArray() << opened
                                   << QStringList() << QStringList() << kOld;
}

void TestTestPage::endToEnd()
{
    QFETCH(QString, button);
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, events);
    QFETCH(QStringList, sent);
    QFETCH(QStringList, memo);
    QFETCH(QByteArray, cfe);

    TestPageConsole page;
    QVERIFY(TestFiles::write(page.console.programFolder() + QStringLiteral("assinatura.txt"), "ABC \r\nDEF\r\n"));
    entries.replaceInStrings(QStringLiteral("{pasta}"), page.console.programFolder());
    page.module.setReply(QStringLiteral("TesteFimAFim"), reply);
    page.answerPrompt(kCode);
    const bool production = button == QLatin1String("BtnTesteProducao");
    bool entriesEnabled = !production;
    page.console.interaction.dialogSteps.enqueue([&entries, &entriesEnabled](QDialog &dialog) {
        auto *fimAFim = qobject_cast<TFFimAFim *>(&dialog);
        entriesEnabled = fimAFim->EdtCNPJSw->isEnabled() && fimAFim->rgAssinatura->isEnabled();
        fimAFim->EdtCNPJContrib2->setText(entries[0]);
        fimAFim->EdtIEContrib->setText(entries[1]);
        fimAFim->EdtCNPJSw->setText(entries[2]);
        fimAFim->rgAssinatura->setItemIndex(entries[3].toInt());
        fimAFim->EdtAssinatura->setText(entries[4]);
        if (entries[5] == QLatin1String("ok"))
            QTest::mouseClick(fimAFim->BtnOk, Qt::LeftButton);
    });
    page.click(button);

    QCOMPARE(entriesEnabled, production);
    QCOMPARE(page.console.interaction.events, page.withSession(events));
    QCOMPARE(page.memo(), memo);
    QCOMPARE(page.cfe(), cfe);
    QCOMPARE(page.naveg(), memo.size() > 1);
    if (page.naveg()) {
        pugi::xml_document document;
        QVERIFY(document.load_file(QFile::encodeName(page.cfePath()).constData()));
        QCOMPARE(QString::fromUtf8(document.select_node("//xFant").node().child_value()),
                 QStringLiteral("Padaria São João"));
    }
    QCOMPARE(page.title(), production ? QStringLiteral("FIM-A-FIM PRODUÇÃO") : QStringLiteral("FIM-A-FIM ATIVAÇÃO"));
    const QList<QVariant> arguments = page.onlyCall(QStringLiteral("TesteFimAFim"));
    QCOMPARE(arguments.isEmpty(), sent.isEmpty());
    for (const QString &piece : std::as_const(sent))
        QVERIFY2(arguments.at(2).toByteArray().contains(piece.toUtf8()), qPrintable(piece));
}

void TestTestPage::shortCodeSendsNothing_data()
{
    QTest::addColumn<QString>("button");
    for (const char *button : {"BitBtn10", "BitBtn8", "BitBtn7", "BtnTesteAtivacao", "BtnTesteProducao"})
        QTest::newRow(button) << QString::fromLatin1(button);
}

void TestTestPage::shortCodeSendsNothing()
{
    QFETCH(QString, button);
    TestPageConsole page;
    page.answerPrompt(QStringLiteral(" 1234567 "));
    page.click(button);
    QCOMPARE(page.console.interaction.events,
             (QStringList{"dialog: FValida", "message: " + ConsoleTexts::kCodigoCurto}));
    QVERIFY(page.module.calls().isEmpty());
}

void TestTestPage::unwritableCfeFileIsReported()
{
    TestPageConsole page;
    QVERIFY(QFile::remove(page.cfePath()));
    QVERIFY(QDir().mkpath(page.cfePath()));
    page.module.setReply(QStringLiteral("EnviarDadosVenda"), SaleReplies::usual("06000"));
    page.answerPrompt(kCode);
    page.click(QStringLiteral("BitBtn10"));
    const QStringList messages = page.messages();
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages.at(1).startsWith(QStringLiteral("Não foi possível gravar o arquivo ") + page.cfePath()
                                       + QStringLiteral(":\n")),
             qPrintable(messages.at(1)));
    QVERIFY(!page.naveg());
}

void TestTestPage::entryAndBrowser()
{
    TestPageConsole page;
    page.module.setReply(QStringLiteral("EnviarDadosVenda"), SaleReplies::usual("06000"));
    page.answerPrompt(kCode);
    page.click(QStringLiteral("BitBtn10"));
    page.click(QStringLiteral("BtnNaveg"));
    QCOMPARE(page.console.interaction.shellOpened, QStringList{page.cfePath()});

    page.find<QStackedWidget>(QStringLiteral("PageControl"))->setCurrentIndex(0);
    page.click(QStringLiteral("BtnTestefimafim"));
    QCOMPARE(page.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), 5);
    QCOMPARE(page.title(), QString());
    QVERIFY(page.memo().isEmpty());
    QVERIFY(!page.naveg());
    QCOMPARE(page.statusText(), QString());
    // With the memo cleared the file is not opened, even where it exists.
    page.find<QPushButton>(QStringLiteral("BtnNaveg"))->setEnabled(true);
    page.click(QStringLiteral("BtnNaveg"));
    QCOMPARE(page.console.interaction.shellOpened.size(), 1);
}

void TestTestPage::pickers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("event");
    QTest::addColumn<QString>("text");

    QTest::newRow("CF-e file") << "Button1" << "LblCFeFile" << "/tmp/cfe.xml" << "open file: Selecione o Certificado"
                               << "/tmp/cfe.xml";
    QTest::newRow("CF-e file cancelled") << "Button1" << "LblCFeFile" << "" << "open file: Selecione o Certificado"
                                         << "antes";
    QTest::newRow("folder") << "BtnDir" << "LblCFeDir" << "/tmp" << "folder: Selecione o diretório" << "/tmp";
}

void TestTestPage::pickers()
{
    QFETCH(QString, button);
    QFETCH(QString, edit);
    QFETCH(QString, choice);
    QFETCH(QString, event);
    QFETCH(QString, text);

    TestPageConsole page;
    page.find<QLineEdit>(edit)->setText(QStringLiteral("antes"));
    page.console.interaction.fileChoices.enqueue(choice);
    page.click(button);
    QCOMPARE(page.console.interaction.events, QStringList{event});
    QCOMPARE(page.find<QLineEdit>(edit)->text(), text);
}

QTEST_MAIN(TestTestPage)
#include "tst_testpage.moc"
