#include "channel/integradorreplyreader.h"

#include "channel/integradorreplydocument.h"
#include "platform/clock.h"
#include "platform/integradorfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

// How long a file must keep its size and modification time before it is read.
constexpr int kSettleMilliseconds = 300;
// Coarse file-system clocks (FAT keeps two-second steps) may date our reply
// a little before our request.
constexpr int kFileClockToleranceSeconds = 2;

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
        const QDateTime listedAt = clock_.now();
        if (listedAt >= limiteEspera_)
            return DeadlinePassed;
        const QList<QFileInfo> entries = listReplies(IntegradorFolders::output());
        forgetVanished(entries);
        nextVisit_ = QDateTime();
        bool visited = false;
        for (const QFileInfo &entry : entries) {
            if (!isDue(entry, listedAt))
                continue;
            if (deadlinePassed()) // reading takes time: many files must not run past the deadline
                return DeadlinePassed;
            visited = true;
            if (takeEntry(entry, expectedIdentifier))
                return Taken;
        }
        if (!visited)
            return NoEntry;
    }
}

bool IntegradorReplyReader::deadlinePassed() const
{
    return clock_.now() >= limiteEspera_;
}

bool IntegradorReplyReader::olderThanRequest(const QFileInfo &entry) const
{
    return requestTime_.isValid() && entry.lastModified() < requestTime_.addSecs(-kFileClockToleranceSeconds);
}

// A file seen with a new stamp starts its settling time at this listing.
bool IntegradorReplyReader::isDue(const QFileInfo &entry, const QDateTime &listedAt)
{
    if (entry.isSymLink() || !entry.isFile() || olderThanRequest(entry))
        return false;
    const Stamp stamp = stampOf(entry);
    auto sighting = seen_.find(entry.fileName());
    if (sighting == seen_.end() || sighting->stamp != stamp)
        sighting = seen_.insert(entry.fileName(), {stamp, listedAt, false});
    if (sighting->passedOver)
        return false;
    const QDateTime due = sighting->since.addMSecs(kSettleMilliseconds);
    if (listedAt >= due)
        return true;
    if (!nextVisit_.isValid() || due < nextVisit_)
        nextVisit_ = due;
    return false;
}

IntegradorReplyReader::Stamp IntegradorReplyReader::stampOf(const QFileInfo &entry)
{
    return {entry.size(), entry.lastModified()};
}

// The stamp is the listing's: a write that the read misses comes after it and
// changes the stamp, so the file is read again.
bool IntegradorReplyReader::takeEntry(const QFileInfo &entry, int expectedIdentifier)
{
    const bool taken = readEntry(entry.filePath(), expectedIdentifier);
    if (taken && QFile::remove(entry.filePath()))
        seen_.remove(entry.fileName());
    else // a taken file that cannot be deleted is not taken again while it is unchanged
        seen_[entry.fileName()].passedOver = true;
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
    if (seen_.isEmpty())
        return;
    QSet<QString> names;
    for (const QFileInfo &entry : entries)
        names.insert(entry.fileName());
    seen_.removeIf([&names](const QHash<QString, Sighting>::iterator &it) { return !names.contains(it.key()); });
}
