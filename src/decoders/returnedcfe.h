#pragma once

#include "channel/reply.h"

#include <QByteArrayList>
#include <QString>

// The CF-e and the access key of a sale or cancellation reply, taken by their
// places in the command set's layout, empty fields kept:
// numeroSessao|EEEEE|CCCC|mensagem|cod|mensagemSEFAZ|arquivoCFeSAT|timeStamp|
// chaveConsulta|valorTotalCFe|CPFCNPJValue|assinaturaQRCODE
// (cod, mensagemSEFAZ and CPFCNPJValue are often empty, and a reply may end
// earlier). A CF-e is strict Base64 of one XML document, well-formed by the
// rules of XML 1.0, whose root is CFe or CFeCanc: anything else (a "|" in a
// message shifts the fields, a reply cut short, an error page) is no CF-e and
// throws std::runtime_error, so that it never replaces "CFe.xml".
class ReturnedCfe
{
public:
    // Places of the layout's four-character code and message.
    static constexpr int CCCC = 2;
    static constexpr int mensagem = 3;

    explicit ReturnedCfe(const QString &reply);

    // The CF-e's Base64 text, its line breaks removed; throws
    // std::out_of_range when the reply stops before it.
    QString base64() const;
    // The decoded CF-e's lines; throws as base64() and decode() do.
    QByteArrayList lines() const;
    // chaveConsulta; throws std::out_of_range when the reply stops before it.
    const QString &key() const;

    // The lines of a CF-e sent in Base64: its bytes as returned (UTF-8), cut
    // at CR LF, CR or LF; throws std::runtime_error when they are no CF-e.
    static QByteArrayList decode(const QString &base64);
    // The lines of the CF-e an end-to-end test's reply carries in field 5;
    // throws std::out_of_range when the reply stops before it, and as decode().
    static QByteArrayList endToEndLines(const Reply &reply);
    // Lines of a CF-e as one text, re-indented for display.
    static QString indented(const QByteArrayList &lines);

private:
    Reply reply_;
};
