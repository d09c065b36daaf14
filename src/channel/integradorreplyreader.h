#pragma once

#include "platform/filestamp.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QtGlobal>

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
// what Output holds (each file's name, size and modification time). A file
// noted then and unchanged since is never opened. A file that is new, or has
// changed since, is read once it has kept its size and modification time for
// 300 ms since the reader first saw them, so that a file still being written
// is not read half-way; each file waits on its own time, and the reader
// itself never pauses. A file read and not taken is not read again while it
// is unchanged. Entries that are not regular files (folders, pipes, devices,
// symbolic links) are never replies.
//
// A large folder stays cheap: the whole folder is listed again only when the
// folder watch reports a change, when the folder's own stamp has changed, or
// every five seconds for what neither shows (a file rewritten in place);
// otherwise only the files new or changed since the request are looked at.
class IntegradorReplyReader
{
public:
    enum Result { NoEntry = 0, Taken = 1, DeadlinePassed = 2 };

    explicit IntegradorReplyReader(Clock &clock);

    // Notes what Output holds now, just before the request is written.
    void noteOutput();
    // The folder watch saw Output change: the next look lists it whole.
    void outputChanged() { listWhole_ = true; }

    // Looks at the folder and reads the files that are due, look after look,
    // until a reply is taken (1) or, checked before each look and before each
    // file read, the deadline has come (2); 0 when no file is due now: none
    // that may be the reply at all (or no folder), or only files passed over
    // and files still settling, the first of which is due at nextVisit().
    int LeRespostaIntegrador(int expectedIdentifier);

    void setLimiteEspera(const QDateTime &deadline) { limiteEspera_ = deadline; }
    const QDateTime &LimiteEspera() const { return limiteEspera_; }
    const QString &RespostaIntegrador() const { return respostaIntegrador_; }
    // When the first file still settling at the last look is due; invalid when none was.
    const QDateTime &nextVisit() const { return nextVisit_; }

private:
    // A file new or changed since the request, as the reader last saw it.
    struct Sighting {
        FileStamp stamp;
        QDateTime since; // the look that first saw this stamp
        bool passedOver; // read with this stamp and not to be read again
    };
    using Sightings = QHash<QString, Sighting>; // by file name

    bool deadlinePassed() const;
    void look(const QDateTime &at);
    void listWhole(const QString &output, const QDateTime &at);
    void restamp(const QString &output, const QDateTime &at);
    void sight(const QString &name, const FileStamp &stamp, const QDateTime &at, Sightings &into) const;
    QStringList dueEntries(const QDateTime &at);
    bool takeEntry(const QString &name, int expectedIdentifier);
    bool readEntry(const QString &path, int expectedIdentifier);

    Clock &clock_;
    QDateTime limiteEspera_;
    QDateTime nextVisit_;
    QString respostaIntegrador_;
    QHash<QString, FileStamp> noted_; // Output just before the request, by file name
    Sightings sightings_;
    FileStamp folderStamp_; // Output's own, at the last look
    QDateTime listedWholeAt_;
    bool listWhole_ = true;
};
