#include "settings/signaturefile.h"

QString SignatureFile::message(TextFileReader::Status status)
{
    switch (status) {
    case TextFileReader::Status::NotFound:
        return QStringLiteral("Arquivo especificado não foi encontrado!");
    case TextFileReader::Status::ReadError:
        return QStringLiteral("Erro ao tentar acessar o arquivo especificado!");
    case TextFileReader::Status::Read:
        break;
    }
    return QString();
}
