#include "networkconsole.h"
#include "testfiles.h"

#include "console/frame/operationframe.h"
#include "console/widgets/radiogroup.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

const QString kExport = QStringLiteral("ConfigurarInterfaceDeRedeMFE");
const QString kCode = QStringLiteral("LblEdtMFECodRede");
const QString kSend = QStringLiteral("BitEnviarMFEConfRede");
const QStringList kAccessData{"EdtMFEUsuario", "EdtMFESenha", "EdtMFEPhone", "EdtMFEAPN"};

QByteArray first(const QByteArray &elements, char prioridade)
{
    return NetworkConsole::document("<tipoInter>ETHE</tipoInter>" + elements + "<prioridade>" + prioridade
                                    + "</prioridade>");
}

} // namespace

class TestMfeNetworkPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void carrierPresets_data();
    void carrierPresets();
    void sending_data();
    void sending();
    void showAndStoreInterface1();
    void unwritableFolderSendsNothing();

private:
    static void show(NetworkConsole &console) { console.click(QStringLiteral("BtnConfRedeMFE")); }
    static QStringList accessData(NetworkConsole &console);
};

QStringList TestMfeNetworkPage::accessData(NetworkConsole &console)
{
    QStringList texts;
    for (const QString &name : kAccessData)
        texts << console.text(name);
    return texts;
}

void TestMfeNetworkPage::defaultState()
{
    NetworkConsole console;
    QCOMPARE(console.text(QStringLiteral("EdtMFEInter1")), QStringLiteral("ETHERNET"));
    QVERIFY(console.find<QLineEdit>(QStringLiteral("EdtMFEIP2"))->isEnabled());
    show(console);
    auto *priority = console.find<RadioGroup>(QStringLiteral("CboPrio"));
    QCOMPARE(priority->title(), QStringLiteral("Prioridade"));
    QCOMPARE(priority->count(), 2);
    QCOMPARE(priority->item(0)->text(), QStringLiteral("1º ETHERNET -  2º 3G/GPRS"));
    QCOMPARE(priority->item(1)->text(), QStringLiteral("1º 3G/GPRS    -  2º ETHERNET "));
    QCOMPARE(priority->itemIndex(), 0);
    QCOMPARE(console.text(QStringLiteral("EdtMFEInter2")), QStringLiteral("3G/GPRS"));
    QVERIFY(console.find<QLineEdit>(QStringLiteral("EdtMFEInter2"))->isReadOnly());
    QVERIFY(!console.find<QComboBox>(QStringLiteral("CboMFERede2"))->isEnabled());
    QVERIFY(!console.find<QComboBox>(QStringLiteral("CboMFEProxy2"))->isEnabled());
    // Interface 2 always goes out with DHCP and no proxy: its edits are off.
    QVERIFY(!console.find<QLineEdit>(QStringLiteral("EdtMFEIP2"))->isEnabled());
    QVERIFY(!console.find<QLineEdit>(QStringLiteral("EdtMFEProxySenha2"))->isEnabled());
    QCOMPARE(console.find<QLabel>(QStringLiteral("CboMFEProxy1Label"))->text(), QStringLiteral("Proxy:"));
    QCOMPARE(console.find<QGroupBox>(QStringLiteral("PnlOperadoras"))->title(),
             QStringLiteral("Principais Operadoras"));
    QCOMPARE(console.find<QPushButton>(QStringLiteral("BitNenhum"))->text(), QStringLiteral("NENHUMA"));
    QCOMPARE(console.find<QLineEdit>(QStringLiteral("EdtMFESenha"))->echoMode(), QLineEdit::Normal);
    QCOMPARE(console.find<QLineEdit>(QStringLiteral("EdtMFEProxySenha1"))->echoMode(), QLineEdit::Password);
    QCOMPARE(console.find<QLineEdit>(kCode)->echoMode(), QLineEdit::Password);
    QVERIFY(console.find<QPushButton>(kSend)->isDefault());
}

void TestMfeNetworkPage::carrierPresets_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("CLARO") << "BitCLARO" << QStringList{"claro", "claro", "*99#", "claro.com.br"};
    QTest::newRow("OI") << "BitOI" << QStringList{"oi", "oi", "*99#", "gprs.oi.com.br"};
    QTest::newRow("TIM") << "BitTIM" << QStringList{"tim", "tim", "*99#", "timbrasil.br"};
    QTest::newRow("VIVO") << "BitVIVO" << QStringList{"vivo", "vivo", "*99#", "zap.vivo.com.br"};
    QTest::newRow("NENHUMA empties them") << "BitNenhum" << QStringList{"", "", "", ""};
}

void TestMfeNetworkPage::carrierPresets()
{
    QFETCH(QString, button);
    QFETCH(QStringList, texts);
    NetworkConsole console;
    show(console);
    console.fill({{"EdtMFEUsuario", "antes"}, {"EdtMFEAPN", "antes"}, {"EdtMFEProxyUser2", "fica"}});
    console.click(button);
    QCOMPARE(accessData(console), texts);
    QCOMPARE(console.text(QStringLiteral("EdtMFEProxyUser2")), QStringLiteral("fica"));
}

void TestMfeNetworkPage::sending_data()
{
    QTest::addColumn<QVariantMap>("controls");
    QTest::addColumn<QString>("carrier");
    QTest::addColumn<int>("prioridade");
    QTest::addColumn<QByteArray>("payload");
    const QByteArray dhcp = "<tipoLan>DHCP</tipoLan><proxy>0</proxy>";
    QTest::newRow("no access data: one document and three separators")
        << QVariantMap() << QString() << 0 << first(dhcp, '0') + "|||";
    QTest::newRow("carrier preset, 3G/GPRS first: both documents, reversed priority")
        << QVariantMap{{"EdtMFEIP2", "10.9.9.9"}} << "BitCLARO" << 1
        << first(dhcp, '1') + "|"
               + NetworkConsole::document("<tipoInter>GPR1</tipoInter><tipoLan>DHCP</tipoLan><proxy>0</proxy>"
                                          "<prioridade>0</prioridade><usuario>claro</usuario><senha>claro</senha>"
                                          "<phone>*99#</phone><APN>claro.com.br</APN>")
               + "||";
    QTest::newRow("fixed address and proxy; access data blanks only")
        << QVariantMap{{"CboMFERede1", 1}, {"EdtMFEIP1", "10.0.0.5 "}, {"CboMFEProxy1", 1},
                       {"EdtMFEProxySenha1", "p<w"}, {"EdtMFEUsuario", "u"}, {"EdtMFESenha", "s"},
                       {"EdtMFEPhone", "*99#"}, {"EdtMFEAPN", "  "}}
        << QString() << 0
        << first("<tipoLan>IPFIX</tipoLan><lanIP>10.0.0.5 </lanIP><lanMask/><lanGW/><lanDNS1/><lanDNS2/>"
                 "<proxy>1</proxy><proxy_ip/><proxy_porta/><proxy_user/><proxy_senha>p&lt;w</proxy_senha>",
                 '0')
               + "|||";
}

void TestMfeNetworkPage::sending()
{
    QFETCH(QVariantMap, controls);
    QFETCH(QString, carrier);
    QFETCH(int, prioridade);
    QFETCH(QByteArray, payload);
    NetworkConsole console;
    console.module.setReply(kExport, "{sessao}|12000|ok||");
    QVERIFY(TestFiles::write(console.console.programFolder() + QStringLiteral("ConfRedeMFE2.xml"), "anterior"));
    show(console);
    console.fill(controls);
    if (!carrier.isEmpty())
        console.click(carrier);
    console.find<RadioGroup>(QStringLiteral("CboPrio"))->setItemIndex(prioridade);
    console.fill({{kCode, " 12345678 "}});
    console.click(kSend);

    QCOMPARE(console.sent(kExport), (QList<QVariant>{QByteArray(" 12345678 "), payload}));
    const QByteArray second = payload.mid(payload.indexOf('|') + 1).chopped(2);
    QCOMPARE(console.programFile(QStringLiteral("ConfRedeMFE2.xml")), second.isEmpty() ? second : second + "\r\n");
    QCOMPARE(console.messages(), QStringList{"ok"});
    QCOMPARE(console.text(kCode), QString());
}

void TestMfeNetworkPage::showAndStoreInterface1()
{
    NetworkConsole console;
    console.module.setReply(kExport, "{sessao}|12000|ok||");
    console.setRecord({{"tipoInter", "WIFI"}, {"tipoLan", "IPFIX"}, {"lanGW", "10.0.0.1"}, {"proxy", "2"}});
    show(console);
    QCOMPARE(console.text(QStringLiteral("EdtMFEInter1")), QStringLiteral("WIFI"));
    QCOMPARE(console.find<QComboBox>(QStringLiteral("CboMFERede1"))->currentIndex(), 1);
    QCOMPARE(console.text(QStringLiteral("EdtMFEGW1")), QStringLiteral("10.0.0.1"));
    QVERIFY(console.find<QLineEdit>(QStringLiteral("EdtMFEGW1"))->isEnabled());
    QCOMPARE(console.find<QComboBox>(QStringLiteral("CboMFEProxy1"))->currentIndex(), 2);
    QVERIFY(!console.find<QLineEdit>(QStringLiteral("EdtMFEProxyIP1"))->isEnabled());

    console.fill({{"CboMFERede1", 0}, {"EdtMFEDNS11", "8.8.8.8"}, {kCode, "12345678"}});
    console.click(kSend);
    QCOMPARE(console.field(QStringLiteral("tipoInter")), QStringLiteral("ETHE"));
    QCOMPARE(console.field(QStringLiteral("tipoLan")), QStringLiteral("DHCP"));
    QCOMPARE(console.field(QStringLiteral("lanDNS1")), QStringLiteral("8.8.8.8"));
    // The SAT network page shows the same fields.
    console.click(QStringLiteral("BtnConfRede"));
    QCOMPARE(console.find<QComboBox>(QStringLiteral("CbotipoInter"))->currentIndex(), 0);
    QCOMPARE(console.text(QStringLiteral("EdtlanDNS1")), QStringLiteral("8.8.8.8"));
}

void TestMfeNetworkPage::unwritableFolderSendsNothing()
{
    NetworkConsole console;
    QVERIFY(console.blockProgramFile(QStringLiteral("ConfRedeMFE1.xml")));
    show(console);
    console.fill({{kCode, "12345678"}});
    console.click(QStringLiteral("BitVIVO"));
    console.click(kSend);
    const QStringList messages = console.messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(QStringLiteral("ConfRedeMFE1.xml")), qPrintable(messages.first()));
    QVERIFY(console.module.calls().isEmpty());
    QCOMPARE(console.text(kCode), QStringLiteral("12345678"));
}

QTEST_MAIN(TestMfeNetworkPage)
#include "tst_mfenetworkpage.moc"
