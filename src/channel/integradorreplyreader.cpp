#include "channel/integradorreplyreader.h"

#include "channel/integradorreplydocument.h"
#include "platform/clock.h"
#include "platform/integradorfolders.h"

#include <QDir>
#include <QFile>

namespace {

constexpr int kVisitPauseMilliseconds = 300;

// Entries of every attribute, folders included, in name order regardless of
// case (the order of the Windows listing on NTFS).
QStringList listReplies(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.xml")},
                                  QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name | QDir::IgnoreCase);
}

} // namespace

IntegradorReplyReader::IntegradorReplyReader(Clock &clock)
    : clock_(clock)
{
}

int IntegradorReplyReader::LeRespostaIntegrador(int expectedIdentifier)
{
    for (;;) {
        if (clock_.now() >= limiteEspera_)
            return DeadlinePassed;
        const QString folder = IntegradorFolders::output();
        const QStringList entries = listReplies(folder);
        if (entries.isEmpty())
            return NoEntry;
        for (const QString &entry : entries) {
            if (takeEntry(folder + u'/' + entry, expectedIdentifier))
                return Taken;
        }
    }
}

bool IntegradorReplyReader::takeEntry(const QString &path, int expectedIdentifier)
{
    clock_.pause(kVisitPauseMilliseconds);
    IntegradorReplyDocument document;
    if (!document.load(path))
        return false;
    const std::optional<QString> erro = document.erro();
    const std::optional<std::optional<qint32>> identificador = document.identificador();
    if (!erro || !identificador)
        return false;
    if (*identificador != expectedIdentifier && erro->isEmpty())
        return false;
    const std::optional<QString> text = erro->isEmpty() ? document.retorno() : erro;
    if (!text)
        return false;
    respostaIntegrador_ = *text;
    if (respostaIntegrador_.isEmpty())
        return false;
    QFile::remove(path); // a failed deletion still counts as taken
    return true;
}
