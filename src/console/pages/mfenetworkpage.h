#pragma once

#include "console/pages/consolepage.h"
#include "console/pages/networkinterface.h"
#include "console/pages/networksender.h"

class LabeledEdit;
class QComboBox;
class QGroupBox;
class QPushButton;
class RadioGroup;

// Page 7: both network interfaces of the MF-e and the priority between
// them. Interface 1 (Ethernet) lives in the settings record, as on page 6;
// interface 2 (3G/GPRS), the carrier's access data and the priority live in
// the controls for the run. Both go out in one command.
class MfeNetworkPage : public ConsolePage
{
    Q_OBJECT

public:
    // The access data a carrier button writes: its word goes into both the
    // user and the password edit.
    struct Carrier {
        const char *word;
        const char *phone;
        const char *apn;
    };

    MfeNetworkPage(PageContext &context, QWidget *parent);

    void BtnConfRedeMFEClick();

protected:
    void shown() override;

private:
    void TabConfRedeMFEShow();
    void CboMFERede1Change();
    void CboMFEProxy1Change();
    void CboMFERede2Change();
    void CboMFEProxy2Change();
    void BitNenhumClick();
    void BitCLAROClick();
    void BitOIClick();
    void BitTIMClick();
    void BitVIVOClick();
    void BitEnviarMFEConfRedeClick();
    void setAccessData(const Carrier &carrier);
    // Both documents deleted and written again; false once a failure was shown.
    bool writeDocuments();
    // Four slots: interface 1, interface 2 or nothing, two empty.
    std::optional<QByteArray> payload() const;

    LabeledEdit *EdtMFEInter1;
    QComboBox *CboMFERede1;
    QComboBox *CboMFEProxy1;
    LabeledEdit *EdtMFEIP1;
    LabeledEdit *EdtMFEMask1;
    LabeledEdit *EdtMFEGW1;
    LabeledEdit *EdtMFEDNS11;
    LabeledEdit *EdtMFEDNS21;
    LabeledEdit *EdtMFEProxyIP1;
    LabeledEdit *EdtMFEProxyPorta1;
    LabeledEdit *EdtMFEProxyUser1;
    LabeledEdit *EdtMFEProxySenha1;

    LabeledEdit *EdtMFEInter2;
    QComboBox *CboMFERede2;
    QComboBox *CboMFEProxy2;
    LabeledEdit *EdtMFEIP2;
    LabeledEdit *EdtMFEMask2;
    LabeledEdit *EdtMFEGW2;
    LabeledEdit *EdtMFEDNS12;
    LabeledEdit *EdtMFEDNS22;
    LabeledEdit *EdtMFEProxyIP2;
    LabeledEdit *EdtMFEProxyPorta2;
    LabeledEdit *EdtMFEProxyUser2;
    LabeledEdit *EdtMFEProxySenha2;
    LabeledEdit *EdtMFEUsuario;
    LabeledEdit *EdtMFESenha;
    LabeledEdit *EdtMFEPhone;
    LabeledEdit *EdtMFEAPN;

    RadioGroup *CboPrio;
    QGroupBox *PnlOperadoras;
    QPushButton *BitNenhum;
    QPushButton *BitCLARO;
    QPushButton *BitOI;
    QPushButton *BitTIM;
    QPushButton *BitVIVO;
    LabeledEdit *LblEdtMFECodRede;
    QPushButton *BitEnviarMFEConfRede;

    NetworkInterface interface1_;
    NetworkInterface interface2_;
    NetworkSender sender_;
};
