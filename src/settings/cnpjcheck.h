#pragma once

#include <QString>

// The CNPJ of a taxpayer or software house: 14 digits whose last two are
// modulo-11 check digits of the others.
class CnpjCheck
{
public:
    // True for a valid CNPJ given as its bare 14 digits; never throws.
    static bool isCNPJ(const QString &text);
};
