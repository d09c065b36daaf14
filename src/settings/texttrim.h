#pragma once

#include <QString>

// The console's trim: blanks and control characters (every character up to
// U+0020) removed at both ends, other characters kept, as the technician's
// entries have always been trimmed. Characters that an XML 1.0 document
// cannot carry (XmlChars) are removed everywhere, so no entry breaks a
// request or a document.
class TextTrim
{
public:
    static QString trim(const QString &text);
    // The entry as typed, blanks kept, without those characters: for
    // the values that are stored and sent as typed.
    static QString withoutControls(const QString &text);
};
