#pragma once

#include "platform/callingconvention.h"

#include <QFunctionPointer>

// FuncoesDll: the module library's 17 exports, filled by the binding and empty
// until then. Text arguments and the result are zero-terminated ANSI strings;
// the result belongs to the library.
struct FuncoesDll {
    using Text = const char *;

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
