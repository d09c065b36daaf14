#include "channel/integradorreplydocument.h"

#include "channel/xmlelementtext.h"
#include "platform/ansicodepage.h"
#include "platform/boundedfile.h"
#include "platform/xmlfragment.h"

#include <QStringDecoder>
#include <utility>

bool IntegradorReplyDocument::load(const QString &path)
{
    // A file still being written is read as it is now and fails to parse.
    return parse(BoundedFile::read(path, kMaxFileSize).bytes);
}

bool IntegradorReplyDocument::parse(QByteArray bytes)
{
    document_.reset();
    buffer_ = utf8Text(std::move(bytes));
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

QByteArray IntegradorReplyDocument::utf8Text(QByteArray bytes)
{
    const std::optional<QStringConverter::Encoding> bom = QStringConverter::encodingForData(bytes);
    // Most replies are UTF-8: parsed as they are, without a copy in UTF-16.
    // Invalid sequences reach the texts' decoding, which replaces them.
    if (bom == QStringConverter::Utf8)
        return bytes.remove(0, 3);
    if (bom == QStringConverter::Utf16LE || bom == QStringConverter::Utf16BE) {
        // Stateless: a last byte without its pair becomes a replacement
        // character, so a file cut short does not read as complete.
        QStringDecoder decoder(*bom, QStringConverter::Flag::Stateless);
        return QString(decoder.decode(bytes)).toUtf8(); // the decoder drops the byte-order mark
    }
    return AnsiCodePage::toUnicode(bytes).toUtf8();
}

std::optional<QString> IntegradorReplyDocument::erro() const
{
    return text("Erro", "Valor");
}

std::optional<QString> IntegradorReplyDocument::retorno() const
{
    return text("Resposta", "retorno");
}

std::optional<std::optional<qint32>> IntegradorReplyDocument::identificador() const
{
    const std::optional<QString> value = text("Identificador", "Valor");
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

std::optional<QString> IntegradorReplyDocument::text(const char *parent, const char *child) const
{
    const pugi::xml_node root = document_.document_element();
    const std::optional<std::string> value = XmlElementText::read(root.child(parent).child(child));
    if (!value)
        return std::nullopt;
    return QString::fromStdString(*value);
}

