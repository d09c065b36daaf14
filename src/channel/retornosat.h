#pragma once

#include <QString>
#include <QStringList>

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

    // Places the later fields are moved on: 1 when field 2 holds the
    // four-character code of that layout, else 0.
    static int shift(const QStringList &fields)
    {
        constexpr int kCodeLength = 4;
        return fields.size() > mensagem && fields.at(mensagem).size() == kCodeLength ? 1 : 0;
    }
};
