#include "decoders/onelinexml.h"

#include <sstream>
#include <stdexcept>

OneLineXml::OneLineXml(const char *skeleton)
{
    if (!document_.load_string(skeleton, pugi::parse_default | pugi::parse_declaration))
        throw std::logic_error("malformed document skeleton");
}

pugi::xml_node OneLineXml::node(const char *path)
{
    return document_.first_element_by_path(path);
}

void OneLineXml::setText(pugi::xml_node element, const QString &value)
{
    element.remove_children();
    element.append_child(pugi::node_pcdata).set_value(value.toUtf8().constData());
}

QString OneLineXml::text(bool emptyElementTags) const
{
    std::ostringstream stream;
    const unsigned int flags = pugi::format_raw | (emptyElementTags ? 0U : pugi::format_no_empty_element_tags);
    document_.save(stream, "", flags, pugi::encoding_utf8);
    return QString::fromStdString(stream.str());
}
