#include "settings/xmlformatter.h"

#include "platform/xmlfragment.h"

#include <pugixml.hpp>
#include <sstream>
#include <stdexcept>

QString XmlFormatter::FormatXMLString(const QString &xml)
{
    const QByteArray utf8 = xml.toUtf8();
    pugi::xml_document document;
    const unsigned parseOptions =
        pugi::parse_default | pugi::parse_declaration | pugi::parse_comments | pugi::parse_pi | pugi::parse_doctype | pugi::parse_fragment;
    const pugi::xml_parse_result parsed =
        document.load_buffer(utf8.constData(), size_t(utf8.size()), parseOptions, pugi::encoding_utf8);
    if (!parsed || !XmlFragment::isSingleDocument(document))
        throw std::runtime_error(QStringLiteral("XML inválido: %1 (posição %2)")
                                     .arg(QString::fromUtf8(parsed ? "não há um único elemento raiz" : parsed.description()))
                                     .arg(parsed.offset)
                                     .toStdString());
    std::ostringstream formatted;
    // The document's own declaration node is written; none is made up.
    document.save(formatted, "  ", pugi::format_indent | pugi::format_no_declaration, pugi::encoding_utf8);
    // The writer ends lines with LF alone; text nodes hold no line breaks of
    // their own after the parser's end-of-line normalisation but LF, and a
    // parser reads CR LF back as LF, so turning every LF into CR LF is safe.
    QString text = QString::fromUtf8(formatted.str().c_str(), int(formatted.str().size()));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}
