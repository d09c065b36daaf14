#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <pugixml.hpp>

// One reply file of the Integrador's Output folder, read as a whole and
// decoded as XML reads it: a UTF-8 or UTF-16 byte-order mark decides its
// encoding, otherwise the XML declaration's (UTF-8 or Windows-1252), UTF-8
// when it names none (XmlDocumentText); invalid bytes show as replacement
// characters. The file is untrusted: anything that is not a readable,
// well-formed document with root Integrador fails to load and is passed over
// by the reader.
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
    // Identificador/Valor as written.
    std::optional<QString> identificadorValor() const;
    // The outer nullopt: unreadable; the inner one: not a 32-bit decimal number.
    std::optional<std::optional<qint32>> identificador() const;

    static std::optional<qint32> parseIdentifier(const QString &text);

private:
    std::optional<QString> text(const char *parent, const char *child) const;

    QByteArray buffer_;
    pugi::xml_document document_;
};
