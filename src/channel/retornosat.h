#pragma once

#include <QString>

// TRetornoSAT: the reply of every command, fields separated by "|". Some
// replies put a four-character code in field 2 and shift the later fields
// one place on.
class TRetornoSAT
{
public:
    static constexpr char separator = '|';

    static constexpr int numeroSessao = 0;
    static constexpr int codigoRetorno = 1;
    static constexpr int mensagem = 2;
    static constexpr int codigoSefaz = 3;
    static constexpr int mensagemSefaz = 4;
};
