#include "platform/usbserialprobe.h"

#include <QTest>

class TestUsbSerialProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void valueName_data();
    void valueName();
    void noRegistryMeansNotFound();
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

void TestUsbSerialProbe::noRegistryMeansNotFound()
{
#ifdef Q_OS_WIN
    QSKIP("reads the machine's registry");
#else
    QCOMPARE(UsbSerialProbe::IdentInterface(), 5);
#endif
}

QTEST_GUILESS_MAIN(TestUsbSerialProbe)
#include "tst_usbserialprobe.moc"
