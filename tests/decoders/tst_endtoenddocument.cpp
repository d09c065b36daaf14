#include "decoders/endtoenddocument.h"
#include "settings/cnpjcheck.h"

#include <QTest>

class TestEndToEndDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dadosVenda_data();
    void dadosVenda();
    void customerCnpjIsValid();
};

namespace {

const QString kHead = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><CFe><infCFe versaoDadosEnt=\"0.07\"><ide>");
const QString kItem = QStringLiteral(
    "<det nItem=\"1\"><prod><cProd>001</cProd><xProd>MiniPc Vantel</xProd><CFOP>5001</CFOP><uCom>UN</uCom>"
    "<qCom>1.0000</qCom><vUnCom>654.320</vUnCom><indRegra>A</indRegra></prod><imposto><vItem12741>1.00</vItem12741>"
    "<ICMS><ICMS00><Orig>0</Orig><CST>00</CST><pICMS>12.00</pICMS></ICMS00></ICMS><PIS><PISAliq><CST>01</CST>"
    "<vBC>654.32</vBC><pPIS>0.0600</pPIS></PISAliq></PIS><COFINS><COFINSAliq><CST>01</CST><vBC>654.32</vBC>"
    "<pCOFINS>0.0400</pCOFINS></COFINSAliq></COFINS></imposto></det><total><vCFeLei12741>1.00</vCFeLei12741>"
    "</total><pgto><MP><cMP>01</cMP><vMP>2000.00</vMP></MP></pgto></infCFe></CFe>");
const QString kEmitTail =
    QStringLiteral("<cRegTribISSQN>1</cRegTribISSQN><indRatISSQN>N</indRatISSQN></emit>");
const QString kProductionDest = QStringLiteral("<dest><CNPJ>58204716000190</CNPJ></dest>");

} // namespace

void TestEndToEndDocument::dadosVenda_data()
{
    QTest::addColumn<bool>("production");
    QTest::addColumn<QStringList>("values"); // software house, signature, taxpayer, IE
    QTest::addColumn<QString>("document");

    QTest::newRow("production") << true << QStringList{"16716114000172", "SGR-SAT SISTEMA", "11111111111111", "111"}
                                << kHead + "<CNPJ>16716114000172</CNPJ><signAC>SGR-SAT SISTEMA</signAC>"
                                       "<numeroCaixa>099</numeroCaixa></ide><emit><CNPJ>11111111111111</CNPJ>"
                                       "<IE>111</IE>" + kEmitTail + kProductionDest + kItem;
    QTest::newRow("production, empty signature file") << true << QStringList{"1", "", "2", "3"}
        << kHead + "<CNPJ>1</CNPJ><signAC></signAC><numeroCaixa>099</numeroCaixa></ide><emit><CNPJ>2</CNPJ>"
               "<IE>3</IE>" + kEmitTail + kProductionDest + kItem;
    QTest::newRow("production, markup escaped") << true << QStringList{"1", "a<b>&\"c'", "2", "3"}
        << kHead + "<CNPJ>1</CNPJ><signAC>a&lt;b&gt;&amp;\"c'</signAC><numeroCaixa>099</numeroCaixa></ide>"
               "<emit><CNPJ>2</CNPJ><IE>3</IE>" + kEmitTail + kProductionDest + kItem;
    QTest::newRow("activation") << false << QStringList{"", "", "08723218000186", ""}
        << kHead + "<CNPJ>00000000000000</CNPJ><signAC>" + QString(344, u'0')
               + "</signAC><numeroCaixa>099</numeroCaixa></ide><emit><CNPJ>08723218000186</CNPJ>"
                 "<IE>000000000000</IE>" + kEmitTail + "<dest/>" + kItem;
}

void TestEndToEndDocument::dadosVenda()
{
    QFETCH(bool, production);
    QFETCH(QStringList, values);
    QFETCH(QString, document);

    const QString built = production ? EndToEndDocument::production(values[0], values[1], values[2], values[3])
                                     : EndToEndDocument::activation(values[2]);
    QCOMPARE(built, document);
}

void TestEndToEndDocument::customerCnpjIsValid()
{
    QCOMPARE(EndToEndDocument::kDestCnpj, QStringLiteral("58204716000190"));
    QVERIFY(CnpjCheck::isCNPJ(EndToEndDocument::kDestCnpj));
}

QTEST_GUILESS_MAIN(TestEndToEndDocument)
#include "tst_endtoenddocument.moc"
