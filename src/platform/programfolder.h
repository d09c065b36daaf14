#pragma once

#include <QString>

// The folder of the running program's executable, ending with a separator.
class ProgramFolder
{
public:
    static QString path();
};
