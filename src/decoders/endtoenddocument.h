#pragma once

#include <QString>

// The one-item sale that the module's end-to-end test sends (dadosVenda).
class EndToEndDocument
{
public:
    // The customer of the production sale: a valid CNPJ of no real taxpayer.
    static const QString kDestCnpj;

    // With the software house's CNPJ, the signature, the taxpayer's CNPJ and
    // the state registration as the technician gave them.
    static QString production(const QString &cnpjSoftwareHouse, const QString &signature,
                              const QString &cnpjContribuinte, const QString &ie);
    // Placeholder zeros for all but the taxpayer's CNPJ, and no customer.
    static QString activation(const QString &cnpjContribuinte);

private:
    static QString build(const QString &cnpjSoftwareHouse, const QString &signature,
                         const QString &cnpjContribuinte, const QString &ie, const QString &destCnpj);
};
