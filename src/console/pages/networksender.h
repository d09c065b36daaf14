#pragma once

#include "channel/command.h"

#include <QByteArray>
#include <QString>
#include <optional>

class OperationFrame;
class QLineEdit;
class Reply;

// The steps both network pages share once their values are in the settings
// record: the documents written into the program's folder and read back, the
// configuration sent with the code typed on the page, and the outcome.
class NetworkSender
{
public:
    NetworkSender(OperationFrame &frame, const QString &programFolder);

    // Replaces the document; false once the technician has been told why it
    // could not be written.
    bool write(const QString &fileName, const QByteArray &document) const;
    // A failed deletion is not reported: the document is written again or
    // left out of the payload.
    void remove(const QString &fileName) const;
    bool exists(const QString &fileName) const;
    // The document's lines joined; nullopt once the technician has been told
    // it could not be read.
    std::optional<QByteArray> read(const QString &fileName) const;

    // Sends the payload with the code as typed (less the control characters
    // no request can carry) and shows the outcome: the communication-failure
    // message for the busy code, otherwise field 3 when field 2 has four
    // characters, else field 2; the tax authority's message; the reply in the
    // status bar only then. The code edit is cleared.
    void send(Command command, QLineEdit &codeEdit, const QByteArray &payload) const;

private:
    void showOutcome(Command command, const Reply &reply) const;

    OperationFrame &frame_;
    QString programFolder_;
};
