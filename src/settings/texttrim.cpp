#include "settings/texttrim.h"

namespace {

bool isBlankOrControl(QChar character)
{
    return character.unicode() <= 0x20;
}

bool isForbiddenInXml(QChar character)
{
    const char16_t code = character.unicode();
    return code < 0x20 && code != u'\t' && code != u'\n' && code != u'\r';
}

} // namespace

QString TextTrim::trim(const QString &text)
{
    const QString kept = withoutControls(text);
    qsizetype begin = 0;
    qsizetype end = kept.size();
    while (begin < end && isBlankOrControl(kept.at(begin)))
        ++begin;
    while (end > begin && isBlankOrControl(kept.at(end - 1)))
        --end;
    return kept.mid(begin, end - begin);
}

QString TextTrim::withoutControls(const QString &text)
{
    QString kept = text;
    kept.removeIf(isForbiddenInXml);
    return kept;
}
