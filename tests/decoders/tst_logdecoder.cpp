#include "decoders/logdecoder.h"

#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#endif

namespace {

const QByteArray kPrefix("2024-01-05 10:00:00|001|"); // the 24 bytes cut from a block line
const QByteArray kStart("SAT|info|================= SuperLog VANTEL ==================");
const QByteArray kEnd("SAT|info|===================================================");
const QString kStartShown = QStringLiteral("   SAT|info|================= SuperLog VANTEL ==================");
const QString kEndShown = QStringLiteral("   SAT|info|===================================================");
const QString kClosing = QStringLiteral("------------------------------------------------------");
const QString kNotFound = QStringLiteral("\n\nNão foi encontrado SuperLog neste trecho do Log\n\n");

QByteArray line(const QByteArray &text)
{
    return kPrefix + text + '\n';
}

// The bytes at the start of a page that follows one no one may read, so a
// search that reads before the text stops the test.
QByteArray afterUnreadablePage(const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    const long page = sysconf(_SC_PAGESIZE);
    void *pages = mmap(nullptr, size_t(2 * page), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED || mprotect(pages, size_t(page), PROT_NONE) != 0)
        qFatal("no guarded page");
    char *text = static_cast<char *>(pages) + page;
    std::memcpy(text, bytes.constData(), size_t(bytes.size()));
    return QByteArray::fromRawData(text, bytes.size());
#else
    return bytes;
#endif
}

} // namespace

class TestLogDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void wholeLog_data();
    void wholeLog();
    void superLog_data();
    void superLog();
    void text_data();
    void text();
};

void TestLogDecoder::decode_data()
{
    QTest::addColumn<QString>("payload");
    QTest::addColumn<QByteArray>("log");

    QTest::newRow("lines") << "bGluaGEgMQpsaW5oYSAy" << QByteArray("linha 1\nlinha 2");
    QTest::newRow("line breaks in the payload skipped") << "bGluaGEg\r\nMQpsaW5o\r\nYSAy" << QByteArray("linha 1\nlinha 2");
    QTest::newRow("characters outside the alphabet skipped") << "bGl*uaGEg MQp$saW5oYSAy" << QByteArray("linha 1\nlinha 2");
    QTest::newRow("non-ASCII characters skipped") << QStringLiteral("bGluaçGEgMQpsaW5oYSAy€") << QByteArray("linha 1\nlinha 2");
    QTest::newRow("character above FF with a letter's low byte skipped")
        << QString::fromUtf16(u"bGlu\u0141aGEgMQpsaW5oYSAy") << QByteArray("linha 1\nlinha 2");
    QTest::newRow("padding inside the payload skipped, its bits carried on")
        << "QUJDRA==RUY=" << QByteArray("ABCD\x04\x54");
    QTest::newRow("not Base64 at all") << "@@@ ### !!!" << QByteArray();
    QTest::newRow("incomplete last group") << "QUJ" << QByteArray("AB");
    QTest::newRow("empty payload") << "" << QByteArray();
    QTest::newRow("NUL ends the text") << "YW50ZXMAZGVwb2lzCmZpbQ==" << QByteArray("antes");
    QTest::newRow("CR LF is one line break") << "dW0NCmRvaXMNCg==" << QByteArray("um\ndois\n");
}

void TestLogDecoder::decode()
{
    QFETCH(QString, payload);
    QFETCH(QByteArray, log);
    QCOMPARE(LogDecoder::decode(payload), log);
}

void TestLogDecoder::wholeLog_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty log: the closing line alone") << QByteArray() << kClosing;
    QTest::newRow("empty lines kept") << QByteArray("a\n\nb") << "a\n\nb\n" + kClosing;
    QTest::newRow("final LF gives a final empty line") << QByteArray("a\n") << "a\n\n" + kClosing;
    QTest::newRow("lone LF: two empty lines") << QByteArray("\n") << "\n\n" + kClosing;
    QTest::newRow("decoded from UTF-8") << QByteArray("opera\xc3\xa7\xc3\xa3o") << "operação\n" + kClosing;
    QTest::newRow("not UTF-8: the code page") << QByteArray("x\xe7y") << "xçy\n" + kClosing;
}

void TestLogDecoder::wholeLog()
{
    QFETCH(QByteArray, log);
    QFETCH(QString, text);
    QCOMPARE(LogDecoder::wholeLog(log), text);
}

void TestLogDecoder::superLog_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QString>("text");

    QTest::newRow("one block") << line("antes") + line(kStart) + line("linha A") + line(kEnd) + line("depois")
                               << "\n" + kStartShown + "\n   linha A\n" + kEndShown;
    QTest::newRow("two blocks: the later one") << line(kStart) + line("velho") + line(kEnd) + line(kStart)
                                                      + line("novo") + line(kEnd)
                                               << "\n" + kStartShown + "\n   novo\n" + kEndShown;
    QTest::newRow("first end marker after the start") << line(kStart) + line("a") + line(kEnd) + line("b") + line(kEnd)
                                                      << "\n" + kStartShown + "\n   a\n" + kEndShown;
    QTest::newRow("start without end") << line(kStart) + line("a") << kNotFound;
    QTest::newRow("end only before the start") << line(kEnd) + line(kStart) + line("a") << kNotFound;
    QTest::newRow("start marker on the first line, end on the last without LF")
        << kStart + '\n' + line("a") + kPrefix + kEnd
        << "\n   == SuperLog VANTEL ==================\n   a\n" + kEndShown;
    QTest::newRow("both markers on the start line") << line(kStart + ' ' + kEnd) + line("fora")
                                                    << "\n" + kStartShown + ' ' + kEnd;
    QTest::newRow("lines of 24 bytes or fewer: the blanks alone") << line(kStart) + kPrefix + "\ncurta\n" + line(kEnd)
                                                                  << "\n" + kStartShown + "\n   \n   \n" + kEndShown;
    QTest::newRow("marker in lower case does not count") << line(kStart.toLower()) + line(kEnd) << kNotFound;
    QTest::newRow("UTF-8 after the cut") << line(kStart) + line("opera\xc3\xa7\xc3\xa3o") + line(kEnd)
                                         << "\n" + kStartShown + "\n   operação\n" + kEndShown;
    QTest::newRow("cut counts bytes") << line(kStart) + QByteArray("12345678901234567890123\xc3\xa7x\n") + line(kEnd)
                                      << "\n" + kStartShown + "\n   §x\n" + kEndShown;
    QTest::newRow("empty log") << QByteArray() << kNotFound;
    QTest::newRow("log shorter than the start marker") << afterUnreadablePage(line("curta")) << kNotFound;
}

void TestLogDecoder::superLog()
{
    QFETCH(QByteArray, log);
    QFETCH(QString, text);
    QCOMPARE(LogDecoder::superLog(log), text);
}

void TestLogDecoder::text_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("payload");
    QTest::addColumn<QString>("text");

    // A block whose lines end in CR LF, after a NUL: nothing of it shows.
    const QString blockAfterNul = QStringLiteral(
        "eAAyMDI0LTAxLTA1IDEwOjAwOjAwfDAwMXxTQVR8aW5mb3w9PT09PT09PT09PT09PT09PSBTdXBlckxvZyBWQU5URUwgPT09PT09PT09PT09"
        "PT09PT09CjIwMjQtMDEtMDUgMTA6MDA6MDB8MDAxfFNBVHxpbmZvfD09PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09"
        "PT09PT09PT09PQ==");
    // The same block with CR LF line ends and no NUL.
    const QString crLfBlock = QStringLiteral(
        "MjAyNC0wMS0wNSAxMDowMDowMHwwMDF8U0FUfGluZm98PT09PT09PT09PT09PT09PT0gU3VwZXJMb2cgVkFOVEVMID09PT09PT09PT09PT09"
        "PT09PQ0KMjAyNC0wMS0wNSAxMDowMDowMHwwMDF8bGluaGENCjIwMjQtMDEtMDUgMTA6MDA6MDB8MDAxfFNBVHxpbmZvfD09PT09PT09PT09"
        "PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09PQ0K");

    QTest::newRow("empty payload, SuperLog") << 2 << "" << kNotFound;
    QTest::newRow("NUL before the block, SuperLog") << 2 << blockAfterNul << kNotFound;
    QTest::newRow("CR LF lines, SuperLog") << 2 << crLfBlock << "\n" + kStartShown + "\n   linha\n" + kEndShown;
    QTest::newRow("any other mode is the SuperLog") << 0 << crLfBlock << "\n" + kStartShown + "\n   linha\n" + kEndShown;
}

void TestLogDecoder::text()
{
    QFETCH(int, mode);
    QFETCH(QString, payload);
    QFETCH(QString, text);
    QCOMPARE(LogDecoder::text(LogDecoder::Mode(mode), payload), text);
}

QTEST_GUILESS_MAIN(TestLogDecoder)
#include "tst_logdecoder.moc"
