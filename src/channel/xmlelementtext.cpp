#include "channel/xmlelementtext.h"

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
