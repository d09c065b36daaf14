#include "channel/integradorexchange.h"
#include "channel/randomgenerator.h"
#include "platform/systemclock.h"
#include "temporarywineprefix.h"

#include <QDir>
#include <QProcess>
#include <QTest>

// The exchange on the real clock against the fake Integrador as its own process.
class TestIntegradorProcess : public QObject
{
    Q_OBJECT

private:
    static bool start(QProcess &process, const QStringList &arguments)
    {
        process.setProgram(QStringLiteral(FAKE_INTEGRADOR_PROGRAM));
        process.setArguments(arguments);
        process.setProcessEnvironment(QProcessEnvironment::systemEnvironment()); // carries WINEPREFIX
        process.start();
        return process.waitForStarted();
    }

private Q_SLOTS:
    void answersEachRequest()
    {
        TemporaryWinePrefix prefix;
        QProcess fake;
        QVERIFY(start(fake, {"--reply", "{sessao}|08000|MF-e em opera\u00e7\u00e3o|||", "--timeout-seconds", "30"}));
        SystemClock clock;
        RandomGenerator generator;
        IntegradorExchange exchange(clock, generator);

        QCOMPARE(exchange.send(Command::ConsultarSAT, 42, {}), QByteArray("000042|08000|MF-e em opera\xc3\xa7\xc3\xa3o|||"));
        QTest::qWait(2); // a new millisecond, a new identifier
        QCOMPARE(exchange.send(Command::ConsultarSAT, 43, {}), QByteArray("000043|08000|MF-e em opera\xc3\xa7\xc3\xa3o|||"));
        QCOMPARE(QDir(prefix.input()).entryList(QDir::Files).size(), 2); // requests stay

        fake.terminate();
        QVERIFY(fake.waitForFinished(5000));
    }

    void errorReply()
    {
        TemporaryWinePrefix prefix;
        QProcess fake;
        QVERIFY(start(fake, {"--error", "Integrador sem resposta", "--once"}));
        SystemClock clock;
        RandomGenerator generator;
        IntegradorExchange exchange(clock, generator);
        QCOMPARE(exchange.send(Command::ExtrairLogs, 1, {QByteArray("12345678")}),
                 QByteArray("Integrador sem resposta"));
        // It answered once and left; the exchange's wait turns an event loop,
        // which may have seen the end already.
        QVERIFY(fake.state() == QProcess::NotRunning || fake.waitForFinished(5000));
    }
};

QTEST_GUILESS_MAIN(TestIntegradorProcess)
#include "tst_integradorprocess.moc"
