#include "platform/atomicfile.h"

#include "smallfilesystem.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kOld = QByteArrayLiteral("<config><tipoLan>DHCP</tipoLan></config>\r\n");
const QByteArray kNew = QByteArrayLiteral("<config><tipoLan>IPFIX</tipoLan></config>\r\n");

} // namespace

// The writer on a 64 KB file system that runs out of space or turns read-only.
class TestAtomicFile : public QObject
{
    Q_OBJECT

public:
    enum class Disk { Free, Full, ReadOnly };
    Q_ENUM(Disk)
    // What stands under the temporary file's name before the write.
    enum class Found { Nothing, KilledWrite, Folder };
    Q_ENUM(Found)

private Q_SLOTS:
    void writesWholeOrKeepsTheTarget_data();
    void writesWholeOrKeepsTheTarget();
    void temporaryOfTheSameTarget_data();
    void temporaryOfTheSameTarget();
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
    QTest::newRow("left by a killed write") << Found::KilledWrite << targetOnly << kNew;
    QTest::newRow("a folder, not written")
        << Found::Folder << QStringList{QStringLiteral(".ConfRede.xml.ativacao-tmp"), QStringLiteral("ConfRede.xml")}
        << kOld;
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

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
