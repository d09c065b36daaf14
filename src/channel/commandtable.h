#pragma once

#include "channel/command.h"
#include "channel/commandrow.h"

#include <QString>
#include <array>
#include <cstddef>

// The one table of the command set: a row per command, in the order of
// Command (the module library's export table). The library's entries, the
// argument check, the Integrador requests, waits and busy replies, and the
// console's busy-code checks all derive from it.
class CommandTable
{
public:
    // at() throws for a value outside the enum instead of reading past the table.
    static constexpr const CommandRow &row(Command command) { return kRows.at(std::size_t(command)); }

    // ANSI (plain ASCII) name of the command's export.
    static const char *exportName(Command command);
    // The result code by which the module says it is busy or out of reach
    // (xx098, xx the command's family).
    static QString busyCode(Command command);
    // The export name between double quotes, for messages.
    static QString quotedName(Command command);

private:
    static const std::array<CommandRow, kCommandCount> kRows;

    using Parameter = IntegradorParameter;

    static constexpr Parameter text(const char *name, int argument)
    {
        return {name, Parameter::Type::String, Parameter::Form::Plain, argument};
    }
    static constexpr Parameter integer(const char *name, int argument)
    {
        return {name, Parameter::Type::Int, Parameter::Form::Plain, argument};
    }
    static constexpr Parameter cdata(const char *name, int argument)
    {
        return {name, Parameter::Type::String, Parameter::Form::CData, argument};
    }
    static constexpr Parameter codigo() { return text("codigoDeAtivacao", 0); }
    static constexpr Parameter nrDocumento()
    {
        return {"nrDocumento", Parameter::Type::String, Parameter::Form::FixedDocumento, -1};
    }
};

// Export, arguments, family, TemposIntegrador row, extra busy field; then the
// Integrador's Metodo Nome, file prefix, parameters and other indent.
constexpr std::array<CommandRow, kCommandCount> CommandTable::kRows = {{
    {"ComunicarCertificadoICPBRASIL", nullptr, "05", 0, false, {}},
    {"EnviarDadosVenda", "tt", "06", 2, true,
     {"EnviarDadosVenda", "EnviarDadosVenda", {codigo(), cdata("dadosVenda", 1), nrDocumento()}}},
    {"CancelarUltimaVenda", "ttt", "07", 3, true,
     {"CancelarUltimaVenda", "CancelarUltimaVenda", {codigo(), text("chave", 1), cdata("dadosCancelamento", 2)}}},
    {"ConsultarSAT", "", "08", 4, false, {"ConsultarMFe", "ConsultarMFe", {}}},
    {"TesteFimAFim", "tt", "09", 5, false, {"TesteFimAFim", "TesteFimaFim", {codigo(), cdata("dadosVenda", 1)}}},
    {"ConsultarStatusOperacional", "t", "10", 6, false,
     {"ConsultarStatusOperacional", "ConsultarStatusOperacional", {codigo()}, true}},
    {"ConsultarNumeroSessao", "ti", "11", 7, false,
     {"ConsultarNumeroSessao", "ConsultarNumeroSessao", {codigo(), integer("cNumeroDeSessao", 1)}}},
    {"AssociarAssinatura", "ttt", "13", 9, false,
     {"AssociarAssinatura", "AssociarAssinatura", {codigo(), text("cnpjValue", 1), text("assinaturaCNPJs", 2)}}},
    {"AtualizarSoftwareSAT", "t", "14", 10, false, {"AtualizarSoftwareSAT", "AtualizarSoftwareSAT", {codigo()}}},
    {"ExtrairLogs", "t", "15", 11, false, {"ExtrairLogs", "ExtrairLogs", {codigo()}}},
    {"BloquearSAT", "t", "16", 12, false, {"BloquearSAT", "BloquearSAT", {codigo()}}},
    {"DesbloquearSAT", "t", "17", 13, false, {"DesbloquearSAT", "DesbloquearSAT", {codigo()}}},
    {"TrocarCodigoDeAtivacao", "titt", "18", 14, false,
     {"TrocarCodigoDeAtivacao", "TrocarCodigoAtivacao",
      {codigo(), integer("opcao", 1), text("novoCodigo", 2), text("confNovoCodigo", 3)}}},
    {"ConfigurarInterfaceDeRede", "tt", "12", 8, false,
     {"ConfigurarInterfaceDeRede", "ConfigurarInterfaceDeRede",
      {codigo(), cdata("dadosConfiguracao", 1), nrDocumento()}}},
    // subComando comes first, an integer argument written under "<!--string-->".
    {"AtivarSAT", "itti", "04", 1, false,
     {"AtivarSAT", "AtivarSAT",
      {text("subComando", 0), text("codigoDeAtivacao", 1), text("CNPJ", 2), integer("cUF", 3)}}},
    {"ConfigurarInterfaceDeRedeMFE", "tt", "12", 8, false,
     {"ConfigurarInterfaceDeRedeMFE", "ConfigurarInterfaceDeRedeMFE",
      {codigo(), cdata("dadosConfiguracao", 1), nrDocumento()}}},
    {"ConsultarStatusOperacionalMFE", "t", "10", 6, false,
     {"ConsultarStatusOperacionalMFE", "ConsultarStatusOperacionalMFE", {codigo()}, true}},
}};
