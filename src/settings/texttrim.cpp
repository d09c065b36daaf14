#include "settings/texttrim.h"

namespace {

bool isBlankOrControl(QChar character)
{
    return character.unicode() <= 0x20;
}

} // namespace

QString TextTrim::trim(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlankOrControl(text.at(begin)))
        ++begin;
    while (end > begin && isBlankOrControl(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}
