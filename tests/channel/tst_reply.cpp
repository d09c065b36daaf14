#include "channel/reply.h"
#include "platform/ansicodepage.h"

#include <QTest>
#include <stdexcept>

class TestReply : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shapes_data();
    void shapes();
    void displayField();
};

void TestReply::shapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("code"); // "throws": too short for a result code

    QTest::newRow("empty reply") << "" << QStringList() << "throws";
    QTest::newRow("no separator") << "sem campos" << QStringList{QStringLiteral("sem campos")} << "throws";
    QTest::newRow("session and code") << "123456|08000"
                                      << QStringList{QStringLiteral("123456"), QStringLiteral("08000")} << "08000";
    QTest::newRow("empty fields kept")
        << "123456|06000|0000||msg|"
        << QStringList{QStringLiteral("123456"), QStringLiteral("06000"), QStringLiteral("0000"), QString(),
                       QStringLiteral("msg"), QString()}
        << "06000";
    QTest::newRow("empty code kept in its place") << "123456||msg"
                                                  << QStringList{QStringLiteral("123456"), QString(), QStringLiteral("msg")}
                                                  << "";
}

void TestReply::shapes()
{
    QFETCH(QString, text);
    QFETCH(QStringList, fields);
    QFETCH(QString, code);

    const Reply reply(text);
    QCOMPARE(reply.text(), text);
    QCOMPARE(reply.fields(), fields);
    if (code == QLatin1String("throws"))
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, reply.resultCode());
    else
        QCOMPARE(reply.resultCode(), code);
    for (int index = 0; index < fields.size(); ++index)
        QCOMPARE(reply.field(index), fields.at(index));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, reply.field(fields.size()));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, reply.field(-1));
}

void TestReply::displayField()
{
    // The module's bytes reach the reply as ANSI characters; each field is
    // shown as UTF-8 when it is UTF-8, else in the code page.
    const Reply reply(AnsiCodePage::toUnicode("1|2|Opera\xc3\xa7\xc3\xa3o|\xe9"));
    QCOMPARE(reply.displayField(2), QStringLiteral("Operação"));
    QCOMPARE(reply.displayField(3), QStringLiteral("é"));
    QCOMPARE(reply.field(2), AnsiCodePage::toUnicode("Opera\xc3\xa7\xc3\xa3o"));
}

QTEST_MAIN(TestReply)
#include "tst_reply.moc"
