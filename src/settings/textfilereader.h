#pragma once

#include <QByteArray>
#include <QString>

// Reads a text file chosen by the technician (a signature, a CF-e) into one
// text without its line breaks, in the ANSI code page.
class TextFileReader
{
public:
    // NotFound: no regular file of that name, so also a folder, a pipe or a device.
    // InvalidCharacters: a NUL or another character XML cannot carry (XmlChars),
    // which would cut the text or break the request it goes into.
    enum class Status { Read, NotFound, ReadError, InvalidCharacters };

    struct Result {
        Status status = Status::ReadError;
        QByteArray content; // empty unless Read
    };

    // Larger files are refused as unreadable rather than loaded whole.
    static constexpr qint64 kMaxSize = 64 * 1024 * 1024;

    static Result LeArquivo(const QString &fileName);
    // A document sent as it is (a CF-e), refused as well when a character
    // reference in it stands for a character XML cannot carry.
    static Result readDocument(const QString &fileName);
    // The message the console shows for a failed read; empty for Read.
    static QString message(Status status, const QString &fileName);
};
