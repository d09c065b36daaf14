#include "settings/tabelauf.h"

#include <QTest>

class TestTabelaUF : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void holdsTheStatesInOrder_data();
    void holdsTheStatesInOrder();
    void rowsOutsideTheTableAreDetected_data();
    void rowsOutsideTheTableAreDetected();
};

void TestTabelaUF::holdsTheStatesInOrder_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("abbreviation");
    const char *const states[][2] = {
        {"12", "AC"}, {"27", "AL"}, {"13", "AM"}, {"16", "AP"}, {"29", "BA"}, {"23", "CE"}, {"53", "DF"},
        {"32", "ES"}, {"52", "GO"}, {"21", "MA"}, {"31", "MG"}, {"50", "MS"}, {"51", "MT"}, {"15", "PA"},
        {"25", "PB"}, {"26", "PE"}, {"22", "PI"}, {"41", "PR"}, {"33", "RJ"}, {"24", "RN"}, {"11", "RO"},
        {"14", "RR"}, {"43", "RS"}, {"42", "SC"}, {"28", "SE"}, {"35", "SP"}, {"17", "TO"},
    };
    int row = 0;
    for (const auto &state : states) {
        QTest::addRow("%s", state[1]) << row << QString::fromLatin1(state[0]) << QString::fromLatin1(state[1]);
        ++row;
    }
}

void TestTabelaUF::holdsTheStatesInOrder()
{
    QFETCH(int, row);
    QFETCH(QString, code);
    QFETCH(QString, abbreviation);
    QCOMPARE(TabelaUF::count(), 27);
    QVERIFY(TabelaUF::isValidRow(row));
    QCOMPARE(TabelaUF::code(row), code);
    QCOMPARE(TabelaUF::abbreviation(row), abbreviation);
}

void TestTabelaUF::rowsOutsideTheTableAreDetected_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("negative") << -1;
    QTest::newRow("one past the end") << 27;
    QTest::newRow("stored default 35") << 35;
}

void TestTabelaUF::rowsOutsideTheTableAreDetected()
{
    QFETCH(int, row);
    QVERIFY(!TabelaUF::isValidRow(row));
    QVERIFY(TabelaUF::code(row).isEmpty());
    QVERIFY(TabelaUF::abbreviation(row).isEmpty());
}

QTEST_GUILESS_MAIN(TestTabelaUF)
#include "tst_tabelauf.moc"
