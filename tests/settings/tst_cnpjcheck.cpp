#include "settings/cnpjcheck.h"

#include <QTest>

class TestCnpjCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isCNPJ_data();
    void isCNPJ();
};

void TestCnpjCheck::isCNPJ_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("valid") << "11222333000181" << true;
    QTest::newRow("first remainder 0 gives 0") << "00000001583808" << true;
    QTest::newRow("first remainder 1 gives 0") << "00000007127103" << true;
    QTest::newRow("second remainder 0 gives 0") << "00000000791970" << true;
    QTest::newRow("second remainder 1 gives 0") << "00000012670430" << true;
    QTest::newRow("first remainder 2 gives 9") << "00000000000191" << true;
    QTest::newRow("13th digit changed") << "11222333000191" << false;
    QTest::newRow("14th digit changed") << "11222333000182" << false;
    QTest::newRow("check digits swapped") << "11222333000118" << false;
    QTest::newRow("with dots, slash and dash") << "11.222.333/0001-81" << false;
    QTest::newRow("13 digits") << "1122233300018" << false;
    QTest::newRow("15 digits") << "112223330001810" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("letter in the body") << "11222a33000181" << false;
    QTest::newRow("blank in the body") << "11222 33000181" << false;
    QTest::newRow("letter as 14th") << "1122233300018a" << false;
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("11222333000\u0661" "81") << false;
    for (char digit = '0'; digit <= '9'; ++digit)
        QTest::addRow("repeated %c", digit) << QString(14, QLatin1Char(digit)) << false;
}

void TestCnpjCheck::isCNPJ()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(CnpjCheck::isCNPJ(text), valid);
}

QTEST_GUILESS_MAIN(TestCnpjCheck)
#include "tst_cnpjcheck.moc"
