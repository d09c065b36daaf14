#include "testfiles.h"

#include "settings/textfilereader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestTextFileReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void LeArquivo_data();
    void LeArquivo();
    void failures();
};

void TestTextFileReader::LeArquivo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("three CR LF lines") << QByteArray("abc\r\ndef\r\nghi\r\n") << QByteArray("abcdefghi");
    QTest::newRow("LF lines, last without break") << QByteArray("abc\ndef\nghi") << QByteArray("abcdefghi");
    QTest::newRow("empty lines") << QByteArray("a\n\n\nb\n") << QByteArray("ab");
    QTest::newRow("lone CR kept") << QByteArray("a\rb\r\n") << QByteArray("a\rb");
    QTest::newRow("ANSI bytes unchanged") << QByteArray("caf\xe9\r\n") << QByteArray("caf\xe9");
    QTest::newRow("byte-order mark dropped") << QByteArray("\xEF\xBB\xBFMIIB\r\nxyz") << QByteArray("MIIBxyz");
    QTest::newRow("empty file") << QByteArray() << QByteArray();
}

void TestTextFileReader::LeArquivo()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("assinatura.txt"));
    QVERIFY(TestFiles::write(path, bytes));
    const TextFileReader::Result result = TextFileReader::LeArquivo(path);
    QCOMPARE(result.status, TextFileReader::Status::Read);
    QCOMPARE(result.content, content);
}

void TestTextFileReader::failures()
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("nada.txt"));
    QCOMPARE(TextFileReader::LeArquivo(missing).status, TextFileReader::Status::NotFound);
    QCOMPARE(TextFileReader::message(TextFileReader::Status::NotFound, missing),
             QStringLiteral("Arquivo: ") + missing + QStringLiteral(" não foi encontrado!"));

    const TextFileReader::Result folderRead = TextFileReader::LeArquivo(folder.path());
    QCOMPARE(folderRead.status, TextFileReader::Status::ReadError);
    QVERIFY(folderRead.content.isEmpty());
    QCOMPARE(TextFileReader::message(TextFileReader::Status::ReadError, folder.path()),
             QStringLiteral("Erro ao tentar acessar o arquivo: ") + folder.path());
}

QTEST_GUILESS_MAIN(TestTextFileReader)
#include "tst_textfilereader.moc"
