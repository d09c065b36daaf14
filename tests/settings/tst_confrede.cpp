#include "settings/confrede.h"

#include "settings/clientdataset.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray document(const QByteArray &elements)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><config>" + elements + "</config>\r\n";
}

} // namespace

// The documents' bytes are compared whole; every row names the fields it sets,
// the others stay null.
class TestConfRede : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void recordDocuments_data();
    void recordDocuments();
    void interface2Documents_data();
    void interface2Documents();
    void secondSaveReplacesTheWholeFile();
    void unwritableFolderIsReported();
    void readBackFailures();

private:
    ClientDataSet &record(const QVariantMap &fields);
    QString folder() const { return dir_->path() + QLatin1Char('/'); }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ClientDataSet> cds_;
};

void TestConfRede::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    cds_ = std::make_unique<ClientDataSet>(dir_->filePath(QStringLiteral("Parametros.xml")));
    cds_->Open();
    cds_->Edit();
}

ClientDataSet &TestConfRede::record(const QVariantMap &fields)
{
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        cds_->setFieldAsString(it.key(), it.value().toString());
    return *cds_;
}

void TestConfRede::recordDocuments_data()
{
    QTest::addColumn<QVariantMap>("fields");
    QTest::addColumn<QByteArray>("elements");
    const QVariantMap ethe{{"tipoInter", "ETHE"}, {"tipoLan", "DHCP"}, {"proxy", "0"}};
    const auto with = [](QVariantMap fields, const QVariantMap &changes) {
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            fields.insert(it.key(), it.value());
        return fields;
    };
    const QVariantMap address{{"tipoLan", "IPFIX"}, {"lanIP", "10.0.0.5"}, {"lanMask", "255.255.255.0"},
                              {"lanGW", "10.0.0.1"}, {"lanDNS1", "8.8.8.8"}, {"lanDNS2", "8.8.4.4"},
                              {"usuario", "u"}, {"senha", "s"}};

    QTest::newRow("DHCP leaves out address, login and proxy details")
        << with(ethe, {{"lanIP", "10.0.0.5"}, {"usuario", "u"}, {"proxy_ip", "1.2.3.4"}})
        << QByteArray("<tipoInter>ETHE</tipoInter><tipoLan>DHCP</tipoLan><proxy>0</proxy>");
    QTest::newRow("WIFI with seg NONE has no codigo")
        << with(ethe, {{"tipoInter", "WIFI"}, {"SSID", "loja"}, {"seg", "NONE"}, {"codigo", "k"}})
        << QByteArray("<tipoInter>WIFI</tipoInter><SSID>loja</SSID><seg>NONE</seg>"
                      "<tipoLan>DHCP</tipoLan><proxy>0</proxy>");
    QTest::newRow("WIFI with seg null has an empty codigo")
        << with(ethe, {{"tipoInter", "WIFI"}, {"SSID", "loja"}})
        << QByteArray("<tipoInter>WIFI</tipoInter><SSID>loja</SSID><seg/><codigo/>"
                      "<tipoLan>DHCP</tipoLan><proxy>0</proxy>");
    QTest::newRow("wifi in lower case is no Wi-Fi")
        << with(ethe, {{"tipoInter", "wifi"}, {"SSID", "loja"}})
        << QByteArray("<tipoInter>wifi</tipoInter><tipoLan>DHCP</tipoLan><proxy>0</proxy>");
    QTest::newRow("IPFIX, values as stored with their blanks")
        << with(with(ethe, address), {{"lanIP", " 10.0.0.5 "}})
        << QByteArray("<tipoInter>ETHE</tipoInter><tipoLan>IPFIX</tipoLan><lanIP> 10.0.0.5 </lanIP>"
                      "<lanMask>255.255.255.0</lanMask><lanGW>10.0.0.1</lanGW><lanDNS1>8.8.8.8</lanDNS1>"
                      "<lanDNS2>8.8.4.4</lanDNS2><proxy>0</proxy>");
    QTest::newRow("PPPoE")
        << with(with(ethe, address), {{"tipoLan", "PPPoE"}})
        << QByteArray("<tipoInter>ETHE</tipoInter><tipoLan>PPPoE</tipoLan><usuario>u</usuario><senha>s</senha>"
                      "<proxy>0</proxy>");
    QTest::newRow("proxy 1 has its details, even empty")
        << with(ethe, {{"proxy", "1"}, {"proxy_ip", "10.1.1.1"}})
        << QByteArray("<tipoInter>ETHE</tipoInter><tipoLan>DHCP</tipoLan><proxy>1</proxy>"
                      "<proxy_ip>10.1.1.1</proxy_ip><proxy_porta/><proxy_user/><proxy_senha/>");
    QTest::newRow("proxy 2 has none")
        << with(ethe, {{"proxy", "2"}, {"proxy_ip", "10.1.1.1"}, {"proxy_porta", "3128"}})
        << QByteArray("<tipoInter>ETHE</tipoInter><tipoLan>DHCP</tipoLan><proxy>2</proxy>");
    QTest::newRow("markup escaped, accents in UTF-8")
        << with(ethe, {{"proxy", "1"}, {"proxy_ip", "p"}, {"proxy_porta", "80"}, {"proxy_user", "José"},
                       {"proxy_senha", "a&b<c>d\"e"}})
        << QByteArray("<tipoInter>ETHE</tipoInter><tipoLan>DHCP</tipoLan><proxy>1</proxy><proxy_ip>p</proxy_ip>"
                      "<proxy_porta>80</proxy_porta><proxy_user>Jos\xc3\xa9</proxy_user>"
                      "<proxy_senha>a&amp;b&lt;c&gt;d\"e</proxy_senha>");
    QTest::newRow("proxy not a number goes out as 0")
        << with(ethe, {{"proxy", "x"}, {"proxy_ip", "10.1.1.1"}})
        << QByteArray("<tipoInter>ETHE</tipoInter><tipoLan>DHCP</tipoLan><proxy>0</proxy>");
}

void TestConfRede::recordDocuments()
{
    QFETCH(QVariantMap, fields);
    QFETCH(QByteArray, elements);
    const ClientDataSet &cds = record(fields);
    QCOMPARE(TConfRede::geraxml(cds), document(elements));
    QCOMPARE(TConfRede::geraxmlMFE1(cds, 0), document(elements + "<prioridade>0</prioridade>"));
    QCOMPARE(TConfRede::geraxmlMFE1(cds, 1), document(elements + "<prioridade>1</prioridade>"));
}

void TestConfRede::interface2Documents_data()
{
    QTest::addColumn<int>("rede");
    QTest::addColumn<int>("proxy");
    QTest::addColumn<QString>("blanks");
    QTest::addColumn<int>("prioridade");
    QTest::addColumn<QByteArray>("elements");
    const QByteArray access = "<usuario>claro</usuario><senha>claro</senha><phone>*99#</phone>"
                              "<APN>claro.com.br</APN>";
    QTest::newRow("lists at their start, Ethernet first")
        << 0 << 0 << QString() << 0
        << "<tipoInter>GPR1</tipoInter><tipoLan>DHCP</tipoLan><proxy>0</proxy><prioridade>1</prioridade>" + access;
    QTest::newRow("3G/GPRS first, texts trimmed of blanks and control characters")
        << 0 << 0 << QStringLiteral(" \t\x01") << 1
        << "<tipoInter>GPR1</tipoInter><tipoLan>DHCP</tipoLan><proxy>0</proxy><prioridade>0</prioridade>" + access;
    QTest::newRow("fixed address and proxy with configuration")
        << 1 << 1 << QStringLiteral("  ") << 0
        << "<tipoInter>GPR1</tipoInter><tipoLan>IPFIX</tipoLan><lanIP>ip</lanIP><lanMask>mask</lanMask>"
           "<lanGW>gw</lanGW><lanDNS1>dns1</lanDNS1><lanDNS2>dns2</lanDNS2><proxy>1</proxy>"
           "<proxy_ip>pip</proxy_ip><proxy_porta>pport</proxy_porta><proxy_user>puser</proxy_user>"
           "<proxy_senha>p&amp;&lt;w</proxy_senha><prioridade>1</prioridade>" + access;
}

void TestConfRede::interface2Documents()
{
    QFETCH(int, rede);
    QFETCH(int, proxy);
    QFETCH(QString, blanks);
    QFETCH(int, prioridade);
    QFETCH(QByteArray, elements);
    const auto padded = [&blanks](const char *text) { return blanks + QLatin1String(text) + blanks; };
    TConfRede::Interface2 values;
    values.rede = rede;
    values.proxy = proxy;
    values.address = {padded("ip"), padded("mask"), padded("gw"), padded("dns1"), padded("dns2")};
    values.proxyDetails = {padded("pip"), padded("pport"), padded("puser"), padded("p&<w")};
    values.usuario = padded("claro");
    values.senha = padded("claro");
    values.phone = padded("*99#");
    values.APN = padded("claro.com.br");
    QCOMPARE(TConfRede::geraxmlMFE2(values, prioridade), document(elements));
}

void TestConfRede::secondSaveReplacesTheWholeFile()
{
    ClientDataSet &cds = record({{"tipoInter", "ETHE"}, {"tipoLan", "IPFIX"}, {"lanIP", "10.0.0.5"}, {"proxy", "1"}});
    QCOMPARE(TConfRede::save(folder(), TConfRede::kConfRede, TConfRede::geraxml(cds)), QString());
    cds.setFieldAsString(QStringLiteral("tipoLan"), QStringLiteral("DHCP"));
    cds.setFieldAsString(QStringLiteral("proxy"), QStringLiteral("0"));
    QCOMPARE(TConfRede::save(folder(), TConfRede::kConfRede, TConfRede::geraxml(cds)), QString());

    QCOMPARE(TestFiles::read(folder() + QStringLiteral("ConfRede.xml")),
             document("<tipoInter>ETHE</tipoInter><tipoLan>DHCP</tipoLan><proxy>0</proxy>"));
}

void TestConfRede::unwritableFolderIsReported()
{
    const QString missing = folder() + QStringLiteral("missing/");
    const QString message = TConfRede::save(missing, TConfRede::kConfRedeMFE1, "<config/>");

    const QString path = QDir::toNativeSeparators(missing + QStringLiteral("ConfRedeMFE1.xml"));
    QVERIFY2(message.startsWith(QStringLiteral("Não foi possível gravar o arquivo \"%1\" (").arg(path)),
             qPrintable(message));
    QVERIFY(message.endsWith(QStringLiteral("). A configuração não foi enviada.")));
    QVERIFY(!QFile::exists(missing));
}

void TestConfRede::readBackFailures()
{
    const TConfRede::ReadBack missing = TConfRede::readBack(folder(), TConfRede::kConfRedeMFE1);
    QCOMPARE(missing.message, QStringLiteral("Arquivo ConfRedeMFE1.xml não foi encontrado!"));
    // A folder of that name is no file.
    QVERIFY(TestFiles::makeUnreadable(folder() + QStringLiteral("ConfRede.xml"), QStringLiteral("folder")));
    QCOMPARE(TConfRede::readBack(folder(), TConfRede::kConfRede).message,
             QStringLiteral("Arquivo ConfRede.xml não foi encontrado!"));
    QVERIFY(TestFiles::makeUnreadable(folder() + QStringLiteral("ConfRedeMFE2.xml"), QStringLiteral("large")));
    const TConfRede::ReadBack unreadable = TConfRede::readBack(folder(), TConfRede::kConfRedeMFE2);
    QCOMPARE(unreadable.message, QStringLiteral("Erro ao tentar acessar o arquivo ConfRedeMFE2.xml!"));
    QCOMPARE(unreadable.text, QByteArray());
}

QTEST_GUILESS_MAIN(TestConfRede)
#include "tst_confrede.moc"
