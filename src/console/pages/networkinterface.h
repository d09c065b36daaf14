#pragma once

#include "settings/confrede.h"

#include <array>

class ClientDataSet;
class QComboBox;
class QLineEdit;

// One interface's address list and proxy list with their edits, as both
// network pages hold them. Interface 1 of either page lives in the settings
// record; every one of the lists switches its edits by the same enable rule.
class NetworkInterface
{
public:
    using AddressEdits = std::array<QLineEdit *, 5>; // IP, mask, gateway, DNS 1, DNS 2
    using ProxyEdits = std::array<QLineEdit *, 4>;   // IP, port, user, password

    NetworkInterface(QComboBox *rede, const AddressEdits &address, QComboBox *proxy, const ProxyEdits &proxyDetails);

    // Opens the settings dataset when it is not open.
    static void open(ClientDataSet &cds);
    // Opens the dataset when needed and starts an edit of its first record
    // (adding one to a dataset that holds none).
    static void editRecord(ClientDataSet &cds);

    // The record's address and proxy fields into the controls; the enable
    // rules are the page's to run.
    void fill(const ClientDataSet &cds) const;
    // The controls into the record under edit: texts as typed (without the
    // control characters no document can carry), enabled or not.
    void store(ClientDataSet &cds) const;
    // Interface 2's document values but the carrier's access data.
    TConfRede::Interface2 values() const;

    void applyRedeRule() const;
    void applyProxyRule() const;

private:
    QComboBox *rede_;
    AddressEdits address_;
    QComboBox *proxy_;
    ProxyEdits proxyDetails_;
};
