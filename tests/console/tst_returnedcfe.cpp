#include "console/returnedcfe.h"
#include "console/textlines.h"

#include <QTest>

class TestReturnedCfe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromReply_data();
    void fromReply();
    void lines_data();
    void lines();
};

void TestReturnedCfe::fromReply_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("base64");
    QTest::addColumn<QByteArrayList>("lines");

    QTest::newRow("sale reply of twelve fields")
        << "000123|06000|0000|Emitido com sucesso|||PENGZT48aW5mQ0ZlIElkPSJDRmUxIi8+PC9DRmU+|20240131120000|"
           "CFe3524|1.00||QRCODE"
        << "PENGZT48aW5mQ0ZlIElkPSJDRmUxIi8+PC9DRmU+" << QByteArrayList{"<CFe><infCFe Id=\"CFe1\"/></CFe>"};
    QTest::newRow("Base64 broken over lines")
        << "000123|06000|0000|ok||PGE+DQo8Yj5T\r\nw6NvPC9iPg0K\nPC9hPg0K|t|chave|v|c|q"
        << "PGE+DQo8Yj5Tw6NvPC9iPg0KPC9hPg0K" << QByteArrayList{"<a>", "<b>S\xc3\xa3o</b>", "</a>"};
    QTest::newRow("empty CF-e lines kept") << "1|07000|0|ok||PHgvPgoKPHkvPg==|t|chave|v|c|q"
                                           << "PHgvPgoKPHkvPg==" << QByteArrayList{"<x/>", "", "<y/>"};
    QTest::newRow("exactly eleven lines") << "a|b|c|d|e|PHgvPgoKPHkvPg==|g|h|i|j|k" << "PHgvPgoKPHkvPg=="
                                          << QByteArrayList{"<x/>", "", "<y/>"};
    QTest::newRow("ten lines") << "a|b|c|d|e|PHgvPgoKPHkvPg==|g|h|i|j" << "" << QByteArrayList{};
    QTest::newRow("final line break adds no line") << "a|b|c|d|e|PHgvPgoKPHkvPg==|g|h|i|j\r\n" << ""
                                                   << QByteArrayList{};
    QTest::newRow("empty reply") << "" << "" << QByteArrayList{};
    QTest::newRow("characters outside the alphabet skipped") << "a|b|c|d|e|PHgv Pg*==|g|h|i|j|k" << "PHgv Pg*=="
                                                             << QByteArrayList{"<x/>"};
}

void TestReturnedCfe::fromReply()
{
    QFETCH(QString, reply);
    QFETCH(QString, base64);
    QFETCH(QByteArrayList, lines);

    const ReturnedCfe cfe = ReturnedCfe::fromReply(reply);
    QCOMPARE(cfe.base64, base64);
    QCOMPARE(cfe.lines, lines);
}

void TestReturnedCfe::lines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("CR LF, CR and LF") << "a\r\nb\rc\nd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("LF CR is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("empty lines kept") << "\n\na" << QStringList{"", "", "a"};
    QTest::newRow("final break adds no line") << "a\r\n" << QStringList{"a"};
    QTest::newRow("lone break") << "\r\n" << QStringList{""};
    QTest::newRow("empty text") << "" << QStringList{};
}

void TestReturnedCfe::lines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);

    QCOMPARE(TextLines::split(text), lines);
    QByteArrayList bytes;
    for (const QString &line : lines)
        bytes.append(line.toLatin1());
    QCOMPARE(TextLines::split(text.toLatin1()), bytes);
}

QTEST_GUILESS_MAIN(TestReturnedCfe)
#include "tst_returnedcfe.moc"
