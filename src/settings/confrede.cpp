#include "settings/confrede.h"

#include "platform/atomicfile.h"
#include "settings/clientdataset.h"
#include "settings/textfilereader.h"
#include "settings/texttrim.h"

#include <QDir>

#include <pugixml.hpp>

#include <sstream>

namespace {

pugi::xml_node newConfig(pugi::xml_document &document)
{
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "utf-8";
    return document.append_child("config");
}

void add(pugi::xml_node config, const char *name, const QString &value)
{
    pugi::xml_node element = config.append_child(name);
    if (!value.isEmpty())
        element.text().set(value.toUtf8().constData());
}

template<std::size_t N>
void addEach(pugi::xml_node config, const std::array<const char *, N> &names, const std::array<QString, N> &values)
{
    for (std::size_t i = 0; i < N; ++i)
        add(config, names[i], values[i]);
}

// `proxy`, and its four details only for the mode "with configuration".
void addProxy(pugi::xml_node config, int mode, const std::array<QString, 4> &details)
{
    add(config, "proxy", QString::number(mode));
    if (mode == 1)
        addEach(config, TConfRede::kProxyFields, details);
}

QByteArray bytes(const pugi::xml_document &document)
{
    std::ostringstream stream;
    document.save(stream, "", pugi::format_raw, pugi::encoding_utf8);
    return QByteArray::fromStdString(stream.str()) + "\r\n";
}

QString field(const ClientDataSet &cds, const char *name)
{
    return cds.fieldAsString(QLatin1String(name));
}

template<std::size_t N>
std::array<QString, N> fields(const ClientDataSet &cds, const std::array<const char *, N> &names)
{
    std::array<QString, N> values;
    for (std::size_t i = 0; i < N; ++i)
        values[i] = field(cds, names[i]);
    return values;
}

template<std::size_t N>
std::array<QString, N> trimmedEach(const std::array<QString, N> &texts)
{
    std::array<QString, N> values;
    for (std::size_t i = 0; i < N; ++i)
        values[i] = TextTrim::trim(texts[i]);
    return values;
}

// The elements of one interface kept in the settings record.
void addRecord(pugi::xml_node config, const ClientDataSet &cds)
{
    const QString tipoInter = field(cds, "tipoInter");
    add(config, "tipoInter", tipoInter);
    if (tipoInter == QLatin1String("WIFI")) {
        const QString seg = field(cds, "seg");
        add(config, "SSID", field(cds, "SSID"));
        add(config, "seg", seg);
        if (seg != QLatin1String("NONE"))
            add(config, "codigo", field(cds, "codigo"));
    }
    const QString tipoLan = field(cds, "tipoLan");
    add(config, "tipoLan", tipoLan);
    if (tipoLan == QLatin1String("IPFIX"))
        addEach(config, TConfRede::kAddressFields, fields(cds, TConfRede::kAddressFields));
    if (tipoLan == QLatin1String("PPPoE")) {
        add(config, "usuario", field(cds, "usuario"));
        add(config, "senha", field(cds, "senha"));
    }
    const int proxy = cds.fieldAsOptionalInteger(QStringLiteral("proxy")).value_or(0);
    addProxy(config, proxy, fields(cds, TConfRede::kProxyFields));
}

QString priority(bool first)
{
    return first ? QStringLiteral("0") : QStringLiteral("1");
}

QString nativePath(const QString &programFolder, const QString &fileName)
{
    return QDir::toNativeSeparators(programFolder + fileName);
}

} // namespace

const QString TConfRede::kConfRede = QStringLiteral("ConfRede.xml");
const QString TConfRede::kConfRedeMFE1 = QStringLiteral("ConfRedeMFE1.xml");
const QString TConfRede::kConfRedeMFE2 = QStringLiteral("ConfRedeMFE2.xml");

QByteArray TConfRede::geraxml(const ClientDataSet &cds)
{
    pugi::xml_document document;
    addRecord(newConfig(document), cds);
    return bytes(document);
}

QByteArray TConfRede::geraxmlMFE1(const ClientDataSet &cds, int prioridade)
{
    pugi::xml_document document;
    const pugi::xml_node config = newConfig(document);
    addRecord(config, cds);
    add(config, "prioridade", priority(prioridade == 0));
    return bytes(document);
}

QByteArray TConfRede::geraxmlMFE2(const Interface2 &values, int prioridade)
{
    pugi::xml_document document;
    const pugi::xml_node config = newConfig(document);
    add(config, "tipoInter", QStringLiteral("GPR1"));
    const bool fixedAddress = values.rede != 0;
    add(config, "tipoLan", fixedAddress ? QStringLiteral("IPFIX") : QStringLiteral("DHCP"));
    if (fixedAddress)
        addEach(config, TConfRede::kAddressFields, trimmedEach(values.address));
    addProxy(config, values.proxy, trimmedEach(values.proxyDetails));
    add(config, "prioridade", priority(prioridade == 1));
    add(config, "usuario", TextTrim::trim(values.usuario));
    add(config, "senha", TextTrim::trim(values.senha));
    add(config, "phone", TextTrim::trim(values.phone));
    add(config, "APN", TextTrim::trim(values.APN));
    return bytes(document);
}

bool TConfRede::accessDataComplete(const Interface2 &values)
{
    for (const QString *text : {&values.usuario, &values.senha, &values.phone, &values.APN}) {
        if (TextTrim::trim(*text).isEmpty())
            return false;
    }
    return true;
}

QString TConfRede::save(const QString &programFolder, const QString &fileName, const QByteArray &document)
{
    const QString problem = AtomicFile::write(programFolder + fileName, document);
    if (problem.isEmpty())
        return {};
    return QStringLiteral("Não foi possível gravar o arquivo \"%1\" (%2). A configuração não foi enviada.")
        .arg(nativePath(programFolder, fileName), problem);
}

TConfRede::ReadBack TConfRede::readBack(const QString &programFolder, const QString &fileName)
{
    const TextFileReader::Result file = TextFileReader::LeArquivo(programFolder + fileName);
    switch (file.status) {
    case TextFileReader::Status::NotFound:
        return {{}, QStringLiteral("Arquivo %1 não foi encontrado!").arg(fileName)};
    case TextFileReader::Status::ReadError:
        return {{}, QStringLiteral("Erro ao tentar acessar o arquivo %1!").arg(fileName)};
    case TextFileReader::Status::InvalidCharacters:
        return {{}, TextFileReader::message(file.status, fileName)};
    case TextFileReader::Status::Read:
        break;
    }
    return {file.content, {}};
}
