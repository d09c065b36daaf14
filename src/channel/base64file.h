#pragma once

#include <QString>

// A file's bytes as Base64 text for the module.
class Base64File
{
public:
    // Standard alphabet with "=" padding and a CR LF pair after every 76
    // output characters. An unreadable file gives empty text.
    static QString EncodeFile(const QString &fileName);
};
