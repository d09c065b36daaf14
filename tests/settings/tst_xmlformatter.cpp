#include "settings/xmlformatter.h"

#include <QTest>
#include <stdexcept>

class TestXmlFormatter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void FormatXMLString_data();
    void FormatXMLString();
    void malformedRaises_data();
    void malformedRaises();
};

void TestXmlFormatter::FormatXMLString_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("formatted");

    QTest::newRow("nested, one line") << "<a><b><c>1</c></b><d/></a>"
                                      << "<a>\r\n  <b>\r\n    <c>1</c>\r\n  </b>\r\n  <d />\r\n</a>\r\n";
    QTest::newRow("declaration kept")
        << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?><config><tipoInter>ETHE</tipoInter></config>"
        << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<config>\r\n  <tipoInter>ETHE</tipoInter>\r\n"
           "</config>\r\n";
    QTest::newRow("indented input re-indented") << "<a>\n    <b x=\"1\">t</b>\n</a>"
                                                << "<a>\r\n  <b x=\"1\">t</b>\r\n</a>\r\n";
    QTest::newRow("accents and escapes") << QString::fromUtf8("<a><b>café &amp; pão</b></a>")
                                         << QString::fromUtf8("<a>\r\n  <b>café &amp; pão</b>\r\n</a>\r\n");
}

void TestXmlFormatter::FormatXMLString()
{
    QFETCH(QString, input);
    QFETCH(QString, formatted);
    QCOMPARE(XmlFormatter::FormatXMLString(input), formatted);
}

void TestXmlFormatter::malformedRaises_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("empty") << "";
    QTest::newRow("unclosed") << "<a><b></a>";
    QTest::newRow("plain text") << "NA";
    QTest::newRow("two roots") << "<a/><b/>";
    QTest::newRow("text beside the root") << "<a/>b";
}

void TestXmlFormatter::malformedRaises()
{
    QFETCH(QString, input);
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, XmlFormatter::FormatXMLString(input));
}

QTEST_GUILESS_MAIN(TestXmlFormatter)
#include "tst_xmlformatter.moc"
