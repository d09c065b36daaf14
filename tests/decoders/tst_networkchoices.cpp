#include "decoders/networkchoices.h"

#include <QTest>

class TestNetworkChoices : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void redeList_data();
    void redeList();
    void proxyItemOnShow_data();
    void proxyItemOnShow();
};

void TestNetworkChoices::redeList_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("current"); // the list's item before the page is shown
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("sent"); // stored by a send with that item
    QTest::newRow("DHCP") << "DHCP" << 1 << 0 << "DHCP";
    QTest::newRow("IPFIX") << "IPFIX" << 0 << 1 << "IPFIX";
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

QTEST_GUILESS_MAIN(TestNetworkChoices)
#include "tst_networkchoices.moc"
