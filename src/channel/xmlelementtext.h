#pragma once

#include <optional>
#include <pugixml.hpp>
#include <string>

// The text of an element as a document object model gives it: its text and
// CDATA children joined in order (a value split across several CDATA
// sections reads whole). A missing element reads as empty text; an element
// that holds child elements has no text of its own and reads as nullopt.
class XmlElementText
{
public:
    static std::optional<std::string> read(const pugi::xml_node &element);
    // The same without the white space at either end, for a value such as a
    // number that an indented document spreads over lines.
    static std::optional<std::string> readTrimmed(const pugi::xml_node &element);
    // XML's white space: space, tab, CR and LF, no other blank.
    static bool isSpace(char c);
};
