#include "decoders/logfile.h"

#include "platform/ansicodepage.h"
#include "platform/atomicfile.h"

#include <QFileInfo>
#include <optional>
#include <utility>

namespace {

const QByteArray kUtf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

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
    // A log holding a character the code page lacks is written whole, as
    // UTF-8 with a byte-order mark that every editor reads. Both keep LF as
    // the byte 10 and make no other byte 10.
    std::optional<QByteArray> codePage = AnsiCodePage::fromUnicodeExactly(memoText);
    QByteArray text = codePage ? std::move(*codePage) : kUtf8Mark + memoText.toUtf8();
    text.replace("\n", "\r\n");
    text.append("\r\n");
    return text;
}
