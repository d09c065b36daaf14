#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <pugixml.hpp>
#include <string>

// One reply file of the Integrador's Output folder, read as a whole and
// decoded by XmlDocumentText::displayUtf8: a UTF-8 or UTF-16 byte-order mark
// decides its encoding, otherwise the XML declaration's. A file declared
// UTF-8 or ASCII, or declaring none, is read as texts from outside are shown:
// UTF-8 where its bytes are valid UTF-8, otherwise the ANSI code page. Under
// a byte-order mark or another declared encoding, invalid bytes show as
// replacement characters. The file is untrusted: anything that is not a
// readable, well-formed document with root Integrador fails to load and is
// passed over by the reader.
class IntegradorReplyDocument
{
public:
    // Larger files are refused unread, so a stray file cannot exhaust memory.
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

    [[nodiscard]] bool load(const QString &path);
    // The file's bytes, as load() reads them.
    [[nodiscard]] bool parse(QByteArray bytes);

    // Texts below the root Integrador: missing elements read as empty text;
    // nullopt when an element on the path cannot be read as text.
    std::optional<QString> erro() const;
    std::optional<QString> retorno() const;
    // Identificador/Valor without the XML white space around it: an
    // indented number is the number, and only white space is empty.
    std::optional<QString> identificadorValor() const;
    // The outer nullopt: unreadable; the inner one: not a 32-bit decimal number.
    std::optional<std::optional<qint32>> identificador() const;

    static std::optional<qint32> parseIdentifier(const QString &text);

private:
    using ElementReader = std::optional<std::string> (*)(const pugi::xml_node &element);
    std::optional<QString> text(const char *parent, const char *child, ElementReader read) const;

    QByteArray buffer_;
    pugi::xml_document document_;
};
