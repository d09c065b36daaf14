#include "platform/boundedfile.h"

#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class TestBoundedFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
    void pipeDoesNotBlock();
    void deviceIsNotReadWithoutEnd();
};

void TestBoundedFile::read_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<BoundedFile::Status>("status");

    QTest::newRow("empty") << QByteArray() << qint64(10) << BoundedFile::Status::Read;
    QTest::newRow("at the limit") << QByteArray(10, 'x') << qint64(10) << BoundedFile::Status::Read;
    QTest::newRow("one byte past") << QByteArray(11, 'x') << qint64(10) << BoundedFile::Status::TooLarge;
}

void TestBoundedFile::read()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, limit);
    QFETCH(BoundedFile::Status, status);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("a.xml"));
    QVERIFY(TestFiles::write(path, content));

    const BoundedFile::Result result = BoundedFile::read(path, limit);
    QCOMPARE(result.status, status);
    QCOMPARE(result.bytes, status == BoundedFile::Status::Read ? content : QByteArray());
    QCOMPARE(BoundedFile::read(folder.path(), limit).status, BoundedFile::Status::NotAFile);
    QCOMPARE(BoundedFile::read(folder.filePath(QStringLiteral("none")), limit).status, BoundedFile::Status::NotAFile);
}

void TestBoundedFile::pipeDoesNotBlock()
{
#ifdef Q_OS_UNIX
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pipe.xml"));
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QCOMPARE(BoundedFile::read(path, 100).status, BoundedFile::Status::NotAFile);
#else
    QSKIP("named pipes are a POSIX matter");
#endif
}

void TestBoundedFile::deviceIsNotReadWithoutEnd()
{
#ifdef Q_OS_UNIX
    QTemporaryDir folder;
    const QString link = folder.filePath(QStringLiteral("zero.xml"));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), link));
    QCOMPARE(BoundedFile::read(link, 100).status, BoundedFile::Status::NotAFile);
#else
    QSKIP("no /dev/zero");
#endif
}

QTEST_MAIN(TestBoundedFile)
#include "tst_boundedfile.moc"
