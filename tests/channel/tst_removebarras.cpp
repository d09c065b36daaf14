#include "channel/removebarras.h"

#include <QTest>

class TestRemoveBarras : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void removeBarras_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("empty") << "" << "";
        QTest::newRow("no backslash") << "192.168.0.1 \"x\"" << "192.168.0.1 \"x\"";
        QTest::newRow("backslash quote") << "\\\"" << "\"";
        QTest::newRow("backslash letter") << "a\\nb" << "ab";
        QTest::newRow("two backslashes") << "a\\\\b" << "ab";
        QTest::newRow("two backslashes then quote") << "\\\\\"" << "\"";
        QTest::newRow("final backslash") << "abc\\" << "abc";
        QTest::newRow("lone backslash") << "\\" << "";
        QTest::newRow("quoted value") << "\\\"rede\\\"" << "\"rede\"";
        QTest::newRow("three backslashes then quote") << "\\\\\\\"" << "\"";
        QTest::newRow("backslash before non-ASCII") << QString::fromUtf8("a\\çb") << "ab";
    }

    void removeBarras()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const QString original = text;
        QCOMPARE(RemoveBarras(text), expected);
        QCOMPARE(text, original);
    }
};

QTEST_GUILESS_MAIN(TestRemoveBarras)
#include "tst_removebarras.moc"
