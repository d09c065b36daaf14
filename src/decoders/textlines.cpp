#include "decoders/textlines.h"

namespace {

template<class Text, class List>
List splitLines(const Text &text)
{
    List lines;
    qsizetype start = 0;
    qsizetype position = 0;
    while (position < text.size()) {
        const auto character = text.at(position);
        if (character != '\r' && character != '\n') {
            ++position;
            continue;
        }
        lines.append(text.mid(start, position - start));
        const bool pair = character == '\r' && position + 1 < text.size() && text.at(position + 1) == '\n';
        position += pair ? 2 : 1;
        start = position;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

} // namespace

QStringList TextLines::split(const QString &text)
{
    return splitLines<QString, QStringList>(text);
}

QByteArrayList TextLines::split(const QByteArray &text)
{
    return splitLines<QByteArray, QByteArrayList>(text);
}
