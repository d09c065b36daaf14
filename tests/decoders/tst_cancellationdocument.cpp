#include "decoders/cancellationdocument.h"

#include <QTest>

using Values = CancellationDocument::Values;
Q_DECLARE_METATYPE(Values)

class TestCancellationDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void dadosCancelamento_data();
    void dadosCancelamento();
};

namespace {

QStringList listed(const Values &values)
{
    return {values.key, values.issuerCnpj, values.signature, values.tillNumber, values.customerCnpj,
            values.customerCpf};
}

} // namespace

void TestCancellationDocument::parse_data()
{
    QTest::addColumn<QByteArray>("cfe");
    QTest::addColumn<QStringList>("values");

    const QByteArray ide("<ide><CNPJ>16716114000172</CNPJ><signAC>SGR</signAC><numeroCaixa>002</numeroCaixa>"
                         "<nCFe>1</nCFe></ide>");
    QTest::newRow("customer CNPJ and CPF")
        << "<?xml version=\"1.0\"?><CFe><infCFe Id=\"CFe3524\" versao=\"0.07\">" + ide
               + "<dest><CNPJ>58204716000190</CNPJ><CPF>12345678909</CPF></dest></infCFe></CFe>"
        << QStringList{"CFe3524", "16716114000172", "SGR", "002", "58204716000190", "12345678909"};
    QTest::newRow("no customer") << "<CFe><infCFe Id=\"CFe1\">" + ide + "<dest/></infCFe></CFe>"
                                 << QStringList{"CFe1", "16716114000172", "SGR", "002", "", ""};
    QTest::newRow("inside an envelope, first match")
        << "<lote><CFe><infCFe Id=\"A\">" + ide + "</infCFe></CFe><CFe><infCFe Id=\"B\"/></CFe></lote>"
        << QStringList{"A", "16716114000172", "SGR", "002", "", ""};
    QTest::newRow("escaped and accented values")
        << QByteArray("<CFe><infCFe Id=\"a&amp;b\"><ide><signAC>S\xc3\xa3o &lt;1&gt;</signAC></ide></infCFe></CFe>")
        << QStringList{"a&b", "", QString::fromUtf8("S\xc3\xa3o <1>"), "", "", ""};
    QTest::newRow("no Id attribute") << "<CFe><infCFe>" + ide + "</infCFe></CFe>"
                                     << QStringList{"", "16716114000172", "SGR", "002", "", ""};
    QTest::newRow("not well-formed") << "<CFe><infCFe Id=\"X\">" + ide << QStringList{"", "", "", "", "", ""};
    QTest::newRow("not XML") << QByteArray("texto qualquer") << QStringList{"", "", "", "", "", ""};
    QTest::newRow("empty") << QByteArray() << QStringList{"", "", "", "", "", ""};
}

void TestCancellationDocument::parse()
{
    QFETCH(QByteArray, cfe);
    QFETCH(QStringList, values);

    QCOMPARE(listed(CancellationDocument::parse(cfe)), values);
}

void TestCancellationDocument::dadosCancelamento_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("document");

    const QString head = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><CFeCanc><infCFe chCanc=\"");
    const QString tail = QStringLiteral("<total></total><infAdic></infAdic></infCFe></CFeCanc>");
    QTest::newRow("customer CNPJ and CPF")
        << QStringList{"CFe3524", "16716114000172", "SGR", "002", "58204716000190", "12345678909"}
        << head + "CFe3524\"><ide><CNPJ>16716114000172</CNPJ><signAC>SGR</signAC><numeroCaixa>002</numeroCaixa>"
                  "</ide><emit></emit><dest><CNPJ>58204716000190</CNPJ><CPF>12345678909</CPF></dest>" + tail;
    QTest::newRow("customer CNPJ only") << QStringList{"K", "1", "S", "3", "58204716000190", ""}
        << head + "K\"><ide><CNPJ>1</CNPJ><signAC>S</signAC><numeroCaixa>3</numeroCaixa></ide><emit></emit>"
                  "<dest><CNPJ>58204716000190</CNPJ></dest>" + tail;
    QTest::newRow("customer CPF only") << QStringList{"K", "1", "S", "3", "", "12345678909"}
        << head + "K\"><ide><CNPJ>1</CNPJ><signAC>S</signAC><numeroCaixa>3</numeroCaixa></ide><emit></emit>"
                  "<dest><CPF>12345678909</CPF></dest>" + tail;
    QTest::newRow("no customer") << QStringList{"K", "1", "S", "3", "", ""}
        << head + "K\"><ide><CNPJ>1</CNPJ><signAC>S</signAC><numeroCaixa>3</numeroCaixa></ide><emit></emit>"
                  "<dest></dest>" + tail;
    QTest::newRow("all empty") << QStringList(6, QString())
        << head + "\"><ide><CNPJ></CNPJ><signAC></signAC><numeroCaixa></numeroCaixa></ide><emit></emit>"
                  "<dest></dest>" + tail;
    QTest::newRow("markup escaped") << QStringList{"a\"><x y=\"", "<b>", "&", "3", "", ""}
        << head + "a&quot;>&lt;x y=&quot;\"><ide><CNPJ>&lt;b&gt;</CNPJ><signAC>&amp;</signAC>"
                  "<numeroCaixa>3</numeroCaixa></ide><emit></emit><dest></dest>" + tail;
}

void TestCancellationDocument::dadosCancelamento()
{
    QFETCH(QStringList, values);
    QFETCH(QString, document);

    const Values cfe{values[0], values[1], values[2], values[3], values[4], values[5]};
    QCOMPARE(CancellationDocument::dadosCancelamento(cfe), document);
}

QTEST_GUILESS_MAIN(TestCancellationDocument)
#include "tst_cancellationdocument.moc"
