#pragma once

#include "platform/filestamp.h"
#include "platform/folderwatch.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>

class Clock;

// Looks in the Integrador's Output folder, which other programs share, for
// the reply to one request. A file answers the request whose identifier it
// carries; an Integrador error that carries no identifier answers whoever
// waits. A file is taken when it answers the expected request and the text
// so chosen (the error text, else the reply) is not empty; the taken file is
// deleted, every other file stays.
//
// Which files may be the reply is decided without clocks, which differ from
// machine to machine: just before the request is written the reader notes
// what Output holds (each file's stamp). A file noted then and unchanged
// since is never opened. A file that is new, or has changed since, is read
// once it has kept its stamp for 300 ms since the reader first saw it, so
// that a file still being written is not read half-way; each file waits on
// its own time, and the reader itself never pauses. A file read and not
// taken is not read again while it is unchanged. Entries that are not
// regular files (folders, pipes, devices, symbolic links) are never replies.
// Times are the clock's elapsed milliseconds, which no setting of the time
// of day moves.
//
// A large folder stays cheap: it is listed whole only when the folder watch
// reports changes it cannot name, when the folder's own stamp changed
// without a change the watch named (a change made by another machine), or
// every five seconds for what none of these shows; otherwise only the files
// the watch named are looked at, or, where the watch names nothing, the
// files new or changed since the request.
class IntegradorReplyReader
{
public:
    enum Result { NoEntry = 0, Taken = 1, DeadlinePassed = 2 };

    explicit IntegradorReplyReader(Clock &clock);

    // Notes what Output holds now, just before the request is written.
    // `changesNamed`: the folder watch names every change made on this
    // machine from now on. False when Output cannot be listed, even after a
    // second try: without the note, every old file would count as new.
    [[nodiscard]] bool noteOutput(bool changesNamed = false);
    // What the folder watch saw change since the last look.
    void outputChanged(const FolderWatch::Changes &changes);

    // Looks at the folder and reads the files that are due, look after look,
    // until a reply is taken (1) or, checked before each look and before each
    // file read, the deadline has come (2); 0 when no file is due now: none
    // that may be the reply at all (or no folder), or only files passed over
    // and files still settling, the first of which is due at nextVisit().
    int LeRespostaIntegrador(int expectedIdentifier);

    // On the clock's elapsed time; none set is a deadline passed.
    void setLimiteEspera(qint64 deadline) { limiteEspera_ = deadline; }
    const std::optional<qint64> &LimiteEspera() const { return limiteEspera_; }
    const QString &RespostaIntegrador() const { return respostaIntegrador_; }
    // When the first file still settling at the last look is due; none when none was.
    const std::optional<qint64> &nextVisit() const { return nextVisit_; }

private:
    // A file new or changed since the request, as the reader last saw it.
    struct Sighting {
        FileStamp stamp;
        qint64 since; // the look that first saw this stamp
        bool passedOver; // read with this stamp and not to be read again
    };
    using Sightings = QHash<QString, Sighting>; // by file name

    bool deadlinePassed() const;
    void look(qint64 at);
    void listWhole(const QString &output, qint64 at);
    void restamp(const QString &output, const QStringList &names, qint64 at);
    std::optional<Sighting> sighting(const QString &name, const FileStamp &stamp, qint64 at) const;
    QStringList dueEntries(qint64 at);
    bool takeEntry(const QString &name, int expectedIdentifier);
    bool readEntry(const QString &path, int expectedIdentifier);

    Clock &clock_;
    std::optional<qint64> limiteEspera_;
    std::optional<qint64> nextVisit_;
    QString respostaIntegrador_;
    QHash<QString, FileStamp> noted_; // Output just before the request, by file name
    Sightings sightings_;
    FileStamp folderStamp_; // Output's own, at the last look
    qint64 listedWholeAt_ = 0;
    bool listWhole_ = true;
    bool changesNamed_ = false;
    QSet<QString> named_; // entries the watch named since the last look
};
