#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the lists of the two network pages mean, without widgets: their
// items, the settings values the items stand for, and which edits an item
// switches on or off. A list offers only its items; -1 is "no item".
class NetworkChoices
{
public:
    static const QString kEthe;                // `tipoInter` of an Ethernet interface
    static const QStringList kInterfaceItems;  // the SAT page's interface list
    static const QStringList kRedeItems;       // address lists
    static const QStringList kProxyItems;      // proxy lists
    static const QStringList kPrioridadeItems; // the MF-e page's priority group

    // `tipoInter`: "ETHE" is item 0; any other value selects no item, and
    // with no item sending keeps what the record holds.
    static int interfaceItem(const QString &tipoInter);
    static QString interfaceValue(int item, const QString &stored);
    // What the MF-e page shows for interface 1.
    static QString interfaceText(const QString &tipoInter);

    // `tipoLan`: "DHCP" item 0, "IPFIX" item 1; other values leave the list
    // as it is, and with no item sending keeps what the record holds.
    static int redeItem(const QString &tipoLan, int current);
    static QString redeValue(int item, const QString &stored);

    // `proxy` read as an integer: an item's index selects it; no number, or
    // a number that is no item, shows "NENHUM".
    static int proxyItem(std::optional<int> stored);

    // The enable rule of every address and proxy list: item 1 ("IP FIXO",
    // "COM CONFIGURAÇÃO") turns its group's edits on, any other item off;
    // nullopt (no item) leaves them as they are.
    static std::optional<bool> enablesEdits(int item);
};
