#include "decoders/cfefile.h"

#include "platform/atomicfile.h"

#include <QFile>
#include <QFileInfo>

CfeFile::CfeFile(const QString &programFolder)
    : path_(programFolder + QStringLiteral("CFe.xml"))
{
}

QString CfeFile::path() const
{
    return path_;
}

bool CfeFile::exists() const
{
    return QFileInfo(path_).isFile();
}

QString CfeFile::write(const QByteArrayList &lines) const
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + "\r\n";
    return AtomicFile::write(path_, bytes);
}

void CfeFile::remove() const
{
    QFile::remove(path_);
}
