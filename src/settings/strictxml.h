#pragma once

#include <QByteArray>
#include <QString>

// Whether bytes are one document well-formed by the rules of XML 1.0, which
// pugixml's default parse does not check: it lets characters XML cannot carry
// (raw or as references), undeclared entities, text not in the declared
// encoding, repeated attributes, "]]>" in text and "<" in attribute values
// through. QXmlStreamReader refuses them all.
class StrictXml
{
public:
    // The qualified name of the root element; empty when the bytes are not
    // one well-formed document.
    static QString rootName(const QByteArray &bytes);
};
