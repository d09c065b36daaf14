#include "channel/integradormethod.h"

namespace {

using Type = IntegradorParameter::Type;
using Form = IntegradorParameter::Form;

constexpr IntegradorParameter text(const char *name, int argument)
{
    return {name, Type::String, Form::Plain, argument};
}

constexpr IntegradorParameter integer(const char *name, int argument)
{
    return {name, Type::Int, Form::Plain, argument};
}

constexpr IntegradorParameter cdata(const char *name, int argument)
{
    return {name, Type::String, Form::CData, argument};
}

constexpr IntegradorParameter nrDocumento{"nrDocumento", Type::String, Form::FixedDocumento, -1};
constexpr IntegradorParameter codigo = text("codigoDeAtivacao", 0);

// subComando of AtivarSAT is an integer argument written under "<!--string-->".
constexpr IntegradorMethod kMethods[] = {
    {Command::AtivarSAT, "AtivarSAT", "AtivarSAT", 4,
     {text("subComando", 0), text("codigoDeAtivacao", 1), text("CNPJ", 2), integer("cUF", 3)},
     1, "04098", false, false},
    {Command::EnviarDadosVenda, "EnviarDadosVenda", "EnviarDadosVenda", 3,
     {codigo, cdata("dadosVenda", 1), nrDocumento}, 2, "06098", true, false},
    {Command::CancelarUltimaVenda, "CancelarUltimaVenda", "CancelarUltimaVenda", 3,
     {codigo, text("chave", 1), cdata("dadosCancelamento", 2)}, 3, "07098", true, false},
    {Command::ConsultarSAT, "ConsultarMFe", "ConsultarMFe", 0, {}, 4, "08098", false, false},
    {Command::TesteFimAFim, "TesteFimAFim", "TesteFimaFim", 2,
     {codigo, cdata("dadosVenda", 1)}, 5, "09098", false, false},
    {Command::ConsultarStatusOperacional, "ConsultarStatusOperacional", "ConsultarStatusOperacional", 1,
     {codigo}, 6, "10098", false, true},
    {Command::ConsultarNumeroSessao, "ConsultarNumeroSessao", "ConsultarNumeroSessao", 2,
     {codigo, integer("cNumeroDeSessao", 1)}, 7, "11098", false, false},
    {Command::ConfigurarInterfaceDeRede, "ConfigurarInterfaceDeRede", "ConfigurarInterfaceDeRede", 3,
     {codigo, cdata("dadosConfiguracao", 1), nrDocumento}, 8, "12098", false, false},
    {Command::AssociarAssinatura, "AssociarAssinatura", "AssociarAssinatura", 3,
     {codigo, text("cnpjValue", 1), text("assinaturaCNPJs", 2)}, 9, "13098", false, false},
    {Command::AtualizarSoftwareSAT, "AtualizarSoftwareSAT", "AtualizarSoftwareSAT", 1,
     {codigo}, 10, "14098", false, false},
    {Command::ExtrairLogs, "ExtrairLogs", "ExtrairLogs", 1, {codigo}, 11, "15098", false, false},
    {Command::BloquearSAT, "BloquearSAT", "BloquearSAT", 1, {codigo}, 12, "16098", false, false},
    {Command::DesbloquearSAT, "DesbloquearSAT", "DesbloquearSAT", 1, {codigo}, 13, "17098", false, false},
    {Command::TrocarCodigoDeAtivacao, "TrocarCodigoDeAtivacao", "TrocarCodigoAtivacao", 4,
     {codigo, integer("opcao", 1), text("novoCodigo", 2), text("confNovoCodigo", 3)},
     14, "18098", false, false},
    {Command::ConfigurarInterfaceDeRedeMFE, "ConfigurarInterfaceDeRedeMFE", "ConfigurarInterfaceDeRedeMFE", 3,
     {codigo, cdata("dadosConfiguracao", 1), nrDocumento}, 8, "12098", false, false},
    {Command::ConsultarStatusOperacionalMFE, "ConsultarStatusOperacionalMFE", "ConsultarStatusOperacionalMFE", 1,
     {codigo}, 6, "10098", false, true},
};

} // namespace

const IntegradorMethod *IntegradorMethod::find(Command command)
{
    for (const IntegradorMethod &method : kMethods) {
        if (method.command == command)
            return &method;
    }
    return nullptr;
}
