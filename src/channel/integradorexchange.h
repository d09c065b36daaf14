#pragma once

#include "channel/command.h"
#include "channel/integradorpendingrequest.h"
#include "channel/integradorreplyreader.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class Clock;
class FolderWatch;
class RandomGenerator;

// The Integrador road: writes one request file into the Input folder and
// waits, through the reply reader, for the matching reply in the Output folder
// until the command's waiting time has passed. A request whose wait ends
// without its reply is taken back from Input, if the Integrador has not taken
// it, so that it is not carried out later with nobody watching, nor twice
// after a retry. Never raises to its caller.
class IntegradorExchange
{
public:
    IntegradorExchange(Clock &clock, RandomGenerator &generator);

    // Returns the reply bytes: the Integrador's reply or error text in UTF-8,
    // as the module library hands its texts; the fixed missing-folder text in
    // the ANSI code page; or a busy reply of its own (ASCII).
    // The arguments match the command's row (CommandChannel::call checks
    // them). ComunicarCertificadoICPBRASIL has no routine: an empty reply,
    // nothing sent.
    QByteArray send(Command command, qint32 numeroSessao, const CommandArguments &arguments);

    // Takes back the request of the exchange under way, as when its wait
    // ends without a reply, and sends no further one: for the console ending
    // during the wait. From any thread.
    void closeRequests() { pending_.close(); }

    // The eight-digit request identifier drawn from the time of day.
    QString GeraIdentificador();

    // Deadline of the current exchange, on the clock's elapsed time, and the reply text taken last.
    const std::optional<qint64> &LimiteEspera() const { return reader_.LimiteEspera(); }
    const QString &RespostaIntegrador() const { return reader_.RespostaIntegrador(); }

    // The reply text when the request file cannot be written.
    static QByteArray missingFoldersReply();
    // The reply made when no reply came within the waiting time.
    static QByteArray busyReply(Command command, qint32 numeroSessao);

private:
    int waitForReply(FolderWatch &output, int identifier);

    Clock &clock_;
    RandomGenerator &generator_;
    IntegradorReplyReader reader_;
    IntegradorPendingRequest pending_;
};
