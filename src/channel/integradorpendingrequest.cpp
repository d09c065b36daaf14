#include "channel/integradorpendingrequest.h"

#include "platform/atomicfile.h"

#include <QFile>
#include <QMutexLocker>

bool IntegradorPendingRequest::write(const QString &path, const QByteArray &bytes)
{
    const QMutexLocker lock(&mutex_);
    // Atomic: the Integrador never sees half a request.
    if (closed_ || !AtomicFile::write(path, bytes).isEmpty())
        return false;
    path_ = path;
    return true;
}

void IntegradorPendingRequest::answered()
{
    const QMutexLocker lock(&mutex_);
    path_.clear();
}

void IntegradorPendingRequest::withdraw()
{
    const QMutexLocker lock(&mutex_);
    removeFile();
}

void IntegradorPendingRequest::close()
{
    const QMutexLocker lock(&mutex_);
    removeFile();
    closed_ = true;
}

void IntegradorPendingRequest::removeFile()
{
    if (!path_.isEmpty())
        QFile::remove(path_);
    path_.clear();
}
