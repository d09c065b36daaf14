#include "settings/textfilereader.h"

#include "platform/boundedfile.h"
#include "settings/xmlchars.h"

TextFileReader::Result TextFileReader::LeArquivo(const QString &fileName)
{
    const BoundedFile::Result file = BoundedFile::read(fileName, kMaxSize);
    if (file.status == BoundedFile::Status::NotAFile)
        return {Status::NotFound, {}};
    if (file.status != BoundedFile::Status::Read)
        return {Status::ReadError, {}};
    QByteArray content = file.bytes;
    // A UTF-8 byte-order mark is no character of the text.
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    content.replace("\r\n", "");
    content.replace('\n', QByteArray());
    if (!XmlChars::allAllowed(content))
        return {Status::InvalidCharacters, {}};
    return {Status::Read, content};
}

TextFileReader::Result TextFileReader::readDocument(const QString &fileName)
{
    Result file = LeArquivo(fileName);
    if (file.status == Status::Read && !XmlChars::referencesAllowed(file.content))
        return {Status::InvalidCharacters, {}};
    return file;
}

QString TextFileReader::message(Status status, const QString &fileName)
{
    switch (status) {
    case Status::NotFound:
        return QStringLiteral("Arquivo: ") + fileName + QStringLiteral(" não foi encontrado!");
    case Status::ReadError:
        return QStringLiteral("Erro ao tentar acessar o arquivo: ") + fileName;
    case Status::InvalidCharacters:
        return QStringLiteral("O arquivo ") + fileName + QStringLiteral(" contém caracteres inválidos.");
    case Status::Read:
        break;
    }
    return QString();
}
