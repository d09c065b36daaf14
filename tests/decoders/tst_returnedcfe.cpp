#include "salereplies.h"

#include "decoders/returnedcfe.h"
#include "decoders/textlines.h"
#include "platform/ansicodepage.h"

#include <QTest>
#include <stdexcept>

class TestReturnedCfe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fromReply_data();
    void fromReply();
    void notCfe_data();
    void notCfe();
    void shortReply_data();
    void shortReply();
    void endToEnd_data();
    void endToEnd();
    void lines_data();
    void lines();
};

void TestReturnedCfe::fromReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("base64");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QString>("key");

    const QString base64 = QString::fromLatin1(SaleReplies::kBase64);
    for (const auto &[operation, code] : {std::pair{"sale", "06000"}, std::pair{"cancellation", "07000"}}) {
        for (const SaleReplies::Shape &shape : SaleReplies::shapes(code))
            QTest::addRow("%s, %s", operation, shape.name)
                << shape.reply << base64 << QByteArrayList{SaleReplies::kCfe} << "CFe3524";
    }
    QTest::newRow("session query holding a sale") << SaleReplies::usual("06000", "123456") << base64
                                                   << QByteArrayList{SaleReplies::kCfe} << "CFe3524";
    QTest::newRow("empty CF-e lines kept")
        << QByteArray("1|07000|0000|ok|||PENGZT4KCjwvQ0ZlPg==|t|chave|v||q") << "PENGZT4KCjwvQ0ZlPg=="
        << QByteArrayList{"<CFe>", "", "</CFe>"} << "chave";
    QTest::newRow("CF-e over lines, accented")
        << QByteArray("1|06000|0000|ok|||PENGZT4NCjxiPlPD\r\no288L2I+DQo8\nL0NGZT4NCg==|t|k")
        << "PENGZT4NCjxiPlPDo288L2I+DQo8L0NGZT4NCg==" << QByteArrayList{"<CFe>", "<b>S\xc3\xa3o</b>", "</CFe>"}
        << "k";
    QTest::newRow("quotes split nothing, cancellation's root")
        << QByteArray("1|06000|0000|\"ok|'|\"|PENGZUNhbmMvPg==|t|chave'|v||q") << "PENGZUNhbmMvPg=="
        << QByteArrayList{"<CFeCanc/>"} << "chave'";
}

void TestReturnedCfe::fromReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, base64);
    QFETCH(QByteArrayList, lines);
    QFETCH(QString, key);

    const ReturnedCfe cfe(AnsiCodePage::toUnicode(reply));
    QCOMPARE(cfe.base64(), base64);
    QCOMPARE(cfe.lines(), lines);
    QCOMPARE(ReturnedCfe::decode(base64), lines);
    QCOMPARE(cfe.key(), key);
}

void TestReturnedCfe::notCfe_data()
{
    QTest::addColumn<QByteArray>("reply");

    for (const char *code : {"06000", "07000"}) {
        for (const SaleReplies::Shape &shape : SaleReplies::withoutCfe(code))
            QTest::addRow("%s, %s", code, shape.name) << shape.reply;
    }
    const auto withCfe = [](const QByteArray &base64) { return "1|06000|0000|ok|||" + base64 + "|t|chave|v||q"; };
    QTest::newRow("empty CF-e field") << withCfe("");
    QTest::newRow("characters outside the alphabet") << withCfe("PHgv*Pg==");
    QTest::newRow("two documents") << withCfe("PENGZS8+PENGZS8+");
    QTest::newRow("zero after the document") << withCfe("PENGZS8+AA==");
    // Documents pugixml reads, but XML 1.0 does not allow, or of another root.
    const std::pair<const char *, QByteArray> documents[] = {
        {"raw control character", "<CFe>a\x01</CFe>"},
        {"reference to a control character", "<CFe>a&#1;</CFe>"},
        {"reference to U+FFFE", "<CFe a=\"&#xFFFE;\"/>"},
        {"reference to a surrogate", "<CFe>&#xD800;</CFe>"},
        {"undefined entity", "<CFe>&foo;</CFe>"},
        {"invalid UTF-8 under a UTF-8 declaration", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><CFe>S\xe3o</CFe>"},
        {"raw U+FFFE", "<CFe>\xef\xbf\xbe</CFe>"},
        {"duplicate attribute", "<CFe a=\"1\" a=\"2\"/>"},
        {"\"]]>\" in text", "<CFe>a]]>b</CFe>"},
        {"\"<\" in an attribute value", "<CFe a=\"<\"/>"},
        {"undefined entity under an external DTD", "<!DOCTYPE CFe SYSTEM \"cfe.dtd\"><CFe>&foo;</CFe>"},
        {"HTML page", "<html><body>erro</body></html>"},
        {"other root", "<retorno>Rejeicao: 1999</retorno>"},
    };
    for (const auto &[name, document] : documents)
        QTest::newRow(name) << withCfe(document.toBase64());
}

void TestReturnedCfe::notCfe()
{
    QFETCH(QByteArray, reply);

    const ReturnedCfe cfe(AnsiCodePage::toUnicode(reply));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, cfe.lines());
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ReturnedCfe::decode(cfe.base64()));
    // The end-to-end test's CF-e, in field 5, is checked alike.
    const Reply endToEnd(QStringLiteral("1|09000|Teste OK|||") + cfe.base64());
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, ReturnedCfe::endToEndLines(endToEnd));
}

void TestReturnedCfe::shortReply_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<bool>("hasCfe");
    QTest::addColumn<bool>("hasKey");

    QTest::newRow("empty reply") << "" << false << false;
    QTest::newRow("busy reply") << "000123|06098|0000|SAT em processamento. Tente novamente.||" << false << false;
    QTest::newRow("ends after the CF-e") << "1|07000|0000|ok|||PENGZS8+" << true << false;
    QTest::newRow("ends after the time stamp") << "1|07000|0000|ok|||PENGZS8+|t" << true << false;
    QTest::newRow("ends with the key") << "1|07000|0000|ok|||PENGZS8+|t|chave" << true << true;
    QTest::newRow("zero ends the reply") << QStringLiteral("1|06000|0000|ok|||PENGZS8+|t") + QChar(0) + "|chave"
                                         << true << false;
}

void TestReturnedCfe::shortReply()
{
    QFETCH(QString, reply);
    QFETCH(bool, hasCfe);
    QFETCH(bool, hasKey);

    const ReturnedCfe cfe(reply);
    if (hasCfe)
        QCOMPARE(cfe.lines(), QByteArrayList{"<CFe/>"});
    else
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, cfe.lines());
    if (hasKey)
        QCOMPARE(cfe.key(), QStringLiteral("chave"));
    else
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, cfe.key());
}

void TestReturnedCfe::endToEnd_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QStringList>("lines"); // {"throws"}: the reply stops before the CF-e

    const QStringList throws{QStringLiteral("throws")};
    QTest::newRow("CF-e in field 5") << "1|09000|0000|ok||PENGZS8+" << QStringList{QStringLiteral("<CFe/>")};
    QTest::newRow("lines of the CF-e") << "1|09000|0000|ok||PENGZT4NCjxiLz48L0NGZT4=|t"
                                       << QStringList{QStringLiteral("<CFe>"), QStringLiteral("<b/></CFe>")};
    QTest::newRow("ends before field 5") << "1|09098|0000|ocupado|" << throws;
    QTest::newRow("empty reply") << "" << throws;
}

void TestReturnedCfe::endToEnd()
{
    QFETCH(QString, reply);
    QFETCH(QStringList, lines);

    if (lines == QStringList{QStringLiteral("throws")}) {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, ReturnedCfe::endToEndLines(Reply(reply)));
        return;
    }
    QByteArrayList bytes;
    for (const QString &line : lines)
        bytes.append(line.toUtf8());
    QCOMPARE(ReturnedCfe::endToEndLines(Reply(reply)), bytes);
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
