#include "consolefixture.h"
#include "smallfilesystem.h"
#include "testfiles.h"

#include "console/consolestartup.h"
#include "console/tfativacao.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

class TestConsoleStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void argumentsAreTakenAsGiven();
    void defaultFilesBeforeTheWindow();
    void unwritableProgramFolderGivesOneMessage();
    void fullDiskGivesTheMessageAndNoEmptyFile();
    void leftoversAreRemovedBeforeTheWindow();
};

void TestConsoleStartup::argumentsAreTakenAsGiven()
{
    // Options the window framework would consume still count as the first argument.
    QByteArray program("ativacao-mfe"), reverse("-reverse"), admin("/ADMIN");
    char *argv[] = {program.data(), reverse.data(), admin.data()};
    QCOMPARE(ConsoleStartup::arguments(3, argv), (QStringList{QStringLiteral("-reverse"), QStringLiteral("/ADMIN")}));
    QCOMPARE(ConsoleStartup::arguments(1, argv), QStringList());
}

void TestConsoleStartup::defaultFilesBeforeTheWindow()
{
    ConsoleFixture console;
    // Started from its own folder: the window's settings are the defaults just written.
    QDir::setCurrent(console.programFolder());
    console.start();
    QCOMPARE(console.interaction.events, QStringList());
    QVERIFY(QFile::exists(console.programFolder() + QStringLiteral("ConfRede.xml")));
    QCOMPARE(console.window().cds().fieldAsString(QStringLiteral("tipoLan")), QStringLiteral("DHCP"));
    QCOMPARE(console.window().cds().fieldAsString(QStringLiteral("uf")), QStringLiteral("35"));
}

void TestConsoleStartup::unwritableProgramFolderGivesOneMessage()
{
    ConsoleFixture console;
    QDir(console.programFolder()).removeRecursively();
    QFile blocker(console.programFolder().chopped(1)); // a file where the folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    console.start({QStringLiteral("/ADMIN")});
    QCOMPARE(console.interaction.messages(),
             QStringList{QStringLiteral("Não foi possível criar o arquivo de configuração \"ConfRede.xml\"!")});
    QCOMPARE(console.find<QPlainTextEdit>(QStringLiteral("MemoCFe"))->height(), 220); // start-up went on
}

void TestConsoleStartup::fullDiskGivesTheMessageAndNoEmptyFile()
{
    ConsoleFixture console;
    SmallFileSystem disk(console.programFolder());
    if (!disk.isMounted())
        QSKIP("mounting a small file system needs root");
    QVERIFY(disk.fill());

    console.start();
    QCOMPARE(console.interaction.messages(),
             QStringList{QStringLiteral("Não foi possível criar o arquivo de configuração \"ConfRede.xml\"!")});
    QVERIFY(!QFile::exists(console.programFolder() + QStringLiteral("ConfRede.xml")));
}

void TestConsoleStartup::leftoversAreRemovedBeforeTheWindow()
{
    ConsoleFixture console;
    const QString leftover = console.programFolder() + QStringLiteral(".Parametros.xml.ativacao-tmp");
    const QString foreign = console.programFolder() + QStringLiteral("Parametros.xml.backup");
    QVERIFY(TestFiles::write(leftover, "half a file"));
    QVERIFY(TestFiles::write(foreign, "kept"));
    console.start();
    QVERIFY(!QFile::exists(leftover));
    QCOMPARE(TestFiles::read(foreign), QByteArray("kept"));
}

QTEST_MAIN(TestConsoleStartup)
#include "tst_consolestartup.moc"
