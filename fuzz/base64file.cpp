// A file's Base64 text: lines of 76 characters ended by CR LF, then the
// rest; read back, the file's bytes.

#include "channel/base64file.h"
#include "fuzzcheck.h"
#include "fuzzinput.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("arquivo.bin"));
    const QByteArray bytes = FuzzInput::bytes(data, size);
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    const QStringList lines = Base64File::EncodeFile(path).split(QStringLiteral("\r\n"));
    for (qsizetype index = 0; index + 1 < lines.size(); ++index)
        FUZZ_CHECK(lines.at(index).size() == 76);
    FUZZ_CHECK(lines.last().size() < 76);
    const QByteArray::FromBase64Result decoded =
        QByteArray::fromBase64Encoding(lines.join(QString()).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    FUZZ_CHECK(decoded && *decoded == bytes);
    return 0;
}
