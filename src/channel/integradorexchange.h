#pragma once

#include "channel/command.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class Clock;
class RandomGenerator;

// The Integrador road: writes one request file into the Input folder and
// waits, through the reply reader, for the matching reply in the Output folder
// until the command's waiting time has passed. Never raises to its caller.
class IntegradorExchange
{
public:
    IntegradorExchange(Clock &clock, RandomGenerator &generator);

    // Returns the reply as ANSI bytes: the Integrador's reply, an Integrador
    // error text, the fixed missing-folder text, or a busy reply of its own.
    QByteArray send(Command command, qint32 numeroSessao, const CommandArguments &arguments);

    // The eight-digit request identifier drawn from the time of day.
    QString GeraIdentificador();

    // Deadline of the current exchange and the reply text taken last.
    const QDateTime &LimiteEspera() const { return limiteEspera_; }
    const QString &RespostaIntegrador() const { return respostaIntegrador_; }

private:
    Clock &clock_;
    RandomGenerator &generator_;
    QDateTime limiteEspera_;
    QString respostaIntegrador_;
};
