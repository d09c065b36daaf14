#pragma once

#include <QString>

// The state table: IBGE code and abbreviation of the 27 states, in
// alphabetical order of the abbreviation. The settings keep a row index.
class TabelaUF
{
public:
    static int count();
    // False for an index outside the table (the stored default "35" is one).
    static bool isValidRow(int row);
    // Empty for a row outside the table.
    static QString code(int row);
    static QString abbreviation(int row);
};
