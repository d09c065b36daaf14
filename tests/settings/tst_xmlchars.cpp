#include "settings/xmlchars.h"

#include <QTest>

class TestXmlChars : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rule_data();
    void rule();
};

void TestXmlChars::rule_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");

    const QChar high(0xD83D);
    const QChar low(0xDE00);
    QTest::newRow("tab, LF and CR") << "a\tb\nc\rd" << "a\tb\nc\rd";
    QTest::newRow("NUL and other controls") << QString::fromLatin1("a\0b\x01\x1f" "c", 6) << "abc";
    QTest::newRow("DEL, C1 and U+FEFF") << QString::fromUtf8("\x7f\u0085\ufeff")
                                        << QString::fromUtf8("\x7f\u0085\ufeff");
    QTest::newRow("U+FFFE and U+FFFF") << QString::fromUtf8("a\uFFFEb\uFFFFc\uFFFD") << QString::fromUtf8("abc\uFFFD");
    QTest::newRow("pair beyond U+FFFF") << QString(high) + low << QString(high) + low;
    QTest::newRow("lone high surrogate, last") << "ab" + QString(high) << "ab";
    QTest::newRow("lone low surrogate") << QString(low) + "ab" << "ab";
    QTest::newRow("pair's halves reversed") << "a" + QString(low) + high + "b" << "ab";
    QTest::newRow("only forbidden") << QString::fromLatin1("\x02\x03") << "";
}

void TestXmlChars::rule()
{
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QCOMPARE(XmlChars::withoutForbidden(text), kept);
    QCOMPARE(XmlChars::allAllowed(text), kept == text);
}

QTEST_GUILESS_MAIN(TestXmlChars)
#include "tst_xmlchars.moc"
