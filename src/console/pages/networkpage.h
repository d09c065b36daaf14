#pragma once

#include "console/pages/consolepage.h"
#include "console/pages/networkinterface.h"
#include "console/pages/networksender.h"

class LabeledEdit;
class QComboBox;
class QPushButton;

// Page 6: the network interface of the SAT command set. The page keeps
// nothing of its own: it shows the settings record and sends what it stores
// there as "ConfRede.xml".
class NetworkPage : public ConsolePage
{
    Q_OBJECT

public:
    NetworkPage(PageContext &context, QWidget *parent);

    void BtnConfRedeClick();
    // The user layout shows the proxy password as asterisks.
    void hideProxyPassword();

protected:
    void shown() override;

private:
    void TabConfRedeShow();
    void CbotipoLanChange();
    void cboProxyChange();
    void BitConfRedeClick();

    QComboBox *CbotipoInter;
    QComboBox *CbotipoLan;
    LabeledEdit *EdtlanIP;
    LabeledEdit *EdtlanMask;
    LabeledEdit *EdtlanGW;
    LabeledEdit *EdtlanDNS1;
    LabeledEdit *EdtlanDNS2;
    QComboBox *cboProxy;
    LabeledEdit *Edtproxy_ip;
    LabeledEdit *Edtproxy_porta;
    LabeledEdit *Edtproxy_user;
    LabeledEdit *Edtproxy_senha;
    LabeledEdit *LblEdtCodRede;
    QPushButton *BitEnviarConfRede;

    NetworkInterface interface_;
    NetworkSender sender_;
};
