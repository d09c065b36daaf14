#pragma once

#include <QString>

// Re-indents an XML text for display in a memo.
class XmlFormatter
{
public:
    // One element per line, two blanks per level, CR LF after every line;
    // the input's declaration is kept as it is. Throws std::runtime_error
    // with a readable reason when the text is not well-formed.
    static QString FormatXMLString(const QString &xml);
};
