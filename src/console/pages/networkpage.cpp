#include "console/pages/networkpage.h"

#include "console/frame/operationframe.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/widgetfactory.h"
#include "decoders/networkchoices.h"
#include "settings/clientdataset.h"
#include "settings/confrede.h"

#include <QComboBox>
#include <QPushButton>

namespace {

constexpr int kLeft = 30;
constexpr int kRight = 330;
constexpr int kWidth = 200;
constexpr int kListHeight = 21;

const QString kTipoInter = QStringLiteral("tipoInter");

QRect row(int left, int top)
{
    return {left, top, kWidth, kListHeight};
}

} // namespace

NetworkPage::NetworkPage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabConfRede"), QStringLiteral("Panel8"),
                  QStringLiteral("CONFIGURAÇÕES DE REDE"), parent)
    , CbotipoInter(WidgetFactory::comboBox(this, QStringLiteral("CbotipoInter"), NetworkChoices::kInterfaceItems,
                                           row(kLeft, 60)))
    , CbotipoLan(WidgetFactory::comboBox(this, QStringLiteral("CbotipoLan"), NetworkChoices::kRedeItems,
                                         row(kLeft, 108)))
    , EdtlanIP(WidgetFactory::labeledEdit(this, QStringLiteral("EdtlanIP"), QStringLiteral("IP:"), row(kLeft, 156)))
    , EdtlanMask(WidgetFactory::labeledEdit(this, QStringLiteral("EdtlanMask"), QStringLiteral("Mascara de Rede:"),
                                            row(kLeft, 200)))
    , EdtlanGW(WidgetFactory::labeledEdit(this, QStringLiteral("EdtlanGW"), QStringLiteral("Gateway:"),
                                          row(kLeft, 244)))
    , EdtlanDNS1(WidgetFactory::labeledEdit(this, QStringLiteral("EdtlanDNS1"), QStringLiteral("DNS Primário:"),
                                            row(kLeft, 288)))
    , EdtlanDNS2(WidgetFactory::labeledEdit(this, QStringLiteral("EdtlanDNS2"), QStringLiteral("DNS Secundário:"),
                                            row(kLeft, 332)))
    , cboProxy(WidgetFactory::comboBox(this, QStringLiteral("cboProxy"), NetworkChoices::kProxyItems,
                                       row(kRight, 108)))
    , Edtproxy_ip(WidgetFactory::labeledEdit(this, QStringLiteral("Edtproxy_ip"), QStringLiteral("IP do Proxy:"),
                                             row(kRight, 156)))
    , Edtproxy_porta(WidgetFactory::labeledEdit(this, QStringLiteral("Edtproxy_porta"),
                                                QStringLiteral("Porta do Proxy:"), row(kRight, 200)))
    , Edtproxy_user(WidgetFactory::labeledEdit(this, QStringLiteral("Edtproxy_user"),
                                               QStringLiteral("Usuário do Proxy:"), row(kRight, 244)))
    , Edtproxy_senha(WidgetFactory::passwordEdit(this, QStringLiteral("Edtproxy_senha"),
                                                 QStringLiteral("Senha do Proxy:"), row(kRight, 288)))
    , LblEdtCodRede(WidgetFactory::passwordEdit(this, QStringLiteral("LblEdtCodRede"),
                                                QStringLiteral("Código de Ativação do MFE:"), row(kLeft, 400)))
    , BitEnviarConfRede(WidgetFactory::button(this, QStringLiteral("BitEnviarConfRede"),
                                              QStringLiteral("Enviar ao MFe"), kRight, 396))
    , interface_(CbotipoLan, {EdtlanIP, EdtlanMask, EdtlanGW, EdtlanDNS1, EdtlanDNS2}, cboProxy,
                 {Edtproxy_ip, Edtproxy_porta, Edtproxy_user, Edtproxy_senha})
    , sender_(frame(), programFolder())
{
    WidgetFactory::caption(CbotipoInter, QStringLiteral("Interface:"));
    WidgetFactory::caption(CbotipoLan, QStringLiteral("Rede:"));
    WidgetFactory::caption(cboProxy, QStringLiteral("Proxy:"));
    setDefaultButton(BitEnviarConfRede);

    connect(CbotipoLan, &QComboBox::currentIndexChanged, this, &NetworkPage::CbotipoLanChange);
    connect(cboProxy, &QComboBox::currentIndexChanged, this, &NetworkPage::cboProxyChange);
    frame().onClick(BitEnviarConfRede, [this] { BitConfRedeClick(); });
}

void NetworkPage::BtnConfRedeClick()
{
    showPage();
}

void NetworkPage::hideProxyPassword()
{
    Edtproxy_senha->setEchoMode(QLineEdit::Password);
}

void NetworkPage::shown()
{
    TabConfRedeShow();
}

void NetworkPage::TabConfRedeShow()
{
    NetworkInterface::open(cds());
    CbotipoInter->setCurrentIndex(NetworkChoices::interfaceItem(cds().fieldAsString(kTipoInter)));
    interface_.fill(cds());
    CbotipoLanChange();
    cboProxyChange();
}

void NetworkPage::CbotipoLanChange()
{
    interface_.applyRedeRule();
}

void NetworkPage::cboProxyChange()
{
    interface_.applyProxyRule();
}

void NetworkPage::BitConfRedeClick()
{
    if (!frame().checkCode(*LblEdtCodRede))
        return;
    NetworkInterface::editRecord(cds());
    const QString tipoInter = cds().fieldAsString(kTipoInter);
    cds().setFieldAsString(kTipoInter, NetworkChoices::interfaceValue(CbotipoInter->currentIndex(), tipoInter));
    interface_.store(cds());
    postSettings();
    if (!sender_.write(TConfRede::kConfRede, TConfRede::geraxml(cds())))
        return;
    if (const std::optional<QByteArray> payload = sender_.read(TConfRede::kConfRede))
        sender_.send(Command::ConfigurarInterfaceDeRede, *LblEdtCodRede, *payload);
}
