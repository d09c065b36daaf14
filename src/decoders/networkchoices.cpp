#include "decoders/networkchoices.h"

namespace {

const QString kDhcp = QStringLiteral("DHCP");
const QString kIpfix = QStringLiteral("IPFIX");

} // namespace

const QString NetworkChoices::kEthe = QStringLiteral("ETHE");
const QStringList NetworkChoices::kInterfaceItems{QStringLiteral("ETHERNET")};
const QStringList NetworkChoices::kRedeItems{QStringLiteral("DHCP"), QStringLiteral("IP FIXO")};
const QStringList NetworkChoices::kProxyItems{QStringLiteral("NENHUM"), QStringLiteral("COM CONFIGURAÇÃO"),
                                              QStringLiteral("TRANSPARENTE")};
const QStringList NetworkChoices::kPrioridadeItems{QStringLiteral("1º ETHERNET -  2º 3G/GPRS"),
                                                   QStringLiteral("1º 3G/GPRS    -  2º ETHERNET ")};

int NetworkChoices::interfaceItem(const QString &tipoInter)
{
    return tipoInter == kEthe ? 0 : -1;
}

QString NetworkChoices::interfaceValue(int item, const QString &stored)
{
    return item == 0 ? kEthe : stored;
}

QString NetworkChoices::interfaceText(const QString &tipoInter)
{
    return tipoInter == kEthe ? QStringLiteral("ETHERNET") : QStringLiteral("WIFI");
}

int NetworkChoices::redeItem(const QString &tipoLan, int current)
{
    if (tipoLan == kDhcp)
        return 0;
    if (tipoLan == kIpfix)
        return 1;
    return current;
}

QString NetworkChoices::redeValue(int item, const QString &stored)
{
    switch (item) {
    case 0:
        return kDhcp;
    case 1:
        return kIpfix;
    default:
        return stored;
    }
}

int NetworkChoices::proxyItem(std::optional<int> stored)
{
    const int item = stored.value_or(0);
    return item >= 0 && item < kProxyItems.size() ? item : 0;
}

std::optional<bool> NetworkChoices::enablesEdits(int item)
{
    if (item < 0)
        return std::nullopt;
    return item == 1;
}
