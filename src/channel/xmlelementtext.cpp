#include "channel/xmlelementtext.h"

#include <algorithm>

std::optional<std::string> XmlElementText::read(const pugi::xml_node &element)
{
    std::string text;
    for (const pugi::xml_node &child : element.children()) {
        switch (child.type()) {
        case pugi::node_pcdata:
        case pugi::node_cdata:
            text += child.value();
            break;
        case pugi::node_element:
            return std::nullopt;
        default:
            break; // comments and processing instructions carry no text
        }
    }
    return text;
}

std::optional<std::string> XmlElementText::readTrimmed(const pugi::xml_node &element)
{
    std::optional<std::string> text = read(element);
    if (text) {
        const auto notSpace = [](char c) { return !isSpace(c); };
        text->erase(std::find_if(text->rbegin(), text->rend(), notSpace).base(), text->end());
        text->erase(text->begin(), std::find_if(text->begin(), text->end(), notSpace));
    }
    return text;
}

bool XmlElementText::isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
