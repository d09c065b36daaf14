#pragma once

#include <QByteArray>
#include <QString>
#include <array>

class ClientDataSet;

// The network-configuration documents sent to the module: an XML declaration
// and a root `config` whose children carry one interface's settings, in
// UTF-8 without a byte-order mark, on one line ended by CR LF. The writers
// only build the bytes; save puts them into the program's folder and
// readBack gives the text that the sending operations pass on.
class TConfRede
{
public:
    // Interface 2 of the MF-e (3G/GPRS), as its page holds it.
    struct Interface2 {
        int rede = 0;  // item of the address list: 0 DHCP, any other a fixed address
        int proxy = 0; // item of the proxy list
        std::array<QString, 5> address;      // lanIP, lanMask, lanGW, lanDNS1, lanDNS2
        std::array<QString, 4> proxyDetails; // proxy_ip, proxy_porta, proxy_user, proxy_senha
        QString usuario;
        QString senha;
        QString phone;
        QString APN;
    };

    struct ReadBack {
        QByteArray text; // the file's lines joined, line ends dropped
        QString message; // empty when read, otherwise what the technician is told
    };

    // The settings fields of the address group and of the proxy details, in
    // document order.
    static constexpr std::array<const char *, 5> kAddressFields{"lanIP", "lanMask", "lanGW", "lanDNS1", "lanDNS2"};
    static constexpr std::array<const char *, 4> kProxyFields{"proxy_ip", "proxy_porta", "proxy_user",
                                                              "proxy_senha"};

    static const QString kConfRede;
    static const QString kConfRedeMFE1;
    static const QString kConfRedeMFE2;

    // `prioridade` is the selected item of the priority group: 0 puts
    // Ethernet first, 1 puts 3G/GPRS first.

    // "ConfRede.xml" from the settings record, each field as it holds it. A
    // proxy mode that is not a number goes out as "0".
    static QByteArray geraxml(const ClientDataSet &cds);
    // "ConfRedeMFE1.xml": the same elements and the priority.
    static QByteArray geraxmlMFE1(const ClientDataSet &cds, int prioridade);
    // "ConfRedeMFE2.xml", each text trimmed of blanks and control characters.
    static QByteArray geraxmlMFE2(const Interface2 &values, int prioridade);
    // The carrier's user, password, phone and APN are all filled, once
    // trimmed: only then is there an interface-2 document.
    static bool accessDataComplete(const Interface2 &values);

    // Replaces the file in the program's folder (ending with '/') in one step.
    // Empty on success, otherwise the message for the technician.
    [[nodiscard]] static QString save(const QString &programFolder, const QString &fileName,
                                      const QByteArray &document);
    static ReadBack readBack(const QString &programFolder, const QString &fileName);
};
