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

    QTest::newRow("blanks") << "  abc 12  " << "abc 12";
    QTest::newRow("control characters") << QString::fromLatin1("\x01\tabc\r\n\x1f") << "abc";
    QTest::newRow("no-break space kept") << QString::fromUtf8("\u00a0abc\u00a0") << QString::fromUtf8("\u00a0abc\u00a0");
    QTest::newRow("inner blanks kept") << "a \x01 b" << "a \x01 b";
    QTest::newRow("only blanks") << " \t " << "";
    QTest::newRow("empty") << "" << "";
}

void TestTextTrim::trim()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(TextTrim::trim(text), trimmed);
}

QTEST_GUILESS_MAIN(TestTextTrim)
#include "tst_texttrim.moc"
