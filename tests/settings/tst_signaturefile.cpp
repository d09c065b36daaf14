#include "settings/signaturefile.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QTest>

class TestSignatureFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void read_data();
    void read();
};

void TestSignatureFile::read_data()
{
    QTest::addColumn<QString>("kind"); // "file", "missing", "folder", "pipe" or "large"
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("signature");
    QTest::addColumn<QString>("message");

    const QString notFound = QStringLiteral("Arquivo especificado não foi encontrado!");
    const QString unreadable = QStringLiteral("Erro ao tentar acessar o arquivo especificado!");
    QTest::newRow("two lines, blanks kept") << "file" << QByteArray("  um \r\ndois \n") << "  um dois " << "";
    QTest::newRow("ANSI letter") << "file" << QByteArray("assinatura \xe7") << "assinatura ç" << "";
    QTest::newRow("empty file") << "file" << QByteArray() << "" << "";
    QTest::newRow("missing") << "missing" << QByteArray() << "" << notFound;
    QTest::newRow("folder") << "folder" << QByteArray() << "" << notFound;
#ifdef Q_OS_UNIX
    QTest::newRow("pipe with no writer") << "pipe" << QByteArray() << "" << notFound;
#endif
    QTest::newRow("300 MB") << "large" << QByteArray() << "" << unreadable;
}

void TestSignatureFile::read()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, signature);
    QFETCH(QString, message);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("assinatura.txt"));
    if (kind == QLatin1String("file"))
        QVERIFY(TestFiles::write(path, bytes));
    else
        QVERIFY(TestFiles::makeUnreadable(path, kind));

    const SignatureFile::Result result = SignatureFile::read(path);
    QCOMPARE(result.read, message.isEmpty());
    QCOMPARE(result.signature, signature);
    QCOMPARE(result.message, message);
}

QTEST_GUILESS_MAIN(TestSignatureFile)
#include "tst_signaturefile.moc"
