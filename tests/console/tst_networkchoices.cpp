#include "console/networkchoices.h"

#include <QTest>

class TestNetworkChoices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void interfaceList_data();
    void interfaceList();
    void redeList_data();
    void redeList();
    void proxyItemOnShow_data();
    void proxyItemOnShow();
    void enableRule_data();
    void enableRule();
};

void TestNetworkChoices::interfaceList_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("sent"); // stored again after a send with that item
    QTest::addColumn<QString>("mfeText");
    QTest::newRow("ETHE") << "ETHE" << 0 << "ETHE" << "ETHERNET";
    QTest::newRow("WIFI kept") << "WIFI" << -1 << "WIFI" << "WIFI";
    QTest::newRow("lower case is another value") << "ethe" << -1 << "ethe" << "WIFI";
    QTest::newRow("empty") << "" << -1 << "" << "WIFI";
}

void TestNetworkChoices::interfaceList()
{
    QFETCH(QString, stored);
    QFETCH(int, item);
    QFETCH(QString, sent);
    QFETCH(QString, mfeText);
    QCOMPARE(NetworkChoices::interfaceItem(stored), item);
    QCOMPARE(NetworkChoices::interfaceValue(item, stored), sent);
    QCOMPARE(NetworkChoices::interfaceText(stored), mfeText);
}

void TestNetworkChoices::redeList_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("sent");
    QTest::newRow("DHCP") << "DHCP" << 1 << 0 << "DHCP";
    QTest::newRow("IPFIX") << "IPFIX" << 0 << 1 << "IPFIX";
    QTest::newRow("PPPoE keeps the first showing's DHCP") << "PPPoE" << 0 << 0 << "DHCP";
    QTest::newRow("PPPoE keeps a chosen fixed address") << "PPPoE" << 1 << 1 << "IPFIX";
    QTest::newRow("case matters") << "dhcp" << 1 << 1 << "IPFIX";
    QTest::newRow("no item keeps the stored value") << "PPPoE" << -1 << -1 << "PPPoE";
}

void TestNetworkChoices::redeList()
{
    QFETCH(QString, stored);
    QFETCH(int, current);
    QFETCH(int, item);
    QFETCH(QString, sent);
    QCOMPARE(NetworkChoices::redeItem(stored, current), item);
    QCOMPARE(NetworkChoices::redeValue(item, stored), sent);
}

void TestNetworkChoices::proxyItemOnShow_data()
{
    QTest::addColumn<std::optional<int>>("stored");
    QTest::addColumn<int>("item");
    QTest::newRow("none") << std::optional<int>(0) << 0;
    QTest::newRow("with configuration") << std::optional<int>(1) << 1;
    QTest::newRow("transparent") << std::optional<int>(2) << 2;
    QTest::newRow("not a number") << std::optional<int>() << 0;
    QTest::newRow("past the last item") << std::optional<int>(3) << 0;
    QTest::newRow("negative") << std::optional<int>(-1) << 0;
}

void TestNetworkChoices::proxyItemOnShow()
{
    QFETCH(std::optional<int>, stored);
    QFETCH(int, item);
    QCOMPARE(NetworkChoices::proxyItem(stored), item);
}

void TestNetworkChoices::enableRule_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<std::optional<bool>>("enabled");
    QTest::newRow("DHCP or NENHUM off") << 0 << std::optional<bool>(false);
    QTest::newRow("IP FIXO or COM CONFIGURAÇÃO on") << 1 << std::optional<bool>(true);
    QTest::newRow("TRANSPARENTE off") << 2 << std::optional<bool>(false);
    QTest::newRow("no item leaves them") << -1 << std::optional<bool>();
}

void TestNetworkChoices::enableRule()
{
    QFETCH(int, item);
    QFETCH(std::optional<bool>, enabled);
    QCOMPARE(NetworkChoices::enablesEdits(item), enabled);
}

QTEST_GUILESS_MAIN(TestNetworkChoices)
#include "tst_networkchoices.moc"
