#include "settings/tabelauf.h"

#include <array>

namespace {

struct State {
    const char *code;
    const char *abbreviation;
};

constexpr std::array<State, 27> kStates {{
    {"12", "AC"}, {"27", "AL"}, {"13", "AM"}, {"16", "AP"}, {"29", "BA"},
    {"23", "CE"}, {"53", "DF"}, {"32", "ES"}, {"52", "GO"}, {"21", "MA"},
    {"31", "MG"}, {"50", "MS"}, {"51", "MT"}, {"15", "PA"}, {"25", "PB"},
    {"26", "PE"}, {"22", "PI"}, {"41", "PR"}, {"33", "RJ"}, {"24", "RN"},
    {"11", "RO"}, {"14", "RR"}, {"43", "RS"}, {"42", "SC"}, {"28", "SE"},
    {"35", "SP"}, {"17", "TO"},
}};

} // namespace

int TabelaUF::count()
{
    return static_cast<int>(kStates.size());
}

bool TabelaUF::isValidRow(int row)
{
    return row >= 0 && row < count();
}

QString TabelaUF::code(int row)
{
    return isValidRow(row) ? QString::fromLatin1(kStates[row].code) : QString();
}

QString TabelaUF::abbreviation(int row)
{
    return isValidRow(row) ? QString::fromLatin1(kStates[row].abbreviation) : QString();
}
