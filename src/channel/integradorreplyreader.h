#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

class Clock;

// Looks in the Integrador's Output folder for the reply to one request. A
// file is taken when its identifier is the expected one or, whatever its
// identifier, when it carries an Integrador error text, and only when the
// text so chosen is not empty; the taken file is deleted, every other file
// stays. Each visited entry costs a pause of 300 ms before it is read.
class IntegradorReplyReader
{
public:
    enum Result { NoEntry = 0, Taken = 1, DeadlinePassed = 2 };

    explicit IntegradorReplyReader(Clock &clock);

    // Lists the folder pass after pass until a reply is taken (1) or, checked
    // before each pass, the deadline has come (2); 0 when a listing finds no
    // "*.xml" entry at all (or the folder is missing).
    int LeRespostaIntegrador(int expectedIdentifier);

    void setLimiteEspera(const QDateTime &deadline) { limiteEspera_ = deadline; }
    const QDateTime &LimiteEspera() const { return limiteEspera_; }
    const QString &RespostaIntegrador() const { return respostaIntegrador_; }

private:
    bool takeEntry(const QString &path, int expectedIdentifier);

    Clock &clock_;
    QDateTime limiteEspera_;
    QString respostaIntegrador_;
};
