#pragma once

#include <QByteArray>

// The characters of an XML document's bytes, as XML reads them: a UTF-8 or
// UTF-16 byte-order mark decides the encoding; without one, a declaration
// spelled in UTF-16 (LE or BE) is read in it; else the encoding that the XML
// declaration names (UTF-8, or Windows-1252 under its own names and those of
// ISO-8859-1); without a declaration, without an encoding in it or with one
// not listed, UTF-8. Bytes that are not valid in that encoding become
// replacement characters, so that the same characters always come back as
// the same bytes, whatever bytes spelled them.
class XmlDocumentText
{
public:
    // Valid UTF-8, without the byte-order mark.
    static QByteArray utf8(QByteArray bytes);
    // The same for a document from outside that the console shows: when it
    // is UTF-8 by its declaration (ASCII's names included) or for want of
    // one, but its bytes are not valid UTF-8, they are read in the ANSI code
    // page, as any text from outside.
    static QByteArray displayUtf8(QByteArray bytes);
};
