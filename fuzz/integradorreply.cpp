// The Integrador reply document: the bytes the fuzzer gave decode to valid
// UTF-8 text (without a mark or declaration, the text that the reading rule
// of texts from outside shows), and that text read from UTF-8, UTF-16 LE or
// UTF-16 BE bytes with a byte-order mark is the same document, with the same
// identifier, error text and reply text.

#include "channel/integradorreplydocument.h"
#include "channel/xmldocumenttext.h"
#include "fuzzcheck.h"
#include "fuzzinput.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QUtf8StringView>

namespace {

struct Values {
    bool parsed = false;
    std::optional<QString> erro;
    std::optional<QString> retorno;
    std::optional<std::optional<qint32>> identificador;

    bool operator==(const Values &other) const
    {
        return parsed == other.parsed && erro == other.erro && retorno == other.retorno
            && identificador == other.identificador;
    }
};

Values read(const QByteArray &bytes)
{
    IntegradorReplyDocument document;
    Values values;
    values.parsed = document.parse(bytes);
    if (values.parsed) {
        values.erro = document.erro();
        values.retorno = document.retorno();
        values.identificador = document.identificador();
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzInput::bytes(data, size);
    const Values values = read(bytes);
    if (values.identificador && *values.identificador)
        FUZZ_CHECK(**values.identificador >= 0);

    // The text after its byte-order mark (a second mark stays part of it).
    const QByteArray utf8 = XmlDocumentText::displayUtf8(bytes);
    FUZZ_CHECK(QUtf8StringView(utf8).isValidUtf8());
    // Without a byte-order mark or a declaration (no "?" at all), the bytes
    // read as any text from outside: UTF-8 where valid, else the code page.
    const bool marked
        = bytes.startsWith("\xef\xbb\xbf") || bytes.startsWith("\xff\xfe") || bytes.startsWith("\xfe\xff");
    if (!marked && !bytes.contains('?'))
        FUZZ_CHECK(utf8 == FuzzInput::shown(bytes).toUtf8());
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(utf8);
    for (const QStringConverter::Encoding encoding :
         {QStringConverter::Utf8, QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
        const QByteArray again = encoder.encode(text);
        FUZZ_CHECK(read(again) == values);
    }
    return 0;
}
