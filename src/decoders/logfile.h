#pragma once

#include <QByteArray>
#include <QString>

// A saved log: the memo's lines, every line followed by CR LF, as 8-bit text
// in the system's ANSI code page with no byte-order mark; as UTF-8 with a
// byte-order mark when the code page lacks one of the log's characters. The
// file is replaced whole or not at all.
class LogFile
{
public:
    enum class Outcome { Saved, NotWritten };

    // memoText holds the memo's lines separated by LF; an empty memo gives an
    // empty file. A relative name is taken from the working directory; a name
    // of blanks alone is not written.
    [[nodiscard]] static Outcome save(const QString &fileName, const QString &memoText);

    static QByteArray bytes(const QString &memoText);
};
