#pragma once

#include <QByteArrayList>
#include <QStringList>

// Splits a text into lines at CR LF, CR or LF. Empty lines are kept; a line
// break at the very end adds no empty line, and an empty text has no lines.
class TextLines
{
public:
    static QStringList split(const QString &text);
    static QByteArrayList split(const QByteArray &text);
};
