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

} // namespace

const char *CommandTable::exportName(Command command)
{
    // at() throws for a value outside the enum instead of reading past the table.
    return kExportNames.at(static_cast<std::size_t>(command));
}
