#include "channel/replyfields.h"

#include <QTest>

class TestReplyFields : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
    void appendsWithoutClearing();
    void missingListGivesZero();
};

void TestReplyFields::split_data()
{
    QTest::addColumn<QByteArray>("separators");
    QTest::addColumn<QByteArray>("whiteSpace");
    QTest::addColumn<QString>("content");
    QTest::addColumn<QStringList>("fields");

    const QByteArray bar("|");
    const QByteArray none;
    const QByteArray lineFeed("\n");

    QTest::newRow("reply") << bar << none << "123456|08000|MFE em operação|||x"
                           << QStringList{"123456", "08000", "MFE em operação", "", "", "x"};
    QTest::newRow("trailing separator") << bar << none << "a|b|" << QStringList{"a", "b", ""};
    QTest::newRow("lone separator") << bar << none << "|" << QStringList{"", ""};
    QTest::newRow("empty text") << bar << none << "" << QStringList{};
    QTest::newRow("no separator") << bar << none << "texto" << QStringList{"texto"};
    QTest::newRow("two empty tax-authority fields") << bar << none << "000042|04000|Ativado||"
                                                    << QStringList{"000042", "04000", "Ativado", "", ""};
    QTest::newRow("quotes are ordinary characters") << bar << none << "a\"b|c'd|\"e|f\""
                                                    << QStringList{"a\"b", "c'd", "\"e", "f\""};
    QTest::newRow("blanks kept") << bar << none << " a | b |  " << QStringList{" a ", " b ", "  "};
    QTest::newRow("CR LF lines keep CR, final LF ends with empty line")
        << lineFeed << none << "um\r\ndois\r\n\r\ntres\n" << QStringList{"um\r", "dois\r", "\r", "tres", ""};
    QTest::newRow("non-ASCII beside separators") << bar << none << QString::fromUtf16(u"ação|\u03a9||€|")
                                                 << QStringList{"ação", QString::fromUtf16(u"\u03a9"), "", "€", ""};
    QTest::newRow("CR is no separator") << bar << none << "a\rb|c" << QStringList{"a\rb", "c"};
    QTest::newRow("embedded zero ends the text") << bar << none << QString::fromUtf16(u"a|b\0c|d", 7)
                                                 << QStringList{"a", "b"};
    QTest::newRow("zero right after separator") << bar << none << QString::fromUtf16(u"a|\0b", 4)
                                                << QStringList{"a", ""};
    QTest::newRow("zero first") << bar << none << QString::fromUtf16(u"\0a|b", 4) << QStringList{};
    QTest::newRow("character above 255 never splits") << bar << none << QString::fromUtf16(u"a\u017cb|c")
                                                      << QStringList{QString::fromUtf16(u"a\u017cb"), "c"};
    QTest::newRow("character above 255 never skipped") << bar << QByteArray(" ") << QString::fromUtf16(u"\u0120a|b")
                                                       << QStringList{QString::fromUtf16(u"\u0120a"), "b"};
    QTest::newRow("Latin-1 separator") << QByteArray("\xa7") << none << QString::fromUtf16(u"a\u00a7b")
                                       << QStringList{"a", "b"};
    QTest::newRow("white space skipped before fields only") << bar << QByteArray(" \t") << " \ta b | c "
                                                            << QStringList{"a b ", "c "};
    QTest::newRow("white space up to the end gives empty field") << bar << QByteArray(" ") << "a|  "
                                                                 << QStringList{"a", ""};
    QTest::newRow("several separators") << QByteArray("|;") << none << "a;b|;c" << QStringList{"a", "b", "", "c"};
    QTest::newRow("double quote as separator keeps stretch") << QByteArray("|\"") << none << "a\"b|c\"d|e"
                                                             << QStringList{"a\"b|c\"d", "e"};
    QTest::newRow("apostrophe inside double-quoted stretch") << QByteArray("|\"'") << none << "\"it's|x\"|y"
                                                             << QStringList{"\"it's|x\"", "y"};
    QTest::newRow("unclosed quote runs to the end") << QByteArray("|'") << none << "a'b|c" << QStringList{"a'b|c"};
    QTest::newRow("quote as only separator never splits") << QByteArray("\"") << none << "a\"b\"c"
                                                          << QStringList{"a\"b\"c"};
}

void TestReplyFields::split()
{
    QFETCH(QByteArray, separators);
    QFETCH(QByteArray, whiteSpace);
    QFETCH(QString, content);
    QFETCH(QStringList, fields);

    QStringList strings;
    QCOMPARE(ReplyFields::ExtractStrings2(separators, whiteSpace, content, &strings), fields.size());
    QCOMPARE(strings, fields);
}

void TestReplyFields::appendsWithoutClearing()
{
    QStringList strings{QStringLiteral("antes")};
    QCOMPARE(ReplyFields::ExtractStrings2("|", {}, QStringLiteral("a||b"), &strings), 3);
    QCOMPARE(strings, (QStringList{"antes", "a", "", "b"}));
    QCOMPARE(ReplyFields::ExtractStrings2("|", {}, QString(), &strings), 0);
    QCOMPARE(strings.size(), 4);
}

void TestReplyFields::missingListGivesZero()
{
    QCOMPARE(ReplyFields::ExtractStrings2("|", {}, QStringLiteral("a|b"), nullptr), 0);
}

QTEST_GUILESS_MAIN(TestReplyFields)
#include "tst_replyfields.moc"
