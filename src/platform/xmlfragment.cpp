#include "platform/xmlfragment.h"

bool XmlFragment::isSingleDocument(const pugi::xml_document &document)
{
    int elements = 0;
    for (const pugi::xml_node &node : document.children()) {
        if (node.type() == pugi::node_element)
            ++elements;
        else if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata)
            return false;
    }
    return elements == 1;
}
