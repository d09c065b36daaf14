#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// The characters an XML 1.0 document can carry: tab, LF, CR, U+0020 to
// U+D7FF, U+E000 to U+FFFD and U+10000 up. Every text that ends up in a
// request or a document the console writes passes this rule: files holding
// anything else are refused, typed entries and settings values lose it.
class XmlChars
{
public:
    // A surrogate without its pair is no character.
    static bool allAllowed(QStringView text);
    // Text from a file, in the code page or in UTF-8 as a CF-e declares: the
    // bytes are read as UTF-8 where they are valid. Both readings share the
    // control characters; only UTF-8 spells U+FFFE and U+FFFF.
    static bool allAllowed(const QByteArray &bytes);
    // A document sent as it is: each character reference ("&#1;", "&#x1B;")
    // stands for an allowed character. Reference-like text in a comment or a
    // CDATA section counts too; a CF-e has neither.
    static bool referencesAllowed(const QByteArray &bytes);
    static QString withoutForbidden(const QString &text);
};
