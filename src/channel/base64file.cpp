#include "channel/base64file.h"

#include <QFile>

namespace {

constexpr qsizetype kLineLength = 76;

} // namespace

QString Base64File::EncodeFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray encoded = file.readAll().toBase64();
    QByteArray text;
    text.reserve(encoded.size() + encoded.size() / kLineLength * 2);
    for (qsizetype start = 0; start < encoded.size(); start += kLineLength) {
        const QByteArray line = encoded.mid(start, kLineLength);
        text += line;
        if (line.size() == kLineLength)
            text += "\r\n";
    }
    return QString::fromLatin1(text);
}
