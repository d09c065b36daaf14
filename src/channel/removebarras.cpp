#include "channel/removebarras.h"

QString RemoveBarras(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != u'\\') {
            result += text.at(i);
        } else if (i + 1 < text.size() && text.at(i + 1) == u'"') {
            continue; // the quote is copied on the next step
        } else {
            ++i; // drops the escaped character, or runs past a final backslash
        }
    }
    return result;
}
