#pragma once

#include <QString>
#include <pugixml.hpp>

// A document sent to the module as one line: a fixed skeleton whose values
// are filled in and escaped by XML rules when written.
class OneLineXml
{
public:
    // Loads the skeleton (declaration included); it is a fixed text of the
    // program, so a parse error is a programming error.
    explicit OneLineXml(const char *skeleton);

    // The first element that path selects from the document's root.
    pugi::xml_node node(const char *path);
    // Gives the element value as its text; an empty value still writes
    // start and end tags.
    static void setText(pugi::xml_node element, const QString &value);

    // The document without line breaks or indentation. Elements left without
    // content are written as "<name/>", or as start and end tags when
    // emptyElementTags is false.
    QString text(bool emptyElementTags) const;

private:
    pugi::xml_document document_;
};
