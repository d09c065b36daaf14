#include "channel/randomgenerator.h"
#include "channel/sessionnumber.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// The draw written out from its definition: a 16-bit seed from the time of
// day, one linear congruential step, the upper half of state x 999998, plus 1.
QString expectedSessionNumber(const QTime &time)
{
    const quint32 seed = (quint32(time.hour()) * 999u + quint32(time.minute()) * 9999u + quint32(time.second())
                          + quint32(time.msec()) * 34463u) % 65536u;
    const quint32 state = seed * 134775813u + 1u;
    const quint64 drawn = (quint64(state) * 999998u) >> 32;
    return QString::number(drawn + 1).rightJustified(6, QLatin1Char('0'));
}

} // namespace

class TestSessionNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawnFromTimeOfDay_data();
    void drawnFromTimeOfDay();
    void sameMillisecondGivesSameNumber();
    void previousGeneratorStateDoesNotMatter();
    void alwaysSixDigitsWithinRange();
    void textPadsToSixDigits_data();
    void textPadsToSixDigits();
};

void TestSessionNumber::drawnFromTimeOfDay_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected");

    QTest::newRow("midnight: seed 0, lowest number") << QTime(0, 0) << "000001";
    QTest::newRow("value 42 keeps leading zeros") << QTime(0, 2, 49, 954) << "000042";
    QTest::newRow("value 26") << QTime(0, 0, 35, 995) << "000026";
    QTest::newRow("morning") << QTime(10, 20, 30, 400) << "681972";
    QTest::newRow("noon") << QTime(12, 0) << "182712";
    QTest::newRow("one millisecond after midnight") << QTime(0, 0, 0, 1) << "446847";
    QTest::newRow("last millisecond of the day") << QTime(23, 59, 59, 999) << "197451";
}

void TestSessionNumber::drawnFromTimeOfDay()
{
    QFETCH(QTime, time);
    QFETCH(QString, expected);
    RandomGenerator generator;

    QCOMPARE(expectedSessionNumber(time), expected);
    QCOMPARE(SessionNumber::geranumsessao(time, generator), expected);
}

void TestSessionNumber::sameMillisecondGivesSameNumber()
{
    RandomGenerator generator;
    const QTime time(14, 7, 3, 512);
    const QString first = SessionNumber::geranumsessao(time, generator);
    QCOMPARE(SessionNumber::geranumsessao(time, generator), first);
    QVERIFY(SessionNumber::geranumsessao(time.addMSecs(1), generator) != first);
}

void TestSessionNumber::previousGeneratorStateDoesNotMatter()
{
    const QTime time(9, 45, 12, 77);
    RandomGenerator fresh;
    RandomGenerator used;
    used.seed(123456789u);
    used.random(1000);
    used.random(99999998);

    QCOMPARE(SessionNumber::geranumsessao(time, used), SessionNumber::geranumsessao(time, fresh));
    QCOMPARE(SessionNumber::geranumsessao(time, used), expectedSessionNumber(time));
}

void TestSessionNumber::alwaysSixDigitsWithinRange()
{
    const QRegularExpression sixDigits(QStringLiteral("^\\d{6}$"));
    RandomGenerator generator;
    // A sweep over the whole day, minute by minute, through a spread of milliseconds.
    for (int minuteOfDay = 0; minuteOfDay < 24 * 60; ++minuteOfDay) {
        for (int millisecond = 0; millisecond < 1000; millisecond += 7) {
            const QTime time(minuteOfDay / 60, minuteOfDay % 60, minuteOfDay % 60, millisecond);
            const QString number = SessionNumber::geranumsessao(time, generator);
            QVERIFY2(sixDigits.match(number).hasMatch(), qPrintable(number));
            const int value = number.toInt();
            QVERIFY2(value >= 1 && value <= 999998, qPrintable(number));
        }
    }
}

void TestSessionNumber::textPadsToSixDigits_data()
{
    QTest::addColumn<qint32>("numeroSessao");
    QTest::addColumn<QString>("expected");

    QTest::newRow("7") << 7 << "000007";
    QTest::newRow("42") << 42 << "000042";
    QTest::newRow("999998") << 999998 << "999998";
}

void TestSessionNumber::textPadsToSixDigits()
{
    QFETCH(qint32, numeroSessao);
    QFETCH(QString, expected);
    QCOMPARE(SessionNumber::text(numeroSessao), expected);
}

QTEST_GUILESS_MAIN(TestSessionNumber)
#include "tst_sessionnumber.moc"
