#pragma once

#include <pugixml.hpp>

// Documents from outside are parsed as fragments so that stray text shows;
// these tell whether such a fragment is one well-formed document.
class XmlFragment
{
public:
    // Exactly one element at the top level and no text beside it.
    static bool isSingleDocument(const pugi::xml_document &document);
};
