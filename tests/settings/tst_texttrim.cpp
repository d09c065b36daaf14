#include "settings/texttrim.h"

#include <QTest>

class TestTextTrim : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void trim_data();
    void trim();
};

void TestTextTrim::trim_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::addColumn<QString>("withoutControls"); // blanks kept

    QTest::newRow("blanks") << "  abc 12  " << "abc 12" << "  abc 12  ";
    QTest::newRow("control characters") << QString::fromLatin1("\x01\tabc\r\n\x1f") << "abc" << "\tabc\r\n";
    QTest::newRow("no-break space kept") << QString::fromUtf8("\u00a0abc\u00a0") << QString::fromUtf8("\u00a0abc\u00a0")
                                         << QString::fromUtf8("\u00a0abc\u00a0");
    QTest::newRow("inner control characters removed") << "a \x01 b\x1b" "c\x1f" "d" << "a  bcd" << "a  bcd";
    QTest::newRow("inner tab, CR and LF kept") << "a\tb\r\nc" << "a\tb\r\nc" << "a\tb\r\nc";
    QTest::newRow("NUL removed") << QString(QChar(0)) + QStringLiteral("ab") << "ab" << "ab";
    QTest::newRow("DEL and C1 characters kept") << QString::fromUtf8("a\x7f\u0085b") << QString::fromUtf8("a\x7f\u0085b")
                                                << QString::fromUtf8("a\x7f\u0085b");
    QTest::newRow("only blanks") << " \t " << "" << " \t ";
    QTest::newRow("empty") << "" << "" << "";
}

void TestTextTrim::trim()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QFETCH(QString, withoutControls);
    QCOMPARE(TextTrim::trim(text), trimmed);
    QCOMPARE(TextTrim::withoutControls(text), withoutControls);
}

QTEST_GUILESS_MAIN(TestTextTrim)
#include "tst_texttrim.moc"
