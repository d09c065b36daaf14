#pragma once

#include <QString>

// The console's program-wide values, owned by the main window and shared with
// its dialogs and the operation frame.
struct ConsoleState {
    QString Retorno;            // raw reply of the last command
    QString NumSessao = QStringLiteral("000000");
    QString CodAtivacao;        // code typed in the prompt, trimmed
    int Cancelado = 1;          // 1: last prompt or test dialog closed without confirming
};
