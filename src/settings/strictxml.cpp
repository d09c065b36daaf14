#include "settings/strictxml.h"

#include <QXmlStreamReader>

QString StrictXml::rootName(const QByteArray &bytes)
{
    QXmlStreamReader reader(bytes);
    QString root;
    while (!reader.atEnd()) {
        // Under an external DTD the reader lets undeclared entities through
        // as references; the documents checked here (a CF-e) never have a DTD.
        if (reader.readNext() == QXmlStreamReader::DTD)
            return {};
        if (root.isEmpty() && reader.isStartElement())
            root = reader.qualifiedName().toString();
    }
    return reader.hasError() ? QString() : root;
}
