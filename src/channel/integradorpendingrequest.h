#pragma once

#include <QByteArray>
#include <QMutex>
#include <QString>

// The request file of the exchange under way until its reply comes. Written
// and withdrawn under one lock, so that the main window can withdraw it while
// the exchange waits on the worker thread.
class IntegradorPendingRequest
{
public:
    // Writes the request file atomically (a file of the same name is
    // replaced) and keeps its path; false when it cannot be written or the
    // requests are closed.
    [[nodiscard]] bool write(const QString &path, const QByteArray &bytes);
    // The reply came: the request is left to the Integrador.
    void answered();
    // Removes the request file if it is still in Input, where the Integrador
    // has not taken it, so that it is not carried out with nobody waiting for
    // its reply. From any thread.
    void withdraw();
    // withdraw, and no request is written after it: the console is ending,
    // perhaps before the exchange under way has written its request.
    void close();

private:
    void removeFile(); // under the lock

    QMutex mutex_;
    QString path_;
    bool closed_ = false;
};
