#include "channel/integradorreplyreader.h"

#include "channel/integradorreplydocument.h"
#include "platform/clock.h"
#include "platform/integradorfolders.h"

#include <QFile>
#include <algorithm>
#include <utility>

namespace {

// How long a file must keep its size and modification time before it is read.
constexpr int kSettleMilliseconds = 300;
// How often the whole folder is listed again when nothing shows a change.
constexpr int kWholeListingMilliseconds = 5000;

const QString kReplySuffix = QStringLiteral(".xml");

// Name order regardless of case, as the Windows listing on NTFS returns them.
bool inListingOrder(const QString &left, const QString &right)
{
    const int order = QString::compare(left, right, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : left < right;
}

} // namespace

IntegradorReplyReader::IntegradorReplyReader(Clock &clock)
    : clock_(clock)
{
}

bool IntegradorReplyReader::noteOutput(bool changesNamed)
{
    const QString output = IntegradorFolders::output();
    const qint64 now = clock_.elapsed();
    folderStamp_ = FileStamp::ofFolder(output); // before listing: a change meanwhile shows at the next look
    std::optional<QHash<QString, FileStamp>> files = FileStamp::filesIn(output, kReplySuffix);
    if (!files) // a passing failure (a permission flap, a stalled share) gets a second chance
        files = FileStamp::filesIn(output, kReplySuffix);
    if (!files)
        return false;
    noted_ = std::move(*files);
    sightings_.clear();
    named_.clear();
    nextVisit_.reset();
    listedWholeAt_ = now;
    listWhole_ = false;
    changesNamed_ = changesNamed;
    return true;
}

void IntegradorReplyReader::outputChanged(const FolderWatch::Changes &changes)
{
    listWhole_ = listWhole_ || changes.unnamed;
    named_ += changes.names;
}

int IntegradorReplyReader::LeRespostaIntegrador(int expectedIdentifier)
{
    for (;;) {
        if (deadlinePassed())
            return DeadlinePassed;
        const qint64 now = clock_.elapsed();
        look(now);
        const QStringList due = dueEntries(now);
        if (due.isEmpty())
            return NoEntry;
        for (const QString &name : due) {
            if (deadlinePassed()) // reading takes time: many files must not run past the deadline
                return DeadlinePassed;
            if (takeEntry(name, expectedIdentifier))
                return Taken;
        }
    }
}

bool IntegradorReplyReader::deadlinePassed() const
{
    return !limiteEspera_ || clock_.elapsed() >= *limiteEspera_;
}

void IntegradorReplyReader::look(qint64 at)
{
    const QString output = IntegradorFolders::output();
    const FileStamp folder = FileStamp::ofFolder(output);
    // Where the watch names changes, the folder's stamp tells only of those it could not see.
    const bool unexplained = folder != folderStamp_ && (!changesNamed_ || named_.isEmpty());
    folderStamp_ = folder;
    if (listWhole_ || unexplained || at >= listedWholeAt_ + kWholeListingMilliseconds)
        listWhole(output, at);
    else
        restamp(output, changesNamed_ ? QStringList(named_.cbegin(), named_.cend()) : sightings_.keys(), at);
    named_.clear();
}

// A listing that fails leaves what was sighted as it was and is tried again at the next look.
void IntegradorReplyReader::listWhole(const QString &output, qint64 at)
{
    const std::optional<QHash<QString, FileStamp>> files = FileStamp::filesIn(output, kReplySuffix);
    listWhole_ = !files;
    if (!files)
        return;
    listedWholeAt_ = at;
    Sightings sightings;
    for (auto file = files->cbegin(); file != files->cend(); ++file) {
        if (const std::optional<Sighting> seen = sighting(file.key(), file.value(), at))
            sightings.insert(file.key(), *seen);
    }
    sightings_.swap(sightings);
}

// Only the entries named: one that is gone, no longer a regular file, or
// back as it was noted is forgotten.
void IntegradorReplyReader::restamp(const QString &output, const QStringList &names, qint64 at)
{
    for (const QString &name : names) {
        const FileStamp stamp = name.endsWith(kReplySuffix, Qt::CaseInsensitive)
            ? FileStamp::ofFile(output + u'/' + name)
            : FileStamp();
        const std::optional<Sighting> seen = stamp.isValid() ? sighting(name, stamp, at) : std::nullopt;
        if (seen)
            sightings_.insert(name, *seen);
        else
            sightings_.remove(name);
    }
}

// Nothing for a file noted before the request and unchanged; one seen with
// a new stamp starts its settling time at this look.
std::optional<IntegradorReplyReader::Sighting> IntegradorReplyReader::sighting(const QString &name,
                                                                               const FileStamp &stamp,
                                                                               qint64 at) const
{
    const auto noted = noted_.constFind(name);
    if (noted != noted_.cend() && *noted == stamp)
        return std::nullopt;
    const auto seen = sightings_.constFind(name);
    return seen != sightings_.cend() && seen->stamp == stamp ? *seen : Sighting{stamp, at, false};
}

QStringList IntegradorReplyReader::dueEntries(qint64 at)
{
    nextVisit_.reset();
    QStringList due;
    for (auto sighting = sightings_.cbegin(); sighting != sightings_.cend(); ++sighting) {
        if (sighting->passedOver)
            continue;
        const qint64 dueAt = sighting->since + kSettleMilliseconds;
        if (at >= dueAt)
            due << sighting.key();
        else if (!nextVisit_ || dueAt < *nextVisit_)
            nextVisit_ = dueAt;
    }
    std::sort(due.begin(), due.end(), inListingOrder);
    return due;
}

// The stamp is the look's: a write that the read misses comes after it and
// changes the stamp, so the file is read again.
bool IntegradorReplyReader::takeEntry(const QString &name, int expectedIdentifier)
{
    const QString path = IntegradorFolders::output() + u'/' + name;
    const bool taken = readEntry(path, expectedIdentifier);
    if (taken && QFile::remove(path))
        sightings_.remove(name);
    else // a taken file that cannot be deleted is not taken again while it is unchanged
        sightings_[name].passedOver = true;
    return taken;
}

bool IntegradorReplyReader::readEntry(const QString &path, int expectedIdentifier)
{
    IntegradorReplyDocument document;
    if (!document.load(path))
        return false;
    const std::optional<QString> erro = document.erro();
    const std::optional<QString> valor = document.identificadorValor();
    if (!erro || !valor)
        return false;
    // Another program's reply or error is not ours to take, nor to delete.
    const bool answersUs = IntegradorReplyDocument::parseIdentifier(*valor) == expectedIdentifier
        || (valor->isEmpty() && !erro->isEmpty());
    if (!answersUs)
        return false;
    const std::optional<QString> text = erro->isEmpty() ? document.retorno() : erro;
    if (!text)
        return false;
    respostaIntegrador_ = *text;
    return !respostaIntegrador_.isEmpty();
}
