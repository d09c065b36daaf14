#pragma once

#include "settings/textfilereader.h"

#include <QString>

// The commercial application's signature kept in a text file, read by
// TextFileReader::LeArquivo (its lines joined with nothing between them).
class SignatureFile
{
public:
    // What the technician is told when the file cannot be read; empty for Read.
    static QString message(TextFileReader::Status status);
};
