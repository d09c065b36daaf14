#include "settings/datapacket.h"

#include "platform/ansicodepage.h"

#include <QStringDecoder>
#include <QStringList>

#include <pugixml.hpp>

namespace {

using Kind = TParametros::Kind;

const char *fieldType(Kind kind)
{
    switch (kind) {
    case Kind::Integer:
        return "i4";
    case Kind::Memo:
        return "bin.hex";
    case Kind::WideText:
        return "string.uni";
    case Kind::Text:
        break;
    }
    return "string";
}

// Every character counts: a value may begin with U+FEFF, which
// QString::fromUtf8 would take for a byte-order mark and drop.
QString text(const pugi::char_t *value)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(value));
}

QByteArray utf8(const QString &value)
{
    return value.toUtf8();
}

// The file has no encoding declaration: its bytes are ANSI.
bool parse(pugi::xml_document &document, const QByteArray &bytes)
{
    const QByteArray decoded = utf8(AnsiCodePage::toUnicode(bytes));
    return document.load_buffer(decoded.constData(), static_cast<std::size_t>(decoded.size()),
                                pugi::parse_default, pugi::encoding_utf8);
}

bool hasField(const pugi::xml_node &fields, const QString &name)
{
    for (const pugi::xml_node &field : fields.children("FIELD")) {
        if (name.compare(text(field.attribute("attrname").value()), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString missingField(const pugi::xml_node &fields)
{
    for (int index = 0; index < TParametros::kFieldCount; ++index) {
        const QString name = QLatin1String(TParametros::field(index).name);
        if (!hasField(fields, name))
            return name;
    }
    return {};
}

TParametros::Record readRow(const pugi::xml_node &row)
{
    TParametros::Record record;
    for (const pugi::xml_attribute &attribute : row.attributes()) {
        const int index = TParametros::indexOf(text(attribute.name()));
        if (index >= 0)
            record[index] = TParametros::fitted(index, text(attribute.value()));
    }
    return record;
}

void appendFields(pugi::xml_node fields)
{
    for (int index = 0; index < TParametros::kFieldCount; ++index) {
        const TParametros::Field &definition = TParametros::field(index);
        pugi::xml_node field = fields.append_child("FIELD");
        field.append_attribute("attrname") = definition.name;
        field.append_attribute("fieldtype") = fieldType(definition.kind);
        if (definition.kind == Kind::Memo)
            field.append_attribute("SUBTYPE") = "Text";
        if (definition.width > 0)
            field.append_attribute("WIDTH") = definition.width;
    }
}

// Every row is marked as inserted, as in the default file.
void appendParams(pugi::xml_node metadata, std::size_t rowCount)
{
    pugi::xml_node params = metadata.append_child("PARAMS");
    QStringList changeLog;
    for (std::size_t row = 1; row <= rowCount; ++row)
        changeLog << QString::number(row) << QStringLiteral("0") << QStringLiteral("4");
    if (!changeLog.isEmpty())
        params.append_attribute("CHANGE_LOG") = utf8(changeLog.join(QLatin1Char(' '))).constData();
}

// A record's values as pugixml is to hold them: the bytes of each, null where
// the value is.
using ValueBytes = std::array<std::optional<QByteArray>, TParametros::kFieldCount>;
using RowsBytes = std::vector<ValueBytes>;

// Each value's bytes as encode gives them; nothing when it gives none for one.
std::optional<RowsBytes> valueBytes(const DataPacket::Rows &rows,
                                    std::optional<QByteArray> (*encode)(const QString &value))
{
    RowsBytes values(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int index = 0; index < TParametros::kFieldCount; ++index) {
            if (!rows[row][index])
                continue;
            values[row][index] = encode(*rows[row][index]);
            if (!values[row][index])
                return std::nullopt;
        }
    }
    return values;
}

void appendRows(pugi::xml_node rowData, const RowsBytes &rows)
{
    for (const ValueBytes &record : rows) {
        pugi::xml_node row = rowData.append_child("ROW");
        row.append_attribute("RowState") = "4";
        for (int index = 0; index < TParametros::kFieldCount; ++index) {
            if (record[index])
                row.append_attribute(TParametros::field(index).name) = record[index]->constData();
        }
    }
}

// The saved document's bytes, collected without a stream's extra copies.
class ByteWriter : public pugi::xml_writer
{
public:
    void write(const void *data, std::size_t size) override
    {
        bytes.append(static_cast<const char *>(data), static_cast<qsizetype>(size));
    }

    QByteArray bytes;
};

QByteArray characterReference(char32_t codePoint)
{
    return "&#" + QByteArray::number(static_cast<uint>(codePoint)) + ';';
}

// The document of the rows, saved as pugixml writes it.
QByteArray saved(const RowsBytes &rows)
{
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("standalone") = "yes";
    document.append_child(pugi::node_pcdata).set_value("  ");
    pugi::xml_node packet = document.append_child("DATAPACKET");
    packet.append_attribute("Version") = "2.0";
    pugi::xml_node metadata = packet.append_child("METADATA");
    appendFields(metadata.append_child("FIELDS"));
    appendParams(metadata, rows.size());
    appendRows(packet.append_child("ROWDATA"), rows);

    ByteWriter writer;
    document.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.bytes;
}

} // namespace

DataPacket::ReadResult DataPacket::read(const QByteArray &bytes)
{
    ReadResult result;
    pugi::xml_document document;
    if (!parse(document, bytes)) {
        result.problem = QStringLiteral("não é um documento XML válido");
        return result;
    }
    const pugi::xml_node packet = document.child("DATAPACKET");
    if (!packet) {
        result.problem = QStringLiteral("não é um pacote de dados (falta o elemento DATAPACKET)");
        return result;
    }
    const pugi::xml_node fields = packet.child("METADATA").child("FIELDS");
    if (!fields) {
        result.problem = QStringLiteral("a lista de campos não foi encontrada");
        return result;
    }
    const QString missing = missingField(fields);
    if (!missing.isEmpty()) {
        result.problem = QStringLiteral("o campo \"%1\" não está na lista de campos").arg(missing);
        return result;
    }
    for (const pugi::xml_node &row : packet.child("ROWDATA").children("ROW"))
        result.rows.push_back(readRow(row));
    result.ok = true;
    return result;
}

QByteArray DataPacket::write(const Rows &rows)
{
    // pugixml passes bytes above ASCII through: given the values' code-page
    // bytes, it writes the file's bytes itself. A character the code page
    // lacks needs the document in UTF-8, converted afterwards so that the
    // character becomes a reference.
    const std::optional<RowsBytes> codePage = valueBytes(rows, AnsiCodePage::fromUnicodeExactly);
    const auto inUtf8 = [](const QString &value) -> std::optional<QByteArray> { return utf8(value); };
    QByteArray bytes = codePage ? saved(*codePage)
                                : AnsiCodePage::fromUtf8(saved(*valueBytes(rows, inUtf8)), characterReference);
    bytes += "\r\n";
    return bytes;
}
