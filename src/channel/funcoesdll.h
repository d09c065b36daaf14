#pragma once

#include "channel/command.h"
#include "platform/callingconvention.h"

#include <QFunctionPointer>
#include <stdexcept>

// FuncoesDll: the module library's 17 exports, filled by the binding and empty
// until then. Text arguments and the result are zero-terminated ANSI strings;
// the result belongs to the library. The entries' types are also the one
// table of the arguments each command takes, on either road.
struct FuncoesDll {
    using Text = const char *;

    // Hands the command's entry of table, with its own type, to visitor.
    template <typename Table, typename Visitor>
    static decltype(auto) visit(Table &table, Command command, Visitor &&visitor);

    QFunctionPointer ComunicarCertificadoICPBRASIL = nullptr; // bound, never called
    Text(SAT_CALL *EnviarDadosVenda)(int, Text, Text) = nullptr;
    Text(SAT_CALL *CancelarUltimaVenda)(int, Text, Text, Text) = nullptr;
    Text(SAT_CALL *ConsultarSAT)(int) = nullptr;
    Text(SAT_CALL *TesteFimAFim)(int, Text, Text) = nullptr;
    Text(SAT_CALL *ConsultarStatusOperacional)(int, Text) = nullptr;
    Text(SAT_CALL *ConsultarNumeroSessao)(int, Text, int) = nullptr;
    Text(SAT_CALL *AssociarAssinatura)(int, Text, Text, Text) = nullptr;
    Text(SAT_CALL *AtualizarSoftwareSAT)(int, Text) = nullptr;
    Text(SAT_CALL *ExtrairLogs)(int, Text) = nullptr;
    Text(SAT_CALL *BloquearSAT)(int, Text) = nullptr;
    Text(SAT_CALL *DesbloquearSAT)(int, Text) = nullptr;
    Text(SAT_CALL *TrocarCodigoDeAtivacao)(int, Text, int, Text, Text) = nullptr;
    Text(SAT_CALL *ConfigurarInterfaceDeRede)(int, Text, Text) = nullptr;
    Text(SAT_CALL *AtivarSAT)(int, int, Text, Text, int) = nullptr;
    Text(SAT_CALL *ConfigurarInterfaceDeRedeMFE)(int, Text, Text) = nullptr;
    Text(SAT_CALL *ConsultarStatusOperacionalMFE)(int, Text) = nullptr;
};

template <typename Table, typename Visitor>
decltype(auto) FuncoesDll::visit(Table &table, Command command, Visitor &&visitor)
{
    switch (command) {
    case Command::ComunicarCertificadoICPBRASIL: return visitor(table.ComunicarCertificadoICPBRASIL);
    case Command::EnviarDadosVenda: return visitor(table.EnviarDadosVenda);
    case Command::CancelarUltimaVenda: return visitor(table.CancelarUltimaVenda);
    case Command::ConsultarSAT: return visitor(table.ConsultarSAT);
    case Command::TesteFimAFim: return visitor(table.TesteFimAFim);
    case Command::ConsultarStatusOperacional: return visitor(table.ConsultarStatusOperacional);
    case Command::ConsultarNumeroSessao: return visitor(table.ConsultarNumeroSessao);
    case Command::AssociarAssinatura: return visitor(table.AssociarAssinatura);
    case Command::AtualizarSoftwareSAT: return visitor(table.AtualizarSoftwareSAT);
    case Command::ExtrairLogs: return visitor(table.ExtrairLogs);
    case Command::BloquearSAT: return visitor(table.BloquearSAT);
    case Command::DesbloquearSAT: return visitor(table.DesbloquearSAT);
    case Command::TrocarCodigoDeAtivacao: return visitor(table.TrocarCodigoDeAtivacao);
    case Command::ConfigurarInterfaceDeRede: return visitor(table.ConfigurarInterfaceDeRede);
    case Command::AtivarSAT: return visitor(table.AtivarSAT);
    case Command::ConfigurarInterfaceDeRedeMFE: return visitor(table.ConfigurarInterfaceDeRedeMFE);
    case Command::ConsultarStatusOperacionalMFE: return visitor(table.ConsultarStatusOperacionalMFE);
    }
    throw std::runtime_error("Comando desconhecido.");
}
