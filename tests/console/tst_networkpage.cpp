#include "consoletexts.h"
#include "fakemodule.h"
#include "integradorconsole.h"
#include "integradorrequestdocument.h"
#include "networkconsole.h"
#include "pageinput.h"
#include "smallfilesystem.h"
#include "testfiles.h"

#include "console/frame/operationframe.h"
#include "console/widgets/labelededit.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kExport = QStringLiteral("ConfigurarInterfaceDeRede");
const QString kCode = QStringLiteral("LblEdtCodRede");
const QStringList kAddress{"EdtlanIP", "EdtlanMask", "EdtlanGW", "EdtlanDNS1", "EdtlanDNS2"};
const QStringList kProxy{"Edtproxy_ip", "Edtproxy_porta", "Edtproxy_user", "Edtproxy_senha"};
const QByteArray kHead = "<tipoInter>ETHE</tipoInter>";

} // namespace

class TestNetworkPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void showFillsFromTheRecord_data();
    void showFillsFromTheRecord();
    void listsSwitchTheirEdits();
    void sending_data();
    void sending();
    void outcome_data();
    void outcome();
    void accentsOnBothRoads_data();
    void accentsOnBothRoads();
    void shortCodeSendsNothing();
    void unwritableFolderSendsNothing();
    void valuesSurviveARestart();
    void fullDiskSendsNothing();
    void unwritableSettingsAreReportedAtOnce_data();
    void unwritableSettingsAreReportedAtOnce();

private:
    static void show(NetworkConsole &console) { console.click(QStringLiteral("BtnConfRede")); }
    static void send(const ConsoleFixture &console, const QStringList &entries);
    static bool enabled(NetworkConsole &console, const QStringList &edits);
};

bool TestNetworkPage::enabled(NetworkConsole &console, const QStringList &edits)
{
    bool all = true;
    for (const QString &name : edits)
        all = all && console.find<QLineEdit>(name)->isEnabled();
    return all;
}

void TestNetworkPage::defaultState()
{
    NetworkConsole console;
    show(console);
    QCOMPARE(console.find<QStackedWidget>(QStringLiteral("PageControl"))->currentWidget()->objectName(),
             QStringLiteral("TabConfRede"));
    const auto items = [&console](const char *name) {
        const auto *list = console.find<QComboBox>(QLatin1String(name));
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    };
    QCOMPARE(items("CbotipoInter"), QStringList{"ETHERNET"});
    QCOMPARE(items("CbotipoLan"), (QStringList{"DHCP", "IP FIXO"}));
    QCOMPARE(items("cboProxy"), (QStringList{"NENHUM", "COM CONFIGURAÇÃO", "TRANSPARENTE"}));
    QVERIFY(!console.find<QComboBox>(QStringLiteral("cboProxy"))->isEditable());
    QCOMPARE(console.find<QLabel>(QStringLiteral("CbotipoInterLabel"))->text(), QStringLiteral("Interface:"));
    QCOMPARE(console.find<QLabel>(QStringLiteral("EdtlanDNS2Label"))->text(), QStringLiteral("DNS Secundário:"));
    QCOMPARE(console.find<QLineEdit>(QStringLiteral("Edtproxy_senha"))->echoMode(), QLineEdit::Password);
    QCOMPARE(console.find<QLineEdit>(kCode)->echoMode(), QLineEdit::Password);
    QCOMPARE(console.find<QLineEdit>(QStringLiteral("EdtlanIP"))->echoMode(), QLineEdit::Normal);
    auto *send = console.find<QPushButton>(QStringLiteral("BitEnviarConfRede"));
    QCOMPARE(send->text(), QStringLiteral("Enviar ao MFe"));
    QVERIFY(send->isDefault());
}

void TestNetworkPage::showFillsFromTheRecord_data()
{
    QTest::addColumn<QVariantMap>("record");
    QTest::addColumn<QList<int>>("items"); // CbotipoInter, CbotipoLan, cboProxy
    QTest::addColumn<bool>("addressEnabled");
    QTest::addColumn<bool>("proxyEnabled");
    QTest::newRow("no record yet") << QVariantMap() << QList<int>{-1, 0, 0} << false << false;
    QTest::newRow("defaults") << QVariantMap{{"tipoInter", "ETHE"}, {"tipoLan", "DHCP"}, {"proxy", "0"}}
                              << QList<int>{0, 0, 0} << false << false;
    QTest::newRow("WIFI, fixed address, proxy with configuration")
        << QVariantMap{{"tipoInter", "WIFI"}, {"tipoLan", "IPFIX"}, {"proxy", "1"}, {"lanIP", "10.0.0.5"},
                       {"proxy_senha", "segredo"}}
        << QList<int>{-1, 1, 1} << true << true;
    QTest::newRow("PPPoE keeps DHCP, transparent proxy") << QVariantMap{{"tipoLan", "PPPoE"}, {"proxy", "2"}}
                                                         << QList<int>{-1, 0, 2} << false << false;
    QTest::newRow("proxy not a number shows NENHUM") << QVariantMap{{"proxy", "x"}} << QList<int>{-1, 0, 0} << false
                                                     << false;
}

void TestNetworkPage::showFillsFromTheRecord()
{
    QFETCH(QVariantMap, record);
    QFETCH(QList<int>, items);
    QFETCH(bool, addressEnabled);
    QFETCH(bool, proxyEnabled);
    NetworkConsole console;
    console.setRecord(record);
    show(console);
    QCOMPARE(console.find<QComboBox>(QStringLiteral("CbotipoInter"))->currentIndex(), items.at(0));
    QCOMPARE(console.find<QComboBox>(QStringLiteral("CbotipoLan"))->currentIndex(), items.at(1));
    QCOMPARE(console.find<QComboBox>(QStringLiteral("cboProxy"))->currentIndex(), items.at(2));
    QCOMPARE(enabled(console, kAddress), addressEnabled);
    QCOMPARE(enabled(console, kProxy), proxyEnabled);
    QCOMPARE(console.text(QStringLiteral("EdtlanIP")), record.value("lanIP").toString());
    QCOMPARE(console.text(QStringLiteral("Edtproxy_senha")), record.value("proxy_senha").toString());
}

void TestNetworkPage::listsSwitchTheirEdits()
{
    NetworkConsole console;
    show(console);
    console.fill({{"CbotipoLan", 1}, {"cboProxy", 1}});
    QVERIFY(enabled(console, kAddress));
    QVERIFY(enabled(console, kProxy));
    console.fill({{"EdtlanIP", "10.0.0.5"}, {"CbotipoLan", 0}, {"cboProxy", 2}});
    QVERIFY(!console.find<QLineEdit>(QStringLiteral("EdtlanIP"))->isEnabled());
    QCOMPARE(console.text(QStringLiteral("EdtlanIP")), QStringLiteral("10.0.0.5"));
    QVERIFY(!console.find<QLineEdit>(QStringLiteral("Edtproxy_ip"))->isEnabled());
}

void TestNetworkPage::sending_data()
{
    QTest::addColumn<QVariantMap>("controls");
    QTest::addColumn<QByteArray>("elements");
    QTest::addColumn<QVariantMap>("stored");
    const QVariantMap typed{{"EdtlanIP", " 10.0.0.5"}, {"EdtlanMask", "255.255.255.0"}, {"EdtlanGW", "10.0.0.1"},
                            {"EdtlanDNS1", "8.8.8.8"}, {"EdtlanDNS2", ""}, {"Edtproxy_ip", "10.0.0.9"},
                            {"Edtproxy_porta", "3128"}, {"Edtproxy_user", "loja"}, {"Edtproxy_senha", "a&b"}};
    const auto with = [&typed](int lan, int proxy) {
        QVariantMap controls = typed;
        controls.insert(QStringLiteral("CbotipoLan"), lan);
        controls.insert(QStringLiteral("cboProxy"), proxy);
        return controls;
    };
    QTest::newRow("DHCP, no proxy: typed values stored, left out of the document")
        << with(0, 0) << kHead + "<tipoLan>DHCP</tipoLan><proxy>0</proxy>"
        << QVariantMap{{"tipoInter", "ETHE"}, {"tipoLan", "DHCP"}, {"proxy", "0"}, {"lanIP", " 10.0.0.5"},
                       {"proxy_senha", "a&b"}};
    QTest::newRow("fixed address as typed")
        << with(1, 0)
        << kHead + "<tipoLan>IPFIX</tipoLan><lanIP> 10.0.0.5</lanIP><lanMask>255.255.255.0</lanMask>"
                   "<lanGW>10.0.0.1</lanGW><lanDNS1>8.8.8.8</lanDNS1><lanDNS2/><proxy>0</proxy>"
        << QVariantMap{{"tipoLan", "IPFIX"}, {"lanDNS2", ""}};
    QTest::newRow("proxy with configuration, password escaped")
        << with(0, 1)
        << kHead + "<tipoLan>DHCP</tipoLan><proxy>1</proxy><proxy_ip>10.0.0.9</proxy_ip>"
                   "<proxy_porta>3128</proxy_porta><proxy_user>loja</proxy_user><proxy_senha>a&amp;b</proxy_senha>"
        << QVariantMap{{"proxy", "1"}, {"proxy_porta", "3128"}};
    QTest::newRow("transparent proxy") << with(0, 2) << kHead + "<tipoLan>DHCP</tipoLan><proxy>2</proxy>"
                                       << QVariantMap{{"proxy", "2"}, {"proxy_ip", "10.0.0.9"}};
}

void TestNetworkPage::sending()
{
    QFETCH(QVariantMap, controls);
    QFETCH(QByteArray, elements);
    QFETCH(QVariantMap, stored);
    NetworkConsole console;
    console.module.setReply(kExport, "{sessao}|12000|Rede configurada||");
    console.setRecord({{"tipoInter", "ETHE"}});
    show(console);
    console.fill(controls);
    console.fill({{kCode, " 12345678 "}});
    console.click(QStringLiteral("BitEnviarConfRede"));

    QCOMPARE(console.sent(kExport), (QList<QVariant>{QByteArray(" 12345678 "), NetworkConsole::document(elements)}));
    QCOMPARE(console.programFile(QStringLiteral("ConfRede.xml")), NetworkConsole::document(elements) + "\r\n");
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        QCOMPARE(console.field(it.key()), it.value().toString());
    QCOMPARE(console.messages(), QStringList{"Rede configurada"});
    QCOMPARE(console.text(kCode), QString());
}

void TestNetworkPage::outcome_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("field 2 shown, decoded from UTF-8") << QByteArray("{sessao}|12000|Configura\xc3\xa7\xc3\xa3o ok||")
                                                       << QStringList{"message: Configuração ok"};
    QTest::newRow("four-character field 2 shows field 3") << QByteArray("{sessao}|12001|1234|Rede inválida|")
                                                          << QStringList{"message: Rede inválida"};
    QTest::newRow("success with a four-character field 2")
        << QByteArray("{sessao}|12000|0000|Rede Configurada com Sucesso|||")
        << QStringList{"message: Rede Configurada com Sucesso"};
    QTest::newRow("tax authority's fields after a four-character field 2")
        << QByteArray("{sessao}|12001|1234|Rede inválida|77|sefaz")
        << QStringList{"message: Rede inválida", "dialog: FMSefaz"};
    QTest::newRow("12098 communication failure") << QByteArray("{sessao}|12098|ocupado||")
                                                 << QStringList{"message: " + ConsoleTexts::kFalhaComunicacao};
    QTest::newRow("tax authority's message after the outcome")
        << QByteArray("{sessao}|12000|ok|77|sefaz") << QStringList{"message: ok", "dialog: FMSefaz"};
    QTest::newRow("no field 3 after a four-character field 2 shows the reply")
        << QByteArray("{sessao}|12001|1234") << QStringList{"message: {sessao}|12001|1234"};
}

void TestNetworkPage::outcome()
{
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, events);
    NetworkConsole console;
    console.module.setReply(kExport, reply);
    show(console);
    console.fill({{kCode, "12345678"}});
    console.click(QStringLiteral("BitEnviarConfRede"));

    const QString session = console.sessionNumber();
    QCOMPARE(console.console.interaction.events.replaceInStrings(session, QStringLiteral("{sessao}")), events);
    // The status bar shows the reply only after the boxes were closed.
    QCOMPARE(console.statusText(), QString::fromUtf8(reply).replace(QStringLiteral("{sessao}"), session));
    QCOMPARE(console.text(kCode), QString());
}

void TestNetworkPage::send(const ConsoleFixture &console, const QStringList &entries)
{
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BtnConfRede")), Qt::LeftButton);
    PageInput::fill(console, entries);
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BitEnviarConfRede")), Qt::LeftButton);
}

void TestNetworkPage::accentsOnBothRoads_data()
{
    QTest::addColumn<bool>("integrador");
    QTest::newRow("library: the document's bytes") << false;
    QTest::newRow("Integrador: the same characters in the request") << true;
}

// The document is UTF-8: the library gets its bytes, the Integrador's request
// (UTF-8 too) the same characters, not their bytes read as ANSI once more.
void TestNetworkPage::accentsOnBothRoads()
{
    QFETCH(bool, integrador);
    const QString reply = QStringLiteral("{sessao}|12000|Rede configurada||");
    const QStringList typed{"CbotipoInter=0", "cboProxy=1", "Edtproxy_user=ação", "LblEdtCodRede=12345678"};
    QByteArray sent;
    QStringList messages;
    if (integrador) {
        IntegradorConsole road(reply);
        send(road.console, typed);
        const QByteArray request = road.integrador.requests().value(0).bytes;
        sent = IntegradorRequestDocument(request).value("dadosConfiguracao").value_or(QByteArray());
        messages = road.console.interaction.messages();
    } else {
        NetworkConsole console;
        console.module.setReply(kExport, reply.toUtf8());
        send(console.console, typed);
        sent = console.sent(kExport).value(1).toByteArray();
        messages = console.messages();
    }
    QCOMPARE(sent, NetworkConsole::document(kHead + "<tipoLan>DHCP</tipoLan><proxy>1</proxy><proxy_ip/><proxy_porta/>"
                                                    "<proxy_user>a\xc3\xa7\xc3\xa3o</proxy_user><proxy_senha/>"));
    QCOMPARE(messages, QStringList{"Rede configurada"});
}

void TestNetworkPage::shortCodeSendsNothing()
{
    NetworkConsole console;
    show(console);
    console.fill({{"CbotipoLan", 1}, {kCode, " 1234567 "}});
    console.click(QStringLiteral("BitEnviarConfRede"));
    QCOMPARE(console.messages(), QStringList{ConsoleTexts::kCodigoCurto});
    QCOMPARE(console.text(kCode), QString());
    QVERIFY(console.module.calls().isEmpty());
    QCOMPARE(console.field(QStringLiteral("tipoLan")), QString());
    QCOMPARE(console.programFile(QStringLiteral("ConfRede.xml")),
             TestFiles::read(QStringLiteral(TEST_DATA_DIR "/ConfRede.default.xml")));
}

void TestNetworkPage::unwritableFolderSendsNothing()
{
    NetworkConsole console;
    QVERIFY(console.blockProgramFile(QStringLiteral("ConfRede.xml")));
    show(console);
    console.fill({{kCode, "12345678"}});
    console.console.window().show();
    QTest::keyClick(console.find<QLineEdit>(kCode), Qt::Key_Return);

    const QStringList messages = console.messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().startsWith(QStringLiteral("Não foi possível gravar o arquivo \"%1ConfRede.xml\" (")
                                             .arg(console.console.programFolder())),
             qPrintable(messages.first()));
    QVERIFY(messages.first().endsWith(QStringLiteral("). A configuração não foi enviada.")));
    QVERIFY(console.module.calls().isEmpty());
    QCOMPARE(console.text(kCode), QStringLiteral("12345678"));
    // The record was posted all the same.
    QCOMPARE(console.field(QStringLiteral("tipoLan")), QStringLiteral("DHCP"));
}

void TestNetworkPage::valuesSurviveARestart()
{
    NetworkConsole console;
    console.module.setReply(kExport, "{sessao}|12000|ok||");
    show(console);
    console.fill({{"CbotipoLan", 1}, {"EdtlanIP", "192.168.0.2"}, {"cboProxy", 1}, {"Edtproxy_porta", "8080"},
                  {kCode, "12345678"}});
    console.click(QStringLiteral("BitEnviarConfRede"));
    console.console.stop();
    console.console.start({QStringLiteral("/DLL=") + BoundConsole::kLibrary});
    show(console);
    QCOMPARE(console.find<QComboBox>(QStringLiteral("CbotipoLan"))->currentIndex(), 1);
    QCOMPARE(console.text(QStringLiteral("EdtlanIP")), QStringLiteral("192.168.0.2"));
    QCOMPARE(console.find<QComboBox>(QStringLiteral("cboProxy"))->currentIndex(), 1);
    QCOMPARE(console.text(QStringLiteral("Edtproxy_porta")), QStringLiteral("8080"));
}

void TestNetworkPage::fullDiskSendsNothing()
{
    NetworkConsole console;
    SmallFileSystem disk(console.console.programFolder());
    if (!disk.isMounted())
        QSKIP("mounting a small file system needs root");
    // The fake library records its calls off the full disk.
    const QTemporaryDir elsewhere;
    FakeModule module(elsewhere.path());
    module.setReply(kExport, "{sessao}|12000|Rede configurada||");
    const QByteArray earlier = NetworkConsole::document(kHead + "<tipoLan>DHCP</tipoLan><proxy>0</proxy>") + "\r\n";
    QVERIFY(TestFiles::write(console.console.programFolder() + QStringLiteral("ConfRede.xml"), earlier));
    QVERIFY(disk.fill());
    show(console);
    console.fill({{"CbotipoLan", 1}, {"EdtlanIP", "10.0.0.5"}, {kCode, "12345678"}});
    console.click(QStringLiteral("BitEnviarConfRede"));

    QCOMPARE(console.messages(), QStringList{QStringLiteral("Não foi possível gravar o arquivo \"%1ConfRede.xml\" "
                                                            "(No space left on device). A configuração não foi enviada.")
                                                 .arg(console.console.programFolder())});
    QVERIFY(module.calls().isEmpty());
    QCOMPARE(console.programFile(QStringLiteral("ConfRede.xml")), earlier);

    // With room again the same click sends the whole document.
    QVERIFY(disk.release());
    console.click(QStringLiteral("BitEnviarConfRede"));
    QCOMPARE(module.calls().size(), 1);
    QVERIFY(module.calls().first().arguments.at(2).toByteArray().contains("<lanIP>10.0.0.5</lanIP>"));
}

void TestNetworkPage::unwritableSettingsAreReportedAtOnce_data()
{
    QTest::addColumn<bool>("readOnly"); // otherwise full
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only disk") << true << "Read-only file system";
    QTest::newRow("full disk") << false << "No space left on device";
}

void TestNetworkPage::unwritableSettingsAreReportedAtOnce()
{
    QFETCH(bool, readOnly);
    QFETCH(QString, reason);
    NetworkConsole console;
    SmallFileSystem disk(console.console.workingFolder());
    if (!disk.isMounted())
        QSKIP("mounting a small file system needs root");
    QVERIFY(readOnly ? disk.makeReadOnly() : disk.fill());
    console.module.setReply(kExport, "{sessao}|12000|Rede configurada||");
    show(console);
    console.fill({{"EdtlanIP", "10.0.0.5"}, {kCode, "12345678"}});
    console.click(QStringLiteral("BitEnviarConfRede"));

    // Told before the command is sent; the configuration still goes out.
    QCOMPARE(console.messages(),
             (QStringList{QStringLiteral("Não foi possível gravar o arquivo de configuração \"%1/Parametros.xml\" (%2). "
                                         "As alterações das configurações foram perdidas.")
                              .arg(console.console.workingFolder(), reason),
                          QStringLiteral("Rede configurada")}));
    QCOMPARE(console.module.calls().size(), 1);
    QCOMPARE(console.field(QStringLiteral("lanIP")), QStringLiteral("10.0.0.5"));
}

QTEST_MAIN(TestNetworkPage)
#include "tst_networkpage.moc"
