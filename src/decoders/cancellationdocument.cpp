#include "decoders/cancellationdocument.h"

#include "channel/xmlelementtext.h"
#include "decoders/onelinexml.h"
#include "platform/boundedfile.h"
#include "settings/xmlchars.h"

#include <pugixml.hpp>

namespace {

// A CF-e is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

const char *const kSkeleton =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
    "<CFeCanc><infCFe chCanc=\"\">"
    "<ide><CNPJ/><signAC/><numeroCaixa/></ide>"
    "<emit/><dest/><total/><infAdic/>"
    "</infCFe></CFeCanc>";

QString selectedText(const pugi::xml_document &document, const char *path)
{
    const pugi::xml_node element = document.select_node(path).node();
    return QString::fromStdString(XmlElementText::read(element).value_or(std::string()));
}

} // namespace

std::optional<CancellationDocument::Values> CancellationDocument::read(const QString &fileName)
{
    const BoundedFile::Result file = BoundedFile::read(fileName, kMaxFileSize);
    if (file.status != BoundedFile::Status::Read)
        return Values();
    if (!XmlChars::allAllowed(file.bytes) || !XmlChars::referencesAllowed(file.bytes))
        return std::nullopt;
    return parse(file.bytes);
}

CancellationDocument::Values CancellationDocument::parse(const QByteArray &cfe)
{
    pugi::xml_document document;
    if (!document.load_buffer(cfe.constData(), static_cast<size_t>(cfe.size())))
        return {};
    Values values;
    values.key = QString::fromUtf8(document.select_node("//CFe/infCFe").node().attribute("Id").value());
    values.issuerCnpj = selectedText(document, "//CFe/infCFe/ide/CNPJ");
    values.signature = selectedText(document, "//CFe/infCFe/ide/signAC");
    values.tillNumber = selectedText(document, "//CFe/infCFe/ide/numeroCaixa");
    values.customerCnpj = selectedText(document, "//CFe/infCFe/dest/CNPJ");
    values.customerCpf = selectedText(document, "//CFe/infCFe/dest/CPF");
    return values;
}

QString CancellationDocument::dadosCancelamento(const Values &values)
{
    OneLineXml document(kSkeleton);
    document.node("CFeCanc/infCFe").attribute("chCanc").set_value(values.key.toUtf8().constData());
    OneLineXml::setText(document.node("CFeCanc/infCFe/ide/CNPJ"), values.issuerCnpj);
    OneLineXml::setText(document.node("CFeCanc/infCFe/ide/signAC"), values.signature);
    OneLineXml::setText(document.node("CFeCanc/infCFe/ide/numeroCaixa"), values.tillNumber);
    pugi::xml_node dest = document.node("CFeCanc/infCFe/dest");
    if (!values.customerCnpj.isEmpty())
        OneLineXml::setText(dest.append_child("CNPJ"), values.customerCnpj);
    if (!values.customerCpf.isEmpty())
        OneLineXml::setText(dest.append_child("CPF"), values.customerCpf);
    return document.text(false);
}
