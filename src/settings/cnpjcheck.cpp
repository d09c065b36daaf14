#include "settings/cnpjcheck.h"

namespace {

constexpr int kLength = 14;

// The check digit over the first `count` digits, weights 2..9 from the right.
int checkDigit(const QString &text, int count)
{
    int sum = 0;
    int weight = 2;
    for (int position = count - 1; position >= 0; --position) {
        sum += text.at(position).digitValue() * weight;
        weight = weight == 9 ? 2 : weight + 1;
    }
    const int remainder = sum % 11;
    return remainder < 2 ? 0 : 11 - remainder;
}

bool isAsciiDigit(QChar character)
{
    return character >= QLatin1Char('0') && character <= QLatin1Char('9');
}

} // namespace

bool CnpjCheck::isCNPJ(const QString &text)
{
    if (text.size() != kLength)
        return false;
    if (text.count(text.at(0)) == kLength)
        return false;
    for (int position = 0; position < kLength - 1; ++position) {
        if (!isAsciiDigit(text.at(position)))
            return false;
    }
    return text.at(12).digitValue() == checkDigit(text, 12) && isAsciiDigit(text.at(13))
        && text.at(13).digitValue() == checkDigit(text, 13);
}
