#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>

// The CF-e and the access key of a sale or cancellation reply, taken by their
// places in the command set's layout, empty fields kept:
// numeroSessao|EEEEE|CCCC|mensagem|cod|mensagemSEFAZ|arquivoCFeSAT|timeStamp|
// chaveConsulta|valorTotalCFe|CPFCNPJValue|assinaturaQRCODE
// (cod, mensagemSEFAZ and CPFCNPJValue are often empty, and a reply may end
// earlier).
class ReturnedCfe
{
public:
    explicit ReturnedCfe(const QString &reply);

    // The CF-e's Base64 text, its line breaks removed; throws
    // std::out_of_range when the reply stops before it.
    QString base64() const;
    // The decoded CF-e's lines; throws as base64() does.
    QByteArrayList lines() const;
    // chaveConsulta; throws std::out_of_range when the reply stops before it.
    const QString &key() const;

    // The lines of a CF-e sent in Base64: its bytes as returned (UTF-8), cut
    // at CR LF, CR or LF.
    static QByteArrayList decode(const QString &base64);

private:
    const QString &field(int index) const;

    QStringList fields_;
};
