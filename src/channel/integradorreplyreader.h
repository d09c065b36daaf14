#pragma once

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QtGlobal>

class Clock;
class QFileInfo;

// Looks in the Integrador's Output folder for the reply to one request. A
// file is taken when its identifier is the expected one or, whatever its
// identifier, when it carries an Integrador error text, and only when the
// text so chosen is not empty; the taken file is deleted, every other file
// stays.
//
// A file last modified before the request was written cannot be its reply:
// it is passed over unread. A newer file is read once it has kept its size
// and modification time for 300 ms since the reader first saw them, so that
// a file still being written is not read half-way; each file waits on its
// own time, and the reader itself never pauses.
//
// The reader remembers, across exchanges, every file it has read and not
// taken (a reply to another request, a file it cannot read) and every file
// it took but could not delete: while such a file keeps its name, size and
// modification time it is not read again. Entries that are not regular files
// (folders, pipes, devices, symbolic links) are never replies.
class IntegradorReplyReader
{
public:
    enum Result { NoEntry = 0, Taken = 1, DeadlinePassed = 2 };

    explicit IntegradorReplyReader(Clock &clock);

    // Lists the folder and reads the files that are due, pass after pass,
    // until a reply is taken (1) or, checked before each listing and before
    // each file read, the deadline has come (2); 0 when no file is due now:
    // none at all (or no folder), or only files passed over and files still
    // settling, the first of which is due at nextVisit().
    int LeRespostaIntegrador(int expectedIdentifier);

    // When the request was written: files older than that are not its reply.
    void setRequestTime(const QDateTime &written) { requestTime_ = written; }
    void setLimiteEspera(const QDateTime &deadline) { limiteEspera_ = deadline; }
    const QDateTime &LimiteEspera() const { return limiteEspera_; }
    const QString &RespostaIntegrador() const { return respostaIntegrador_; }
    // When the first file still settling at the last listing is due; invalid when none was.
    const QDateTime &nextVisit() const { return nextVisit_; }

private:
    // What identifies a file's content without reading it.
    struct Stamp {
        qint64 size;
        QDateTime modified;
        bool operator==(const Stamp &other) const { return size == other.size && modified == other.modified; }
        bool operator!=(const Stamp &other) const { return !(*this == other); }
    };
    // A file as the reader last saw it.
    struct Sighting {
        Stamp stamp;
        QDateTime since; // the listing that first saw this stamp
        bool passedOver; // read with this stamp and not to be read again
    };
    static Stamp stampOf(const QFileInfo &entry);

    bool deadlinePassed() const;
    bool olderThanRequest(const QFileInfo &entry) const;
    bool isDue(const QFileInfo &entry, const QDateTime &listedAt);
    bool takeEntry(const QFileInfo &entry, int expectedIdentifier);
    bool readEntry(const QString &path, int expectedIdentifier);
    void forgetVanished(const QList<QFileInfo> &entries);

    Clock &clock_;
    QDateTime requestTime_;
    QDateTime limiteEspera_;
    QDateTime nextVisit_;
    QString respostaIntegrador_;
    QHash<QString, Sighting> seen_; // by file name
};
