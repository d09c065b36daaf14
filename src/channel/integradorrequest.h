#pragma once

#include "channel/command.h"
#include "channel/integradormethod.h"

#include <QByteArray>
#include <QString>

// The request document of the Integrador exchange: a fixed template of lines,
// each ended by CR LF, without a byte-order mark. The template is ASCII and
// declares UTF-8: text arguments (the bytes the module library would get:
// ANSI text, or an XML document in CDATA, decoded as XML reads it) are
// written in UTF-8 and escaped only as XML requires, so that the Integrador
// reads back the characters that the module reads from the library. The
// arguments match the command's row (CommandChannel::call checks them).
class IntegradorRequest
{
public:
    IntegradorRequest(const IntegradorMethod &method, const QString &identificador);

    // File name in the Input folder: prefix, identifier, ".xml".
    QString fileName() const;
    QByteArray document(qint32 numeroSessao, const CommandArguments &arguments) const;

    // Element content: "&", "<" and ">" escaped, every other byte unchanged.
    static QByteArray escapeText(const QByteArray &value);
    // A CDATA section's content: every "]]>" split across two sections.
    static QByteArray escapeCData(const QByteArray &value);

private:
    const IntegradorMethod &method_;
    QString identificador_;
};
