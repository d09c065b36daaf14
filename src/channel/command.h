#pragma once

#include <QByteArray>
#include <QList>
#include <variant>

// The 17 commands of the SAT command set, in the order of the module
// library's export table.
enum class Command {
    ComunicarCertificadoICPBRASIL,
    EnviarDadosVenda,
    CancelarUltimaVenda,
    ConsultarSAT,
    TesteFimAFim,
    ConsultarStatusOperacional,
    ConsultarNumeroSessao,
    AssociarAssinatura,
    AtualizarSoftwareSAT,
    ExtrairLogs,
    BloquearSAT,
    DesbloquearSAT,
    TrocarCodigoDeAtivacao,
    ConfigurarInterfaceDeRede,
    AtivarSAT,
    ConfigurarInterfaceDeRedeMFE,
    ConsultarStatusOperacionalMFE,
};

constexpr int kCommandCount = 17;

// One argument after numeroSessao: a 32-bit integer or 8-bit ANSI text.
using CommandArgument = std::variant<qint32, QByteArray>;
using CommandArguments = QList<CommandArgument>;
