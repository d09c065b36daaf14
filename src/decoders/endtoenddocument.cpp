#include "decoders/endtoenddocument.h"

#include "decoders/onelinexml.h"

const QString EndToEndDocument::kDestCnpj = QStringLiteral("58204716000190");

namespace {

constexpr int kSignatureLength = 344;
constexpr int kIeLength = 12;
constexpr int kCnpjLength = 14;

const char *const kSkeleton =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<CFe><infCFe versaoDadosEnt=\"0.07\">"
    "<ide><CNPJ/><signAC/><numeroCaixa>099</numeroCaixa></ide>"
    "<emit><CNPJ/><IE/><cRegTribISSQN>1</cRegTribISSQN><indRatISSQN>N</indRatISSQN></emit>"
    "<dest/>"
    "<det nItem=\"1\">"
    "<prod><cProd>001</cProd><xProd>MiniPc Vantel</xProd><CFOP>5001</CFOP><uCom>UN</uCom>"
    "<qCom>1.0000</qCom><vUnCom>654.320</vUnCom><indRegra>A</indRegra></prod>"
    "<imposto><vItem12741>1.00</vItem12741>"
    "<ICMS><ICMS00><Orig>0</Orig><CST>00</CST><pICMS>12.00</pICMS></ICMS00></ICMS>"
    "<PIS><PISAliq><CST>01</CST><vBC>654.32</vBC><pPIS>0.0600</pPIS></PISAliq></PIS>"
    "<COFINS><COFINSAliq><CST>01</CST><vBC>654.32</vBC><pCOFINS>0.0400</pCOFINS></COFINSAliq></COFINS>"
    "</imposto></det>"
    "<total><vCFeLei12741>1.00</vCFeLei12741></total>"
    "<pgto><MP><cMP>01</cMP><vMP>2000.00</vMP></MP></pgto>"
    "</infCFe></CFe>";

} // namespace

QString EndToEndDocument::production(const QString &cnpjSoftwareHouse, const QString &signature,
                                     const QString &cnpjContribuinte, const QString &ie)
{
    return build(cnpjSoftwareHouse, signature, cnpjContribuinte, ie, kDestCnpj);
}

QString EndToEndDocument::activation(const QString &cnpjContribuinte)
{
    return build(QString(kCnpjLength, u'0'), QString(kSignatureLength, u'0'), cnpjContribuinte,
                 QString(kIeLength, u'0'), QString());
}

QString EndToEndDocument::build(const QString &cnpjSoftwareHouse, const QString &signature,
                                const QString &cnpjContribuinte, const QString &ie, const QString &destCnpj)
{
    OneLineXml document(kSkeleton);
    OneLineXml::setText(document.node("CFe/infCFe/ide/CNPJ"), cnpjSoftwareHouse);
    OneLineXml::setText(document.node("CFe/infCFe/ide/signAC"), signature);
    OneLineXml::setText(document.node("CFe/infCFe/emit/CNPJ"), cnpjContribuinte);
    OneLineXml::setText(document.node("CFe/infCFe/emit/IE"), ie);
    if (!destCnpj.isEmpty())
        OneLineXml::setText(document.node("CFe/infCFe/dest").append_child("CNPJ"), destCnpj);
    return document.text(true);
}
