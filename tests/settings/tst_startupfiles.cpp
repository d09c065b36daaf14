#include "settings/startupfiles.h"

#include "temporarywineprefix.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray referenceFile(const char *name)
{
    return TestFiles::read(QStringLiteral(TEST_DATA_DIR "/") + QLatin1String(name));
}

// A link to a folder that does not exist: the name is free, yet no file can
// be written through it, not even by root.
void makeUnwritable(const QString &path)
{
    QVERIFY(QFile::link(QStringLiteral("/nonexistent-folder/target.xml"), path));
}

const QByteArray kExisting = QByteArrayLiteral("left alone, whatever it holds");

} // namespace

class TestStartupFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultTextsMatchTheReferenceFiles();
    void writesOnlyTheMissingFiles_data();
    void writesOnlyTheMissingFiles();
    void unwritableProgramFolderFailsOnConfRede_data();
    void unwritableProgramFolderFailsOnConfRede();
    void confRedeFailureStopsBeforeParametros();
    void parametrosFailureIsReported();
    void messages_data();
    void messages();
    void leftoversOfOurOwnSavesOnly_data();
    void leftoversOfOurOwnSavesOnly();

private:
    QTemporaryDir dir_;
};

void TestStartupFiles::defaultTextsMatchTheReferenceFiles()
{
    QCOMPARE(StartupFiles::defaultConfRede(), referenceFile("ConfRede.default.xml"));
    QCOMPARE(StartupFiles::defaultParametros(), referenceFile("Parametros.default.xml"));
}

void TestStartupFiles::writesOnlyTheMissingFiles_data()
{
    QTest::addColumn<bool>("confRedePresent");
    QTest::addColumn<bool>("parametrosPresent");
    QTest::newRow("both missing") << false << false;
    QTest::newRow("only ConfRede missing") << false << true;
    QTest::newRow("only Parametros missing") << true << false;
    QTest::newRow("both present") << true << true;
}

void TestStartupFiles::writesOnlyTheMissingFiles()
{
    QFETCH(bool, confRedePresent);
    QFETCH(bool, parametrosPresent);
    QTemporaryDir folder;
    const QString confRede = folder.filePath(QStringLiteral("ConfRede.xml"));
    const QString parametros = folder.filePath(QStringLiteral("Parametros.xml"));
    if (confRedePresent)
        QVERIFY(TestFiles::write(confRede, kExisting));
    if (parametrosPresent)
        QVERIFY(TestFiles::write(parametros, kExisting));

    QCOMPARE(StartupFiles::CheckConfigs(folder.path() + QLatin1Char('/')), StartupFiles::Result::Ok);

    QCOMPARE(TestFiles::read(confRede), confRedePresent ? kExisting : referenceFile("ConfRede.default.xml"));
    QCOMPARE(TestFiles::read(parametros), parametrosPresent ? kExisting : referenceFile("Parametros.default.xml"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestStartupFiles::unwritableProgramFolderFailsOnConfRede_data()
{
    QTest::addColumn<QString>("programFolder");
    const QString regularFile = dir_.filePath(QStringLiteral("a-regular-file"));
    QVERIFY(TestFiles::write(regularFile, "x"));
    QTest::newRow("folder is a regular file") << regularFile + QLatin1Char('/');
    QTest::newRow("folder does not exist") << dir_.filePath(QStringLiteral("missing/nested/"));
}

void TestStartupFiles::unwritableProgramFolderFailsOnConfRede()
{
    QFETCH(QString, programFolder);
    QCOMPARE(StartupFiles::CheckConfigs(programFolder), StartupFiles::Result::ConfRedeFailed);
    QVERIFY(!QFile::exists(programFolder + QStringLiteral("ConfRede.xml")));
}

void TestStartupFiles::confRedeFailureStopsBeforeParametros()
{
    QTemporaryDir folder;
    makeUnwritable(folder.filePath(QStringLiteral("ConfRede.xml")));

    QCOMPARE(StartupFiles::CheckConfigs(folder.path() + QLatin1Char('/')), StartupFiles::Result::ConfRedeFailed);
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("Parametros.xml"))));
}

void TestStartupFiles::parametrosFailureIsReported()
{
    QTemporaryDir folder;
    makeUnwritable(folder.filePath(QStringLiteral("Parametros.xml")));

    QCOMPARE(StartupFiles::CheckConfigs(folder.path() + QLatin1Char('/')), StartupFiles::Result::ParametrosFailed);
    QCOMPARE(TestFiles::read(folder.filePath(QStringLiteral("ConfRede.xml"))), referenceFile("ConfRede.default.xml"));
}

void TestStartupFiles::messages_data()
{
    QTest::addColumn<StartupFiles::Result>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("ok") << StartupFiles::Result::Ok << QString();
    QTest::newRow("ConfRede") << StartupFiles::Result::ConfRedeFailed
                              << QStringLiteral("Não foi possível criar o arquivo de configuração \"ConfRede.xml\"!");
    QTest::newRow("Parametros") << StartupFiles::Result::ParametrosFailed
                                << QStringLiteral("Não foi possível criar o arquivo de configuração \"Parametros.xml\"!");
}

void TestStartupFiles::messages()
{
    QFETCH(StartupFiles::Result, result);
    QFETCH(QString, message);
    QCOMPARE(StartupFiles::message(result), message);
}

void TestStartupFiles::leftoversOfOurOwnSavesOnly_data()
{
    QTest::addColumn<QString>("folder"); // "program", "work" or the Integrador's "input"
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isFolder");
    QTest::addColumn<bool>("removed");
    // Killed saves of every file the console writes.
    QTest::newRow("settings") << "program" << ".Parametros.xml.ativacao-tmp" << false << true;
    QTest::newRow("settings in the working folder") << "work" << ".Parametros.xml.ativacao-tmp" << false << true;
    QTest::newRow("network document") << "program" << ".ConfRede.xml.ativacao-tmp" << false << true;
    QTest::newRow("MF-e interface 1") << "program" << ".ConfRedeMFE1.xml.ativacao-tmp" << false << true;
    QTest::newRow("MF-e interface 2") << "program" << ".ConfRedeMFE2.xml.ativacao-tmp" << false << true;
    QTest::newRow("CFe.xml") << "program" << ".CFe.xml.ativacao-tmp" << false << true;
    QTest::newRow("log saved in the working folder") << "work" << ".log.txt.ativacao-tmp" << false << true;
    QTest::newRow("Integrador request") << "input" << ".ConsultarMFe12345678.xml.ativacao-tmp" << false << true;
    QTest::newRow("settings, as saves name it now")
        << "program" << ".Parametros.xml.3f9a0c1d2e4b5a69.ativacao-tmp" << false << true;
    // The technician's own files, and names that only look like ours.
    QTest::newRow("settings backup") << "program" << "Parametros.xml.backup" << false << false;
    QTest::newRow("old settings") << "program" << "Parametros.xml.antigo" << false << false;
    QTest::newRow("network backup") << "program" << "ConfRede.xml.backup" << false << false;
    QTest::newRow("six letters") << "program" << "Parametros.xml.AbCdEf" << false << false;
    QTest::newRow("no leading dot") << "program" << "Parametros.xml.ativacao-tmp" << false << false;
    QTest::newRow("the ending alone") << "program" << ".ativacao-tmp" << false << false;
    QTest::newRow("a further ending") << "program" << ".Parametros.xml.ativacao-tmp.bak" << false << false;
    QTest::newRow("a folder") << "program" << ".ConfRede.xml.ativacao-tmp" << true << false;
    QTest::newRow("Integrador's own file") << "input" << "ConsultarMFe12345678.xml" << false << false;
}

void TestStartupFiles::leftoversOfOurOwnSavesOnly()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(bool, isFolder);
    QFETCH(bool, removed);
    TemporaryWinePrefix prefix;
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("program")) && QDir(root.path()).mkpath(QStringLiteral("work")));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(root.filePath(QStringLiteral("work"))));
    const QString entry = (folder == QLatin1String("input") ? prefix.input() : root.filePath(folder)) + u'/' + name;
    QVERIFY(isFolder ? QDir().mkdir(entry) : TestFiles::write(entry, "half a file"));

    StartupFiles::removeLeftovers(root.filePath(QStringLiteral("program/")));

    QDir::setCurrent(previous);
    QCOMPARE(QFileInfo::exists(entry), !removed);
}

QTEST_GUILESS_MAIN(TestStartupFiles)
#include "tst_startupfiles.moc"
