#include "channel/base64file.h"

#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestBase64File : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineBreaks_data();
    void lineBreaks();
    void knownText();
    void unreadableFileGivesEmptyText();
};

void TestBase64File::lineBreaks_data()
{
    QTest::addColumn<int>("byteCount");
    QTest::addColumn<QList<int>>("lineLengths");

    // 57 bytes make exactly 76 Base64 characters.
    QTest::newRow("empty file") << 0 << QList<int>{};
    QTest::newRow("short line") << 10 << QList<int>{16};
    QTest::newRow("just under a line") << 54 << QList<int>{72};
    QTest::newRow("padded full line") << 56 << QList<int>{76, 0};
    QTest::newRow("exactly one line") << 57 << QList<int>{76, 0};
    QTest::newRow("one line and a bit") << 58 << QList<int>{76, 4};
    QTest::newRow("exactly two lines") << 114 << QList<int>{76, 76, 0};
    QTest::newRow("three lines and a bit") << 200 << QList<int>{76, 76, 76, 40};
}

void TestBase64File::lineBreaks()
{
    QFETCH(int, byteCount);
    QFETCH(QList<int>, lineLengths);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("data.bin"));
    QByteArray bytes;
    for (int index = 0; index < byteCount; ++index)
        bytes.append(char(index * 37 + 11));
    QVERIFY(TestFiles::write(path, bytes));

    const QString text = Base64File::EncodeFile(path);

    QList<int> lengths;
    if (!text.isEmpty()) {
        for (const QString &line : text.split(QStringLiteral("\r\n")))
            lengths.append(int(line.size()));
    }
    QCOMPARE(lengths, lineLengths);
    QCOMPARE(QByteArray::fromBase64(QString(text).remove(QStringLiteral("\r\n")).toLatin1()), bytes);
}

void TestBase64File::knownText()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("texto.txt"));
    QVERIFY(TestFiles::write(path, "Ativa\xe7\xe3o"));

    QCOMPARE(Base64File::EncodeFile(path), QStringLiteral("QXRpdmHn428="));
}

void TestBase64File::unreadableFileGivesEmptyText()
{
    QTemporaryDir folder;
    QCOMPARE(Base64File::EncodeFile(folder.filePath(QStringLiteral("absent.bin"))), QString());
    QCOMPARE(Base64File::EncodeFile(folder.path()), QString());
}

QTEST_GUILESS_MAIN(TestBase64File)
#include "tst_base64file.moc"
