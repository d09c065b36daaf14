#include "settings/texttrim.h"

#include "settings/xmlchars.h"

namespace {

bool isBlankOrControl(QChar character)
{
    return character.unicode() <= 0x20;
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
    return XmlChars::withoutForbidden(text);
}
