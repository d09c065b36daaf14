#include "channel/integradorpendingrequest.h"

#include "platform/atomicfile.h"

#include <QFile>
#include <QMutexLocker>

bool IntegradorPendingRequest::write(const QString &path, const QByteArray &bytes)
{
    const QMutexLocker lock(&mutex_);
    // Atomic: the Integrador never sees half a request.
    if (!AtomicFile::write(path, bytes).isEmpty())
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
    if (!path_.isEmpty())
        QFile::remove(path_);
    path_.clear();
}
