#include "channel/integradorexchange.h"

#include "channel/commandsignature.h"
#include "channel/commandtable.h"
#include "channel/integradorrequest.h"
#include "channel/randomgenerator.h"
#include "channel/sessionnumber.h"
#include "channel/temposintegrador.h"
#include "platform/ansicodepage.h"
#include "platform/clock.h"
#include "platform/folderwatch.h"
#include "platform/integradorfolders.h"

namespace {

// Between looks the exchange sleeps until the Output folder changes; this
// poll, cheap over a large folder, is the safety net where the folder cannot
// be watched (a folder shared from another machine).
constexpr int kIdlePauseMilliseconds = 250;

} // namespace

IntegradorExchange::IntegradorExchange(Clock &clock, RandomGenerator &generator)
    : clock_(clock)
    , generator_(generator)
    , reader_(clock)
{
}

QByteArray IntegradorExchange::send(Command command, qint32 numeroSessao, const CommandArguments &arguments)
{
    const CommandRow &row = CommandTable::row(command);
    if (!row.integrador.metodoNome)
        return {};
    Q_ASSERT(CommandSignature::accepts(command, arguments));
    const QString identificador = GeraIdentificador();
    const IntegradorRequest request(row.integrador, identificador);
    const QString path = IntegradorFolders::input() + u'/' + request.fileName();
    // Watched before Output is noted, so that every change after the note is seen.
    FolderWatch output(IntegradorFolders::output());
    // What Output holds before the request cannot be its reply.
    if (!reader_.noteOutput(output.namesChanges()) || !pending_.write(path, request.document(numeroSessao, arguments)))
        return missingFoldersReply();
    reader_.setLimiteEspera(clock_.elapsed() + TemposIntegrador::totalSeconds(row.temposRow) * 1000);
    if (waitForReply(output, identificador.toInt()) == IntegradorReplyReader::Taken) {
        pending_.answered();
        return reader_.RespostaIntegrador().toUtf8(); // as the module library hands its texts
    }
    pending_.withdraw();
    return busyReply(command, numeroSessao);
}

int IntegradorExchange::waitForReply(FolderWatch &output, int identifier)
{
    reader_.outputChanged(output.takeChanges()); // those since the note
    int result = reader_.LeRespostaIntegrador(identifier);
    while (result == IntegradorReplyReader::NoEntry) {
        // Never past the deadline, so the busy reply comes on time, nor past
        // the time a settling file is due, so a reply is read on its own time.
        qint64 until = *reader_.LimiteEspera();
        if (reader_.nextVisit())
            until = qMin(until, *reader_.nextVisit());
        const qint64 left = until - clock_.elapsed();
        clock_.pauseUntilChanged(output, int(qBound(qint64(0), left, qint64(kIdlePauseMilliseconds))));
        // Also after a pause that ran its time: a change may have come with its end.
        reader_.outputChanged(output.takeChanges());
        result = reader_.LeRespostaIntegrador(identifier);
    }
    return result;
}

QString IntegradorExchange::GeraIdentificador()
{
    const QTime time = clock_.now().time();
    const quint32 seed = quint32(time.hour() * 9999 + time.minute() * 34463 + time.second()
                                 + time.msec() * 16959)
        % 65536u;
    generator_.seed(seed);
    const quint32 identifier = generator_.random(99999998u) + 1u;
    return QStringLiteral("%1").arg(identifier, 8, 10, QLatin1Char('0'));
}

QByteArray IntegradorExchange::missingFoldersReply()
{
    return AnsiCodePage::fromUnicode(QString::fromUtf8(
        "Diretórios do Integrador não estão presentes.\n\rVerifique se o Integrador está devidamente instalado."));
}

QByteArray IntegradorExchange::busyReply(Command command, qint32 numeroSessao)
{
    QByteArray reply = SessionNumber::text(numeroSessao).toLatin1();
    reply += '|';
    reply += CommandTable::busyCode(command).toLatin1();
    reply += '|';
    if (CommandTable::row(command).extraBusyField)
        reply += "0000|";
    return reply + "SAT em processamento. Tente novamente.||";
}
