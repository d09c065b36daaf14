#include "settings/signaturefile.h"

#include "platform/ansicodepage.h"

SignatureFile::Result SignatureFile::read(const QString &fileName)
{
    const TextFileReader::Result file = TextFileReader::LeArquivo(fileName);
    if (file.status != TextFileReader::Status::Read)
        return {false, QString(), message(file.status, fileName)};
    return {true, AnsiCodePage::toUnicode(file.content), QString()};
}

QString SignatureFile::message(TextFileReader::Status status, const QString &fileName)
{
    switch (status) {
    case TextFileReader::Status::NotFound:
        return QStringLiteral("Arquivo especificado não foi encontrado!");
    case TextFileReader::Status::ReadError:
        return QStringLiteral("Erro ao tentar acessar o arquivo especificado!");
    case TextFileReader::Status::InvalidCharacters:
        return TextFileReader::message(status, fileName);
    case TextFileReader::Status::Read:
        break;
    }
    return QString();
}
