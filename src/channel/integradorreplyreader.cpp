#include "channel/integradorreplyreader.h"

#include "channel/integradorreplydocument.h"
#include "platform/clock.h"
#include "platform/integradorfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

constexpr int kVisitPauseMilliseconds = 300;

// Entries of every attribute, folders included, in name order regardless of
// case (the order of the Windows listing on NTFS).
QList<QFileInfo> listReplies(const QString &folder)
{
    return QDir(folder).entryInfoList({QStringLiteral("*.xml")},
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
        const QList<QFileInfo> entries = listReplies(IntegradorFolders::output());
        forgetVanished(entries);
        bool visited = false;
        for (const QFileInfo &entry : entries) {
            if (!isNew(entry))
                continue;
            visited = true;
            if (takeEntry(entry, expectedIdentifier))
                return Taken;
        }
        if (!visited)
            return NoEntry;
    }
}

bool IntegradorReplyReader::isNew(const QFileInfo &entry) const
{
    if (entry.isSymLink() || !entry.isFile())
        return false;
    const auto found = passedOver_.constFind(entry.fileName());
    return found == passedOver_.constEnd() || *found != stampOf(entry);
}

IntegradorReplyReader::Stamp IntegradorReplyReader::stampOf(const QFileInfo &entry)
{
    return {entry.size(), entry.lastModified()};
}

// The stamp is the listing's: a write that the read 300 ms later misses
// comes after it and changes the stamp, so the file is read again.
bool IntegradorReplyReader::takeEntry(const QFileInfo &entry, int expectedIdentifier)
{
    const Stamp stamp = stampOf(entry);
    clock_.pause(kVisitPauseMilliseconds);
    const bool taken = readEntry(entry.filePath(), expectedIdentifier);
    // A taken file that cannot be deleted is not taken again.
    if (!taken || !QFile::remove(entry.filePath()))
        passedOver_.insert(entry.fileName(), stamp);
    return taken;
}

bool IntegradorReplyReader::readEntry(const QString &path, int expectedIdentifier)
{
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
    return !respostaIntegrador_.isEmpty();
}

void IntegradorReplyReader::forgetVanished(const QList<QFileInfo> &entries)
{
    if (passedOver_.isEmpty())
        return;
    QSet<QString> names;
    for (const QFileInfo &entry : entries)
        names.insert(entry.fileName());
    passedOver_.removeIf([&names](const QHash<QString, Stamp>::iterator &it) { return !names.contains(it.key()); });
}
