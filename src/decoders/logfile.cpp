#include "decoders/logfile.h"

#include "platform/ansicodepage.h"
#include "platform/atomicfile.h"

#include <QFileInfo>

LogFile::Outcome LogFile::save(const QString &fileName, const QString &memoText)
{
    // Windows knows no file named by blanks alone; the console refuses it everywhere.
    if (QFileInfo(fileName).fileName().trimmed().isEmpty())
        return Outcome::NotWritten;
    return AtomicFile::write(fileName, bytes(memoText)).isEmpty() ? Outcome::Saved : Outcome::NotWritten;
}

QByteArray LogFile::bytes(const QString &memoText)
{
    if (memoText.isEmpty())
        return {};
    // The code page keeps LF as the byte 10 and makes no other byte 10.
    QByteArray text = AnsiCodePage::fromUnicode(memoText);
    text.replace("\n", "\r\n");
    text.append("\r\n");
    return text;
}
