#include "platform/ansicodepage.h"

#include <QTest>

namespace {

// Text from UTF-16 units, lone surrogates included.
QString units(std::initializer_list<char16_t> codes)
{
    QString text;
    for (const char16_t code : codes)
        text.append(QChar(code));
    return text;
}

// Marks a missing character where the console writes a character reference.
QByteArray marker(char32_t)
{
    return QByteArrayLiteral("<?>");
}

} // namespace

class TestAnsiCodePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromUnicode_data();
    void fromUnicode();
    void toUnicode_data();
    void toUnicode();
    void fromUnicodeSpellingMissing_data();
    void fromUnicodeSpellingMissing();
    void fromUnicodeExactly_data();
    void fromUnicodeExactly();
    void fromUtf8_data();
    void fromUtf8();
    void roundTrip_data();
    void roundTrip();
    void roundTripOfEveryByte();
    void display_data();
    void display();
};

void TestAnsiCodePage::fromUnicode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ASCII") << QStringLiteral("abc|08000|") << QByteArray("abc|08000|");
    QTest::newRow("Portuguese accents") << QStringLiteral("Ativação é") << QByteArray("Ativa\xe7\xe3o \xe9");
    QTest::newRow("euro sign") << QStringLiteral("\u20ac") << QByteArray("\x80");
    QTest::newRow("outside the code page becomes ?") << QStringLiteral("a\u03a9b") << QByteArray("a?b");
    QTest::newRow("astral character becomes one ?") << QString::fromUtf8("x\xf0\x9f\x98\x80y") << QByteArray("x?y");
    QTest::newRow("control character 1A kept") << QStringLiteral("a\u001a\u03a9") << QByteArray("a\x1a?");
    // Every character outside the code page is exactly one "?".
    QTest::newRow("zero width space") << QStringLiteral("a\u200bb") << QByteArray("a?b");
    QTest::newRow("heart with variation selector") << QStringLiteral("caf\u00e9 \u2764\ufe0f")
                                                   << QByteArray("caf\xe9 ??");
    QTest::newRow("deprecated format character") << QStringLiteral("\u206cx") << QByteArray("?x");
    QTest::newRow("byte-order mark character") << QStringLiteral("\ufeffx") << QByteArray("?x");
    QTest::newRow("lone high surrogate") << units({u'a', 0xD800, u'b'}) << QByteArray("a?b");
    QTest::newRow("lone low surrogate") << units({u'a', 0xDC00, u'b'}) << QByteArray("a?b");
    QTest::newRow("high surrogate at the end") << units({u'a', 0xD83D}) << QByteArray("a?");
    QTest::newRow("pair in reverse order") << units({0xDE00, 0xD83D}) << QByteArray("??");
    QTest::newRow("undefined byte 81 keeps its character") << QStringLiteral("\u0081") << QByteArray("\x81");
    QTest::newRow("replacement character") << QStringLiteral("\ufffd") << QByteArray("?");
    QTest::newRow("above FF with a letter's low byte") << QStringLiteral("\u0141\u0100") << QByteArray("??");
    QTest::newRow("Windows-1252 letters above FF") << QStringLiteral("\u0161\u0178\u0152") << QByteArray("\x9a\x9f\x8c");
}

void TestAnsiCodePage::fromUnicode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(AnsiCodePage::fromUnicode(text), bytes);
}

// Bytes 80 to 9F among ASCII, wherever the eight-byte ASCII check meets
// them; each text goes back to the same bytes.
void TestAnsiCodePage::toUnicode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QByteArray run(40, 'a');
    QTest::newRow("euro sign between letters") << QByteArray("a\x80" "b") << QStringLiteral("a\u20acb");
    QTest::newRow("undefined bytes keep their control characters")
        << QByteArray("a\x81\x8d\x8f\x90\x9d" "b") << QStringLiteral("a\u0081\u008d\u008f\u0090\u009db");
    QTest::newRow("Y with diaeresis") << QByteArray("a\x9f" "b") << QStringLiteral("a\u0178b");
    QTest::newRow("at the start") << QByteArray("\x80" "abc") << QStringLiteral("\u20acabc");
    QTest::newRow("at the end") << QByteArray("abc\x9f") << QStringLiteral("abc\u0178");
    QTest::newRow("after a long ASCII run") << run + "\x80" << QString::fromLatin1(run) + u'\u20ac';
    QTest::newRow("last byte of the first eight") << QByteArray("abcdefg\x8a" "h") << QStringLiteral("abcdefg\u0160h");
    QTest::newRow("first byte of the second eight")
        << QByteArray("abcdefgh\x9c") << QStringLiteral("abcdefgh\u0153");
    QTest::newRow("in the bytes after whole eights")
        << run.left(16) + "x\x84" << QString::fromLatin1(run.left(16)) + QStringLiteral("x\u201e");
    QTest::newRow("long ASCII alone") << run << QString::fromLatin1(run);
}

void TestAnsiCodePage::toUnicode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(AnsiCodePage::toUnicode(bytes), text);
    QCOMPARE(AnsiCodePage::fromUnicode(text), bytes);
}

void TestAnsiCodePage::fromUnicodeSpellingMissing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("each missing character spelled") << QStringLiteral("a\u03a9\u20acb\u03a9") << QByteArray("a<?>\x80" "b<?>");
    QTest::newRow("astral character spelled once") << QString::fromUtf8("x\xf0\x9f\x98\x80y") << QByteArray("x<?>y");
    QTest::newRow("lone surrogates spelled") << units({0xDE00, u'a', 0xD83D}) << QByteArray("<?>a<?>");
    QTest::newRow("question mark is no missing character") << QStringLiteral("?\u03a9?") << QByteArray("?<?>?");
    QTest::newRow("only missing characters") << QString(3000, QChar(0x03a9)) << QByteArray("<?>").repeated(3000);
}

void TestAnsiCodePage::fromUnicodeSpellingMissing()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(AnsiCodePage::fromUnicode(text, marker), bytes);
}

void TestAnsiCodePage::fromUnicodeExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QByteArray>>("bytes");

    QTest::newRow("empty") << QString() << std::optional<QByteArray>(QByteArray());
    QTest::newRow("accents and euro sign") << QStringLiteral("ação €") << std::optional<QByteArray>("a\xe7\xe3o \x80");
    QTest::newRow("question mark and control character")
        << QStringLiteral("?\u001a") << std::optional<QByteArray>("?\x1a");
    QTest::newRow("missing character at the end") << QStringLiteral("ação\u03a9") << std::optional<QByteArray>();
    QTest::newRow("astral character") << QString::fromUtf8("x\xf0\x9f\x98\x80y") << std::optional<QByteArray>();
    QTest::newRow("lone surrogate") << units({u'a', 0xDC00}) << std::optional<QByteArray>();
}

void TestAnsiCodePage::fromUnicodeExactly()
{
    QFETCH(QString, text);
    QFETCH(std::optional<QByteArray>, bytes);
    QCOMPARE(AnsiCodePage::fromUnicodeExactly(text), bytes);
}

void TestAnsiCodePage::fromUtf8_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ASCII") << QByteArray("a|b") << QByteArray("a|b");
    QTest::newRow("accents of two bytes") << QByteArray("a\xc3\xa7\xc3\xa3o") << QByteArray("a\xe7\xe3o");
    QTest::newRow("euro sign of three bytes") << QByteArray("\xe2\x82\xac") << QByteArray("\x80");
    QTest::newRow("missing character spelled") << QByteArray("a\xce\xa9") << QByteArray("a<?>");
    QTest::newRow("four bytes spelled once") << QByteArray("x\xf0\x9f\x98\x80y") << QByteArray("x<?>y");
    QTest::newRow("leading byte-order mark dropped") << QByteArray("\xef\xbb\xbf" "a") << QByteArray("a");
    QTest::newRow("later byte-order mark spelled") << QByteArray("a\xef\xbb\xbf" "b") << QByteArray("a<?>b");
    // What is not UTF-8 is read as Qt reads it: a replacement character a byte.
    QTest::newRow("overlong form") << QByteArray("a\xc0\x80" "b") << QByteArray("a<?><?>b");
    QTest::newRow("encoded surrogate") << QByteArray("a\xed\xa0\x80" "b") << QByteArray("a<?><?><?>b");
    QTest::newRow("sequence cut at the end") << QByteArray("ab\xe2\x82") << QByteArray("ab<?><?>");
    QTest::newRow("stray continuation byte") << QByteArray("\x80x") << QByteArray("<?>x");
    QTest::newRow("above U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << QByteArray("<?><?><?><?>");
}

void TestAnsiCodePage::fromUtf8()
{
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, bytes);
    QCOMPARE(AnsiCodePage::fromUtf8(utf8, marker), bytes);
}

void TestAnsiCodePage::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("back");

    QTest::newRow("ASCII") << QStringLiteral("abc|08000|") << -1 << QStringLiteral("abc|08000|");
    QTest::newRow("accents and euro sign kept") << QStringLiteral("Ativação €") << -1 << QStringLiteral("Ativação €");
    QTest::newRow("missing character") << QStringLiteral("a\u03a9b") << -1 << QStringLiteral("a?b");
    QTest::newRow("surrogate pair is one ?") << QString::fromUtf8("x\xf0\x9f\x98\x80y") << -1 << QStringLiteral("x?y");
    QTest::newRow("lone surrogate") << units({u'a', 0xD800, u'b'}) << -1 << QStringLiteral("a?b");
    QTest::newRow("cut counts a pair as one character") << QString::fromUtf8("ab\xf0\x9f\x98\x80" "cd") << 3
                                                        << QStringLiteral("ab?");
    QTest::newRow("cut after an accent") << QStringLiteral("ação") << 2 << QStringLiteral("aç");
    QTest::newRow("cut longer than the text") << QStringLiteral("abc") << 10 << QStringLiteral("abc");
    QTest::newRow("cut to nothing") << QStringLiteral("abc") << 0 << QString();
}

void TestAnsiCodePage::roundTrip()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(QString, back);
    QCOMPARE(AnsiCodePage::roundTrip(text, length), back);
}

void TestAnsiCodePage::roundTripOfEveryByte()
{
    QByteArray all;
    for (int byte = 1; byte < 256; ++byte)
        all.append(char(byte));
    QCOMPARE(AnsiCodePage::fromUnicode(AnsiCodePage::toUnicode(all)), all);
}

void TestAnsiCodePage::display_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qsizetype>("length");
    QTest::addColumn<QString>("shown");

    QTest::newRow("UTF-8") << QByteArray("opera\xc3\xa7\xc3\xa3o") << qsizetype(-1) << QStringLiteral("operação");
    QTest::newRow("code page") << QByteArray("Diret\xf3rios") << qsizetype(-1) << QStringLiteral("Diretórios");
    QTest::newRow("code page that ends like a lead byte") << QByteArray("n\xe3") << qsizetype(-1) << QStringLiteral("nã");
    QTest::newRow("mixed: UTF-8 and a code-page byte") << QByteArray("M\xc3\xb3" "dulo n\xe3o") << qsizetype(-1)
                                                       << QStringLiteral("MÃ³dulo não");
    QTest::newRow("ASCII") << QByteArray("08000|") << qsizetype(-1) << QStringLiteral("08000|");
    QTest::newRow("UTF-8 cut inside a character") << QByteArray("a\xc3\xa7\xc3\xa3o") << qsizetype(4)
                                                  << QStringLiteral("aç");
    QTest::newRow("code page cut") << QByteArray("a\xe7\xe3o") << qsizetype(3) << QStringLiteral("açã");
    QTest::newRow("encoded surrogate is not UTF-8") << QByteArray("\xed\xa0\x80") << qsizetype(-1)
                                                    << QStringLiteral("í\u00a0€");
}

void TestAnsiCodePage::display()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qsizetype, length);
    QFETCH(QString, shown);
    QCOMPARE(AnsiCodePage::display(AnsiCodePage::toUnicode(bytes), length), shown);
    if (length < 0)
        QCOMPARE(AnsiCodePage::display(bytes), shown);
}

QTEST_MAIN(TestAnsiCodePage)
#include "tst_ansicodepage.moc"
