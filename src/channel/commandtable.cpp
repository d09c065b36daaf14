#include "channel/commandtable.h"

#include <array>
#include <cstddef>

namespace {

const std::array<const char *, kCommandCount> kExportNames = {
    "ComunicarCertificadoICPBRASIL",
    "EnviarDadosVenda",
    "CancelarUltimaVenda",
    "ConsultarSAT",
    "TesteFimAFim",
    "ConsultarStatusOperacional",
    "ConsultarNumeroSessao",
    "AssociarAssinatura",
    "AtualizarSoftwareSAT",
    "ExtrairLogs",
    "BloquearSAT",
    "DesbloquearSAT",
    "TrocarCodigoDeAtivacao",
    "ConfigurarInterfaceDeRede",
    "AtivarSAT",
    "ConfigurarInterfaceDeRedeMFE",
    "ConsultarStatusOperacionalMFE",
};

// The first two digits of every result code of the command.
const std::array<const char *, kCommandCount> kResultFamilies = {
    "05", "06", "07", "08", "09", "10", "11", "13", "14", "15", "16", "17", "18", "12", "04", "12", "10",
};

} // namespace

const char *CommandTable::exportName(Command command)
{
    // at() throws for a value outside the enum instead of reading past the table.
    return kExportNames.at(static_cast<std::size_t>(command));
}

QString CommandTable::busyCode(Command command)
{
    return QLatin1String(kResultFamilies.at(static_cast<std::size_t>(command))) + QLatin1String("098");
}

QString CommandTable::quotedName(Command command)
{
    return QLatin1Char('"') + QLatin1String(exportName(command)) + QLatin1Char('"');
}
