#include "testfiles.h"

#include "settings/textfilereader.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TextFileReader::Status)

class TestTextFileReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void LeArquivo_data();
    void LeArquivo();
    void failures_data();
    void failures();
    void pathUnderAFileIsNotFound();
    void messages();
};

void TestTextFileReader::LeArquivo_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("content"); // null: refused for its characters

    QTest::newRow("three CR LF lines") << QByteArray("abc\r\ndef\r\nghi\r\n") << QByteArray("abcdefghi");
    QTest::newRow("LF lines, last without break") << QByteArray("abc\ndef\nghi") << QByteArray("abcdefghi");
    QTest::newRow("empty lines") << QByteArray("a\n\n\nb\n") << QByteArray("ab");
    QTest::newRow("lone CR kept") << QByteArray("a\rb\r\n") << QByteArray("a\rb");
    QTest::newRow("ANSI bytes unchanged") << QByteArray("caf\xe9\r\n") << QByteArray("caf\xe9");
    QTest::newRow("byte-order mark dropped") << QByteArray("\xEF\xBB\xBFMIIB\r\nxyz") << QByteArray("MIIBxyz");
    QTest::newRow("empty file") << QByteArray() << QByteArray("");
    QTest::newRow("C1 byte and invalid UTF-8 read") << QByteArray("\x81\xe9\xbf") << QByteArray("\x81\xe9\xbf");
    QTest::newRow("control character refused") << QByteArray("abc\x01\r\n") << QByteArray();
    QTest::newRow("NUL refused") << QByteArray("abc\0def", 7) << QByteArray();
    QTest::newRow("U+FFFF in UTF-8 refused") << QByteArray("abc\xef\xbf\xbf") << QByteArray();
}

void TestTextFileReader::LeArquivo()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("assinatura.txt"));
    QVERIFY(TestFiles::write(path, bytes));
    const TextFileReader::Result result = TextFileReader::LeArquivo(path);
    QCOMPARE(result.status,
             content.isNull() ? TextFileReader::Status::InvalidCharacters : TextFileReader::Status::Read);
    QCOMPARE(result.content, content);
}

void TestTextFileReader::failures_data()
{
    QTest::addColumn<QString>("kind"); // of TestFiles::makeUnreadable
    QTest::addColumn<TextFileReader::Status>("status");

    // Only a regular file is a file of that name.
    QTest::newRow("missing") << "missing" << TextFileReader::Status::NotFound;
    QTest::newRow("folder") << "folder" << TextFileReader::Status::NotFound;
#ifdef Q_OS_UNIX
    QTest::newRow("pipe with no writer") << "pipe" << TextFileReader::Status::NotFound;
#endif
    QTest::newRow("300 MB") << "large" << TextFileReader::Status::ReadError;
}

void TestTextFileReader::failures()
{
    QFETCH(QString, kind);
    QFETCH(TextFileReader::Status, status);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cfe.xml"));
    QVERIFY(TestFiles::makeUnreadable(path, kind));
    const TextFileReader::Result result = TextFileReader::LeArquivo(path);
    QCOMPARE(result.status, status);
    QVERIFY(result.content.isEmpty());
}

void TestTextFileReader::pathUnderAFileIsNotFound()
{
    QTemporaryDir folder;
    QVERIFY(TestFiles::write(folder.filePath(QStringLiteral("cfe.xml")), "<CFe/>"));
    const QString path = folder.filePath(QStringLiteral("cfe.xml/x"));
    QCOMPARE(TextFileReader::message(TextFileReader::LeArquivo(path).status, path),
             QStringLiteral("Arquivo: ") + path + QStringLiteral(" não foi encontrado!"));
}

void TestTextFileReader::messages()
{
    const QString name = QStringLiteral("C:\\CFe\\pasta");
    QCOMPARE(TextFileReader::message(TextFileReader::Status::NotFound, name),
             QStringLiteral("Arquivo: C:\\CFe\\pasta não foi encontrado!"));
    QCOMPARE(TextFileReader::message(TextFileReader::Status::ReadError, name),
             QStringLiteral("Erro ao tentar acessar o arquivo: C:\\CFe\\pasta"));
    QCOMPARE(TextFileReader::message(TextFileReader::Status::InvalidCharacters, name),
             QStringLiteral("O arquivo C:\\CFe\\pasta contém caracteres inválidos."));
    QCOMPARE(TextFileReader::message(TextFileReader::Status::Read, name), QString());
}

QTEST_GUILESS_MAIN(TestTextFileReader)
#include "tst_textfilereader.moc"
