#include "channel/integradorreplyreader.h"

#include "channel/integradorreplydocument.h"
#include "platform/clock.h"
#include "platform/integradorfolders.h"

#include <QFile>
#include <algorithm>

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

void IntegradorReplyReader::noteOutput()
{
    const QString output = IntegradorFolders::output();
    const QDateTime now = clock_.now();
    folderStamp_ = FileStamp::ofFolder(output); // before listing: a change meanwhile shows at the next look
    noted_ = FileStamp::filesIn(output, kReplySuffix);
    sightings_.clear();
    nextVisit_ = QDateTime();
    listedWholeAt_ = now;
    listWhole_ = false;
}

int IntegradorReplyReader::LeRespostaIntegrador(int expectedIdentifier)
{
    for (;;) {
        const QDateTime now = clock_.now();
        if (now >= limiteEspera_)
            return DeadlinePassed;
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
    return clock_.now() >= limiteEspera_;
}

void IntegradorReplyReader::look(const QDateTime &at)
{
    const QString output = IntegradorFolders::output();
    const FileStamp folder = FileStamp::ofFolder(output);
    const bool whole
        = listWhole_ || folder != folderStamp_ || at >= listedWholeAt_.addMSecs(kWholeListingMilliseconds);
    folderStamp_ = folder;
    if (whole)
        listWhole(output, at);
    else
        restamp(output, at);
}

void IntegradorReplyReader::listWhole(const QString &output, const QDateTime &at)
{
    listWhole_ = false;
    listedWholeAt_ = at;
    const QHash<QString, FileStamp> files = FileStamp::filesIn(output, kReplySuffix);
    Sightings sightings;
    for (auto file = files.cbegin(); file != files.cend(); ++file)
        sight(file.key(), file.value(), at, sightings);
    sightings_.swap(sightings);
}

// Only the files already sighted: a file that is gone, or no longer a regular file, is forgotten.
void IntegradorReplyReader::restamp(const QString &output, const QDateTime &at)
{
    Sightings sightings;
    for (auto sighting = sightings_.cbegin(); sighting != sightings_.cend(); ++sighting) {
        const FileStamp stamp = FileStamp::ofFile(output + u'/' + sighting.key());
        if (stamp.isValid())
            sight(sighting.key(), stamp, at, sightings);
    }
    sightings_.swap(sightings);
}

// A file noted before the request and unchanged is left out; one seen with a
// new stamp starts its settling time at this look.
void IntegradorReplyReader::sight(const QString &name, const FileStamp &stamp, const QDateTime &at,
                                  Sightings &into) const
{
    const auto noted = noted_.constFind(name);
    if (noted != noted_.cend() && *noted == stamp)
        return;
    const auto seen = sightings_.constFind(name);
    into.insert(name, seen != sightings_.cend() && seen->stamp == stamp ? *seen : Sighting{stamp, at, false});
}

QStringList IntegradorReplyReader::dueEntries(const QDateTime &at)
{
    nextVisit_ = QDateTime();
    QStringList due;
    for (auto sighting = sightings_.cbegin(); sighting != sightings_.cend(); ++sighting) {
        if (sighting->passedOver)
            continue;
        const QDateTime dueAt = sighting->since.addMSecs(kSettleMilliseconds);
        if (at >= dueAt)
            due << sighting.key();
        else if (!nextVisit_.isValid() || dueAt < nextVisit_)
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
