#include "channel/retornosat.h"

QString TRetornoSAT::busyCode(const QString &family)
{
    return family + QStringLiteral("098");
}
