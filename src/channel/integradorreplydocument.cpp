#include "channel/integradorreplydocument.h"

#include "channel/xmlelementtext.h"
#include "platform/ansicodepage.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

QByteArray readWhole(const QString &path)
{
    // Only regular files: a FIFO or device named "*.xml" would block or never end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > IntegradorReplyDocument::kMaxFileSize)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(IntegradorReplyDocument::kMaxFileSize + 1);
    if (bytes.size() > IntegradorReplyDocument::kMaxFileSize)
        return {};
    return bytes;
}

} // namespace

bool IntegradorReplyDocument::load(const QString &path)
{
    document_.reset();
    const QByteArray bytes = readWhole(path);
    if (bytes.isEmpty())
        return false;
    const QByteArray utf8 = decode(bytes).toUtf8();
    const pugi::xml_parse_result parsed = document_.load_buffer(
        utf8.constData(), std::size_t(utf8.size()), pugi::parse_default | pugi::parse_ws_pcdata_single,
        pugi::encoding_utf8);
    return parsed && qstrcmp(document_.document_element().name(), "Integrador") == 0;
}

QString IntegradorReplyDocument::decode(const QByteArray &bytes)
{
    const std::optional<QStringConverter::Encoding> bom = QStringConverter::encodingForData(bytes);
    if (bom == QStringConverter::Utf8 || bom == QStringConverter::Utf16LE || bom == QStringConverter::Utf16BE) {
        QStringDecoder decoder(*bom);
        return decoder.decode(bytes); // the decoder drops the byte-order mark
    }
    return AnsiCodePage::toUnicode(bytes);
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

