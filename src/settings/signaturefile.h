#pragma once

#include "settings/textfilereader.h"

#include <QString>

// The commercial application's signature kept in a text file, read by
// TextFileReader::LeArquivo (its lines joined with nothing between them).
class SignatureFile
{
public:
    struct Result {
        bool read = false;
        QString signature; // decoded from the ANSI code page; empty unless read
        QString message;   // what the technician is told when not read
    };

    static Result read(const QString &fileName);
    // What the technician is told when the file cannot be read; empty for Read.
    static QString message(TextFileReader::Status status, const QString &fileName);
};
