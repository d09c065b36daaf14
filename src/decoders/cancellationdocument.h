#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The cancellation (dadosCancelamento) of a CF-e chosen by the technician.
class CancellationDocument
{
public:
    // What the cancellation takes from the CF-e; a path that selects nothing
    // gives an empty value.
    struct Values {
        QString key;          // "Id" of CFe/infCFe
        QString issuerCnpj;   // ide/CNPJ
        QString signature;    // ide/signAC
        QString tillNumber;   // ide/numeroCaixa
        QString customerCnpj; // dest/CNPJ
        QString customerCpf;  // dest/CPF
    };

    // A file that is missing, unreadable, too large or not well-formed gives
    // empty values: the cancellation is still built and sent. A file holding
    // a character XML cannot carry, raw or as a reference, gives nothing, as
    // it does for a sale.
    static std::optional<Values> read(const QString &fileName);
    static Values parse(const QByteArray &cfe);

    static QString dadosCancelamento(const Values &values);
};
