#pragma once

#include <QString>

// The console's trim: blanks and control characters (every character up to
// U+0020) removed at both ends, other characters kept, as the technician's
// entries have always been trimmed.
class TextTrim
{
public:
    static QString trim(const QString &text);
};
