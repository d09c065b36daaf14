#include "decoders/logfile.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestLogFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void saveBytes_data();
    void saveBytes();
    void saveReplacesWholeFile();
    void saveFailure_data();
    void saveFailure();
};

void TestLogFile::saveBytes_data()
{
    QTest::addColumn<QString>("memoText");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty memo, empty file") << "" << QByteArray();
    QTest::newRow("CR LF after every line") << "a\n\nb" << QByteArray("a\r\n\r\nb\r\n");
    QTest::newRow("ANSI code page, no byte-order mark") << "operação" << QByteArray("opera\xe7\xe3o\r\n");
    QTest::newRow("euro sign, in the code page") << "R$ 1 = \u20ac" << QByteArray("R$ 1 = \x80\r\n");
    QTest::newRow("arrow outside the code page, UTF-8 with byte-order mark")
        << "operação\n1 \u2192 2" << QByteArray("\xef\xbb\xbfopera\xc3\xa7\xc3\xa3o\r\n1 \xe2\x86\x92 2\r\n");
    QTest::newRow("outside the code page, last line empty")
        << QStringLiteral("\u03a9\n") << QByteArray("\xef\xbb\xbf\xce\xa9\r\n\r\n");
}

void TestLogFile::saveBytes()
{
    QFETCH(QString, memoText);
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("log.txt"));
    QCOMPARE(LogFile::save(path, memoText), LogFile::Outcome::Saved);
    QCOMPARE(TestFiles::read(path), bytes);
}

void TestLogFile::saveReplacesWholeFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("log.txt"));
    QCOMPARE(LogFile::save(path, QStringLiteral("um log mais longo\nsegunda linha")), LogFile::Outcome::Saved);
    QCOMPARE(LogFile::save(path, QStringLiteral("curto")), LogFile::Outcome::Saved);
    QCOMPARE(TestFiles::read(path), QByteArray("curto\r\n"));
}

void TestLogFile::saveFailure_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("an existing folder") << "pasta";
    QTest::newRow("inside a file") << "arquivo/log.txt";
    QTest::newRow("inside a missing folder") << "falta/log.txt";
    QTest::newRow("blanks only") << "   ";
}

void TestLogFile::saveFailure()
{
    QFETCH(QString, name);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("pasta")));
    QVERIFY(TestFiles::write(folder.filePath(QStringLiteral("arquivo")), "antes"));
    QCOMPARE(LogFile::save(folder.filePath(name), QStringLiteral("log")), LogFile::Outcome::NotWritten);
    QCOMPARE(TestFiles::read(folder.filePath(QStringLiteral("arquivo"))), QByteArray("antes"));
}

QTEST_GUILESS_MAIN(TestLogFile)
#include "tst_logfile.moc"
