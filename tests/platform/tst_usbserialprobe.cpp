#include "platform/usbserialprobe.h"

#include <QTest>

class TestUsbSerialProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueName_data();
    void valueName();
    void interface_data();
    void interface();
};

void TestUsbSerialProbe::valueName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usbSerial");

    QTest::newRow("driver name") << "\\Device\\USBSER000" << true;
    QTest::newRow("lower case") << "\\device\\usbser001" << true;
    QTest::newRow("exactly the prefix") << "\\DEVICE\\USBSER" << true;
    QTest::newRow("prefix cut short") << "\\Device\\USBSE" << false;
    QTest::newRow("other serial port") << "\\Device\\Serial0" << false;
    QTest::newRow("prefix not at the start") << "x\\Device\\USBSER000" << false;
    QTest::newRow("empty") << "" << false;
}

void TestUsbSerialProbe::valueName()
{
    QFETCH(QString, name);
    QFETCH(bool, usbSerial);
    QCOMPARE(UsbSerialProbe::isUsbSerialValueName(name), usbSerial);
}

void TestUsbSerialProbe::interface_data()
{
    QTest::addColumn<QStringList>("portNames");
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<int>("result");

    QTest::newRow("both found") << QStringList{"COM3"} << QStringList{"COM3"} << 0;
    QTest::newRow("lists that differ still count") << QStringList{"COM3"} << QStringList{"COM7", "COM8"} << 0;
    QTest::newRow("no port name") << QStringList() << QStringList{"COM3"} << 5;
    QTest::newRow("no USB serial device") << QStringList{"COM3"} << QStringList() << 5;
    QTest::newRow("nothing") << QStringList() << QStringList() << 5;
}

void TestUsbSerialProbe::interface()
{
    QFETCH(QStringList, portNames);
    QFETCH(QStringList, devices);
    QFETCH(int, result);
    QCOMPARE(UsbSerialProbe::interfaceFor(portNames, devices), result);
}

QTEST_GUILESS_MAIN(TestUsbSerialProbe)
#include "tst_usbserialprobe.moc"
