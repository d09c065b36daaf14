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
// stays. A new entry costs a pause of 300 ms before it is read.
//
// The reader remembers, across exchanges, every file it has read and not
// taken (a reply to another request, a file it cannot read) and every file
// it took but could not delete: while such a file keeps its name, size and
// modification time it is passed over without the pause and without being
// read again. Entries that are not regular files (folders, pipes, devices,
// symbolic links) are never replies and are passed over at once.
class IntegradorReplyReader
{
public:
    enum Result { NoEntry = 0, Taken = 1, DeadlinePassed = 2 };

    explicit IntegradorReplyReader(Clock &clock);

    // Lists the folder pass after pass until a reply is taken (1) or, checked
    // before each pass, the deadline has come (2); 0 when a listing finds no
    // "*.xml" file to read: none at all (or no folder), or only files passed
    // over before and unchanged since.
    int LeRespostaIntegrador(int expectedIdentifier);

    void setLimiteEspera(const QDateTime &deadline) { limiteEspera_ = deadline; }
    const QDateTime &LimiteEspera() const { return limiteEspera_; }
    const QString &RespostaIntegrador() const { return respostaIntegrador_; }

private:
    // What identifies a file's content without reading it.
    struct Stamp {
        qint64 size;
        QDateTime modified;
        bool operator==(const Stamp &other) const { return size == other.size && modified == other.modified; }
        bool operator!=(const Stamp &other) const { return !(*this == other); }
    };
    static Stamp stampOf(const QFileInfo &entry);

    bool isNew(const QFileInfo &entry) const;
    bool takeEntry(const QFileInfo &entry, int expectedIdentifier);
    bool readEntry(const QString &path, int expectedIdentifier);
    void forgetVanished(const QList<QFileInfo> &entries);

    Clock &clock_;
    QDateTime limiteEspera_;
    QString respostaIntegrador_;
    QHash<QString, Stamp> passedOver_; // by file name
};
