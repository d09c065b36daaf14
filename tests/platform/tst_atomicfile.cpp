#include "platform/atomicfile.h"

#include "platform/savesteps.h"
#include "smallfilesystem.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cerrno>
#include <thread>

namespace {

const QByteArray kOld = QByteArrayLiteral("<config><tipoLan>DHCP</tipoLan></config>\r\n");
const QByteArray kNew = QByteArrayLiteral("<config><tipoLan>IPFIX</tipoLan></config>\r\n");

// The system's steps, but a step given an error fails with it; a start-up
// clean-up of `cleaned`, if named, runs as the file is synced.
struct TestSteps : SaveSteps
{
    int fileSync = 0;
    int renaming = 0;
    int folderSync = 0;
    QString cleaned;

    int syncFile(int descriptor) const override
    {
        if (!cleaned.isEmpty())
            AtomicFile::removeLeftovers(cleaned);
        return fileSync ? fileSync : SaveSteps::syncFile(descriptor);
    }
    int rename(const QString &from, const QString &to) const override
    {
        return renaming ? renaming : SaveSteps::rename(from, to);
    }
    int syncFolder(const QString &folder) const override
    {
        return folderSync ? folderSync : SaveSteps::syncFolder(folder);
    }
};

} // namespace

// The writer on a 64 KB file system that runs out of space or turns read-only,
// with a failing step, and beside a second writer or a start-up clean-up.
class TestAtomicFile : public QObject
{
    Q_OBJECT

public:
    enum class Disk { Free, Full, ReadOnly };
    Q_ENUM(Disk)
    // What stands under an earlier write's temporary name before the write.
    enum class Found { Nothing, KilledWrite, Folder };
    Q_ENUM(Found)

private Q_SLOTS:
    void writesWholeOrKeepsTheTarget_data();
    void writesWholeOrKeepsTheTarget();
    void temporaryOfTheSameTarget_data();
    void temporaryOfTheSameTarget();
    void failedStepIsAFailedSave_data();
    void failedStepIsAFailedSave();
    void twoWritersLeaveOneWholeText();
    void cleanUpDuringASaveTakesOnlyLeftovers();
};

void TestAtomicFile::writesWholeOrKeepsTheTarget_data()
{
    QTest::addColumn<Disk>("disk");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("reason"); // empty: written

    QTest::newRow("fits") << Disk::Free << 20 * 1024 << QString();
    QTest::newRow("empty file") << Disk::Free << 0 << QString();
    QTest::newRow("full disk, a few bytes") << Disk::Full << 10 << QStringLiteral("No space left on device");
    QTest::newRow("full disk, nothing to write") << Disk::Full << 0 << QString();
    QTest::newRow("larger than the disk") << Disk::Free << 100 * 1024 << QStringLiteral("No space left on device");
    QTest::newRow("read-only file system") << Disk::ReadOnly << 10 << QStringLiteral("is not writable");
}

void TestAtomicFile::writesWholeOrKeepsTheTarget()
{
    QFETCH(Disk, disk);
    QFETCH(int, size);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    SmallFileSystem fileSystem(dir.path());
    if (!fileSystem.isMounted())
        QSKIP("mounting a small file system needs root");
    const QString target = dir.filePath(QStringLiteral("ConfRede.xml"));
    QVERIFY(TestFiles::write(target, kOld));
    if (disk == Disk::Full)
        QVERIFY(fileSystem.fill());
    if (disk == Disk::ReadOnly)
        QVERIFY(fileSystem.makeReadOnly());
    const QByteArray bytes(size, 'x');

    const QString problem = AtomicFile::write(target, bytes);

    QVERIFY2(problem.contains(reason), qPrintable(problem));
    QCOMPARE(problem.isEmpty(), reason.isEmpty());
    QCOMPARE(TestFiles::read(target), reason.isEmpty() ? bytes : kOld);
    // No temporary file is left behind.
    QStringList expected{QStringLiteral("ConfRede.xml")};
    if (disk == Disk::Full)
        expected.append(SmallFileSystem::kFiller);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), expected);
}

void TestAtomicFile::temporaryOfTheSameTarget_data()
{
    QTest::addColumn<Found>("found");
    QTest::addColumn<QStringList>("entries"); // what the folder holds afterwards
    QTest::addColumn<QByteArray>("target");

    const QStringList targetOnly{QStringLiteral("ConfRede.xml")};
    QTest::newRow("nothing") << Found::Nothing << targetOnly << kNew;
    // Left for the start-up clean-up, which knows whether a write still holds it.
    const QStringList both{QStringLiteral(".ConfRede.xml.ativacao-tmp"), QStringLiteral("ConfRede.xml")};
    QTest::newRow("left by a killed write") << Found::KilledWrite << both << kNew;
    QTest::newRow("a folder") << Found::Folder << both << kNew;
}

void TestAtomicFile::temporaryOfTheSameTarget()
{
    QFETCH(Found, found);
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, target);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ConfRede.xml"));
    const QString temporary = dir.filePath(QStringLiteral(".ConfRede.xml.ativacao-tmp"));
    QVERIFY(TestFiles::write(path, kOld));
    if (found == Found::KilledWrite)
        QVERIFY(TestFiles::write(temporary, "<config><tipo"));
    if (found == Found::Folder)
        QVERIFY(QDir().mkdir(temporary));

    const QString problem = AtomicFile::write(path, kNew);

    QCOMPARE(problem.isEmpty(), target == kNew);
    QCOMPARE(TestFiles::read(path), target);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), entries);
}

void TestAtomicFile::failedStepIsAFailedSave_data()
{
    QTest::addColumn<int>("fileSync");
    QTest::addColumn<int>("rename");
    QTest::addColumn<int>("folderSync");
    QTest::addColumn<QString>("reason"); // empty: saved
    QTest::addColumn<QByteArray>("target");

    QTest::newRow("file sync") << EIO << 0 << 0 << QStringLiteral("Input/output error") << kOld;
    QTest::newRow("rename") << 0 << EACCES << 0 << QStringLiteral("Permission denied") << kOld;
    // After the rename: the target holds the new text, yet the save failed.
    QTest::newRow("folder sync") << 0 << 0 << EIO << QStringLiteral("Input/output error") << kNew;
    QTest::newRow("folder sync not supported") << 0 << 0 << EINVAL << QString() << kNew;
}

void TestAtomicFile::failedStepIsAFailedSave()
{
    QFETCH(int, fileSync);
    QFETCH(int, rename);
    QFETCH(int, folderSync);
    QFETCH(QString, reason);
    QFETCH(QByteArray, target);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ConfRede.xml"));
    QVERIFY(TestFiles::write(path, kOld));
    TestSteps steps;
    steps.fileSync = fileSync;
    steps.renaming = rename;
    steps.folderSync = folderSync;

    QCOMPARE(AtomicFile(steps).save(path, kNew), reason);

    QCOMPARE(TestFiles::read(path), target);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ConfRede.xml")});
}

// Two consoles saving one settings file: a reader only ever finds one
// writer's whole text, and neither writer is told its save failed.
void TestAtomicFile::twoWritersLeaveOneWholeText()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Parametros.xml"));
    const QByteArray texts[] = {QByteArray(4 << 20, 'a'), QByteArray(4 << 20, 'b')};
    QVERIFY(TestFiles::write(path, texts[0]));
    std::atomic<int> failed{0};
    std::atomic<int> writing{2};
    const auto writer = [&](const QByteArray &bytes) {
        for (int round = 0; round < 30; ++round)
            failed += AtomicFile::write(path, bytes).isEmpty() ? 0 : 1;
        --writing;
    };
    std::thread one(writer, texts[0]);
    std::thread two(writer, texts[1]);
    int torn = 0;
    while (writing > 0) {
        const QByteArray read = TestFiles::read(path);
        torn += read == texts[0] || read == texts[1] ? 0 : 1;
    }
    one.join();
    two.join();

    QCOMPARE(torn, 0);
    QCOMPARE(failed.load(), 0);
}

// A console that starts while another saves: the save's own temporary
// survives the clean-up, a killed save's goes.
void TestAtomicFile::cleanUpDuringASaveTakesOnlyLeftovers()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Parametros.xml"));
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral(".Parametros.xml.0123456789abcdef.ativacao-tmp")), "<da"));
    TestSteps steps;
    steps.cleaned = dir.path();

    QCOMPARE(AtomicFile(steps).save(path, kNew), QString());

    QCOMPARE(TestFiles::read(path), kNew);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Parametros.xml")});
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
