#include "consolefixture.h"
#include "testfiles.h"

#include "console/tfativacao.h"
#include "platform/systemclock.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

// The real executable and the fake Integrador as their own processes.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programCreatesItsDefaultFiles();
    void moduleCheckAgainstIntegradorProcess();
};

void TestEndToEnd::programCreatesItsDefaultFiles()
{
    ConsoleFixture folders;
    const QString program = folders.programFolder() + QStringLiteral("ativacao-mfe");
    QVERIFY(QFile::copy(QStringLiteral(CONSOLE_PROGRAM), program));

    QProcess console;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    console.setProcessEnvironment(environment);
    console.setWorkingDirectory(folders.workingFolder());
    console.start(program, {QStringLiteral("/ADMIN")});
    QVERIFY(console.waitForStarted());
    const QString parametros = folders.programFolder() + QStringLiteral("Parametros.xml");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(parametros), 10000);
    QCOMPARE(console.state(), QProcess::Running); // the window is up, waiting for the technician
    console.kill();
    console.waitForFinished();

    QCOMPARE(TestFiles::read(folders.programFolder() + QStringLiteral("ConfRede.xml")),
             TestFiles::read(QStringLiteral(TEST_DATA_DIR "/ConfRede.default.xml")));
    QCOMPARE(TestFiles::read(parametros), TestFiles::read(QStringLiteral(TEST_DATA_DIR "/Parametros.default.xml")));
}

void TestEndToEnd::moduleCheckAgainstIntegradorProcess()
{
    ConsoleFixture console;
    QProcess integrador;
    integrador.setProcessEnvironment(QProcessEnvironment::systemEnvironment()); // the fixture's WINEPREFIX
    integrador.start(QStringLiteral(FAKE_INTEGRADOR_PROGRAM),
                     {QStringLiteral("--reply"), QStringLiteral("{sessao}|08000|MFE em operação|||"),
                      QStringLiteral("--timeout-seconds"), QStringLiteral("30")});
    QVERIFY(integrador.waitForStarted());

    SystemClock clock;
    console.start({}, clock);
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BtnPrincipal")), Qt::LeftButton);
    QCOMPARE(console.find<QLabel>(QStringLiteral("lbloperante"))->text(), QStringLiteral("MFE em operação"));
    QCOMPARE(console.interaction.events, QStringList());
    QCOMPARE(QDir(console.prefix.output()).entryList(QDir::Files), QStringList()); // the reply was taken

    integrador.terminate();
    QVERIFY(integrador.waitForFinished(5000));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
