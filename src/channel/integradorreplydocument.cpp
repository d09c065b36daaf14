#include "channel/integradorreplydocument.h"

#include "channel/xmldocumenttext.h"
#include "channel/xmlelementtext.h"
#include "platform/boundedfile.h"
#include "platform/xmlfragment.h"

#include <utility>

bool IntegradorReplyDocument::load(const QString &path)
{
    // A file still being written is read as it is now and fails to parse.
    return parse(BoundedFile::read(path, kMaxFileSize).bytes);
}

bool IntegradorReplyDocument::parse(QByteArray bytes)
{
    document_.reset();
    buffer_ = XmlDocumentText::displayUtf8(std::move(bytes));
    if (buffer_.isEmpty())
        return false;
    // Parsing in place overwrites the buffer's last character with the end
    // mark and never reads it: a zero of our own takes that place, so that
    // nothing of the file (a stray last character after the root) is lost.
    buffer_.append('\0');
    constexpr unsigned kOptions = pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_fragment;
    // In place: the document keeps pointing into buffer_, which saves a copy of a large reply.
    const pugi::xml_parse_result parsed
        = document_.load_buffer_inplace(buffer_.data(), std::size_t(buffer_.size()), kOptions, pugi::encoding_utf8);
    return parsed && XmlFragment::isSingleDocument(document_) && qstrcmp(document_.document_element().name(), "Integrador") == 0;
}

std::optional<QString> IntegradorReplyDocument::erro() const
{
    return text("Erro", "Valor", XmlElementText::read);
}

std::optional<QString> IntegradorReplyDocument::retorno() const
{
    return text("Resposta", "retorno", XmlElementText::read);
}

std::optional<QString> IntegradorReplyDocument::identificadorValor() const
{
    return text("Identificador", "Valor", XmlElementText::readTrimmed);
}

std::optional<std::optional<qint32>> IntegradorReplyDocument::identificador() const
{
    const std::optional<QString> value = identificadorValor();
    if (!value)
        return std::nullopt;
    return parseIdentifier(*value);
}

std::optional<qint32> IntegradorReplyDocument::parseIdentifier(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qint32 value = text.toInt(&ok, 10);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

std::optional<QString> IntegradorReplyDocument::text(const char *parent, const char *child, ElementReader read) const
{
    const pugi::xml_node root = document_.document_element();
    const std::optional<std::string> value = read(root.child(parent).child(child));
    if (!value)
        return std::nullopt;
    return QString::fromStdString(*value);
}

