#include "console/returnedcfe.h"

#include "channel/retornosat.h"
#include "console/textlines.h"
#include "platform/ansicodepage.h"

namespace {
constexpr qsizetype kLeadingFields = 5;
constexpr qsizetype kTrailingFields = 5;
}

ReturnedCfe ReturnedCfe::fromReply(const QString &reply)
{
    QString withBreaks = reply;
    withBreaks.replace(QLatin1Char(TRetornoSAT::separator), QLatin1Char('\n'));
    const QStringList lines = TextLines::split(withBreaks);
    ReturnedCfe cfe;
    // Lines 5 to count - 6: everything between the first and the last five.
    for (qsizetype index = kLeadingFields; index < lines.size() - kTrailingFields; ++index)
        cfe.base64 += lines.at(index);
    cfe.lines = TextLines::split(QByteArray::fromBase64(AnsiCodePage::fromUnicode(cfe.base64)));
    return cfe;
}
