#include "settings/startupfiles.h"

#include "platform/atomicfile.h"
#include "platform/integradorfolders.h"
#include "settings/datapacket.h"
#include "settings/parametros.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kConfRede = QStringLiteral("ConfRede.xml");
const QString kParametros = QStringLiteral("Parametros.xml");

// Writes the default text unless a file of that name exists.
bool ensureFile(const QString &path, const QByteArray &defaultText)
{
    return QFileInfo::exists(path) || AtomicFile::write(path, defaultText).isEmpty();
}

TParametros::Record defaultRecord()
{
    TParametros::Record record;
    const auto set = [&record](const char *name, const char *value) {
        record[TParametros::indexOf(QLatin1String(name))] = QLatin1String(value);
    };
    for (const char *empty : {"SSID", "codigo", "lanIP", "lanMask", "lanGW", "lanDNS1", "lanDNS2", "usuario",
                              "senha", "proxy_ip", "proxy_porta", "proxy_user", "proxy_senha"})
        set(empty, "");
    set("tipoInter", "ETHE");
    set("tipoLan", "DHCP");
    set("proxy", "0");
    set("uf", "35");
    return record;
}

} // namespace

StartupFiles::Result StartupFiles::CheckConfigs(const QString &programFolder)
{
    if (!ensureFile(programFolder + kConfRede, defaultConfRede()))
        return Result::ConfRedeFailed;
    if (!ensureFile(programFolder + kParametros, defaultParametros()))
        return Result::ParametrosFailed;
    return Result::Ok;
}

void StartupFiles::removeLeftovers(const QString &programFolder)
{
    for (const QString &folder : {programFolder, QDir::currentPath(), IntegradorFolders::input()})
        AtomicFile::removeLeftovers(folder);
}

QString StartupFiles::message(Result result)
{
    if (result == Result::Ok)
        return {};
    const QString &file = result == Result::ConfRedeFailed ? kConfRede : kParametros;
    return QStringLiteral("Não foi possível criar o arquivo de configuração \"%1\"!").arg(file);
}

QByteArray StartupFiles::defaultConfRede()
{
    return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?><config>"
                             "<tipoInter>ETHE</tipoInter>"
                             "<tipoLan>DHCP</tipoLan>"
                             "<proxy>0</proxy></config>"
                             "\r\n");
}

// The settings file as the writer writes a record holding the defaults.
QByteArray StartupFiles::defaultParametros()
{
    return DataPacket::write({defaultRecord()});
}
