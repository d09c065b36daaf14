#include "console/pages/mfenetworkpage.h"

#include "console/frame/operationframe.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/radiogroup.h"
#include "console/widgets/widgetfactory.h"
#include "decoders/networkchoices.h"
#include "settings/clientdataset.h"
#include "settings/confrede.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>

namespace {

// Interface 1, interface 2, and the column of the priority, the carriers
// and the sending; captions stand on the left of the controls.
constexpr int kColumn1 = 108;
constexpr int kColumn2 = 316;
constexpr int kColumn3 = 425;
constexpr int kControlWidth = 100;
constexpr int kWideWidth = 200;
constexpr int kRowHeight = 21;
constexpr int kFirstRow = 36;
constexpr int kRowStep = 23;

QRect cell(int column, int row, int width = kControlWidth)
{
    return {column, kFirstRow + row * kRowStep, width, kRowHeight};
}

LabeledEdit *edit(QWidget *page, const char *name, const QString &caption, const QRect &geometry)
{
    return WidgetFactory::sideLabeledEdit(page, QLatin1String(name), caption, geometry);
}

LabeledEdit *passwordEdit(QWidget *page, const char *name, const QRect &geometry)
{
    LabeledEdit *password = edit(page, name, QStringLiteral("Senha do Proxy:"), geometry);
    password->setEchoMode(QLineEdit::Password);
    return password;
}

LabeledEdit *interfaceEdit(QWidget *page, const char *name, const QString &text, const QRect &geometry)
{
    LabeledEdit *shown = edit(page, name, QStringLiteral("Interface:"), geometry);
    shown->setReadOnly(true);
    shown->setText(text);
    return shown;
}

QComboBox *list(QWidget *page, const char *name, const QStringList &items, const QString &caption,
                const QRect &geometry)
{
    QComboBox *box = WidgetFactory::comboBox(page, QLatin1String(name), items, geometry);
    WidgetFactory::sideCaption(box, caption);
    return box;
}

QPushButton *carrierButton(QWidget *panel, const char *name, const char *caption, int index)
{
    return WidgetFactory::button(panel, QLatin1String(name), QLatin1String(caption), 40, 22 + index * 33);
}

const QString kTipoInter = QStringLiteral("tipoInter");

// The data the four carriers publish for their mobile internet.
constexpr MfeNetworkPage::Carrier kNone{"", "", ""};
constexpr MfeNetworkPage::Carrier kClaro{"claro", "*99#", "claro.com.br"};
constexpr MfeNetworkPage::Carrier kOi{"oi", "*99#", "gprs.oi.com.br"};
constexpr MfeNetworkPage::Carrier kTim{"tim", "*99#", "timbrasil.br"};
constexpr MfeNetworkPage::Carrier kVivo{"vivo", "*99#", "zap.vivo.com.br"};

} // namespace

MfeNetworkPage::MfeNetworkPage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabConfRedeMFE"), QStringLiteral("Panel9"),
                  QStringLiteral("CONFIGURAÇÕES DE REDE MFE"), parent)
    , EdtMFEInter1(interfaceEdit(this, "EdtMFEInter1", QStringLiteral("ETHERNET"), cell(kColumn1, 0)))
    , CboMFERede1(list(this, "CboMFERede1", NetworkChoices::kRedeItems, QStringLiteral("Rede:"), cell(kColumn1, 1)))
    , CboMFEProxy1(list(this, "CboMFEProxy1", NetworkChoices::kProxyItems, QStringLiteral("Proxy:"),
                        cell(kColumn1, 2)))
    , EdtMFEIP1(edit(this, "EdtMFEIP1", QStringLiteral("IP:"), cell(kColumn1, 3)))
    , EdtMFEMask1(edit(this, "EdtMFEMask1", QStringLiteral("Mascara:"), cell(kColumn1, 4)))
    , EdtMFEGW1(edit(this, "EdtMFEGW1", QStringLiteral("Gateway:"), cell(kColumn1, 5)))
    , EdtMFEDNS11(edit(this, "EdtMFEDNS11", QStringLiteral("DNS1:"), cell(kColumn1, 6)))
    , EdtMFEDNS21(edit(this, "EdtMFEDNS21", QStringLiteral("DNS2:"), cell(kColumn1, 7)))
    , EdtMFEProxyIP1(edit(this, "EdtMFEProxyIP1", QStringLiteral("IP do Proxy:"), cell(kColumn1, 8)))
    , EdtMFEProxyPorta1(edit(this, "EdtMFEProxyPorta1", QStringLiteral("Porta do Proxy:"), cell(kColumn1, 9)))
    , EdtMFEProxyUser1(edit(this, "EdtMFEProxyUser1", QStringLiteral("Usuário do Proxy:"), cell(kColumn1, 10)))
    , EdtMFEProxySenha1(passwordEdit(this, "EdtMFEProxySenha1", cell(kColumn1, 11)))
    , EdtMFEInter2(interfaceEdit(this, "EdtMFEInter2", QStringLiteral("3G/GPRS"), cell(kColumn2, 0)))
    , CboMFERede2(list(this, "CboMFERede2", NetworkChoices::kRedeItems, QStringLiteral("Rede:"), cell(kColumn2, 1)))
    , CboMFEProxy2(list(this, "CboMFEProxy2", NetworkChoices::kProxyItems, QStringLiteral("Proxy:"),
                        cell(kColumn2, 2)))
    , EdtMFEIP2(edit(this, "EdtMFEIP2", QStringLiteral("IP:"), cell(kColumn2, 3)))
    , EdtMFEMask2(edit(this, "EdtMFEMask2", QStringLiteral("Mascara:"), cell(kColumn2, 4)))
    , EdtMFEGW2(edit(this, "EdtMFEGW2", QStringLiteral("Gateway:"), cell(kColumn2, 5)))
    , EdtMFEDNS12(edit(this, "EdtMFEDNS12", QStringLiteral("DNS1:"), cell(kColumn2, 6)))
    , EdtMFEDNS22(edit(this, "EdtMFEDNS22", QStringLiteral("DNS2:"), cell(kColumn2, 7)))
    , EdtMFEProxyIP2(edit(this, "EdtMFEProxyIP2", QStringLiteral("IP do Proxy:"), cell(kColumn2, 8)))
    , EdtMFEProxyPorta2(edit(this, "EdtMFEProxyPorta2", QStringLiteral("Porta do Proxy:"), cell(kColumn2, 9)))
    , EdtMFEProxyUser2(edit(this, "EdtMFEProxyUser2", QStringLiteral("Usuário do Proxy:"), cell(kColumn2, 10)))
    , EdtMFEProxySenha2(passwordEdit(this, "EdtMFEProxySenha2", cell(kColumn2, 11)))
    , EdtMFEUsuario(edit(this, "EdtMFEUsuario", QStringLiteral("Usuário:"), cell(kColumn2, 12)))
    , EdtMFESenha(edit(this, "EdtMFESenha", QStringLiteral("Senha:"), cell(kColumn2, 13)))
    , EdtMFEPhone(edit(this, "EdtMFEPhone", QStringLiteral("Phone:"), cell(kColumn2, 14)))
    , EdtMFEAPN(edit(this, "EdtMFEAPN", QStringLiteral("APN:"), cell(kColumn2, 15, kWideWidth)))
    , CboPrio(WidgetFactory::radioGroup(this, QStringLiteral("CboPrio"), QStringLiteral("Prioridade"),
                                        NetworkChoices::kPrioridadeItems, {kColumn3, kFirstRow, 210, 62}))
    , PnlOperadoras(new QGroupBox(QStringLiteral("Principais Operadoras"), this))
    , BitNenhum(carrierButton(PnlOperadoras, "BitNenhum", "NENHUMA", 0))
    , BitCLARO(carrierButton(PnlOperadoras, "BitCLARO", "CLARO", 1))
    , BitOI(carrierButton(PnlOperadoras, "BitOI", "OI", 2))
    , BitTIM(carrierButton(PnlOperadoras, "BitTIM", "TIM", 3))
    , BitVIVO(carrierButton(PnlOperadoras, "BitVIVO", "VIVO", 4))
    , LblEdtMFECodRede(WidgetFactory::passwordEdit(this, QStringLiteral("LblEdtMFECodRede"),
                                                   QStringLiteral("Código de Ativação do MFE:"),
                                                   {kColumn3, 345, 210, kRowHeight}))
    , BitEnviarMFEConfRede(WidgetFactory::button(this, QStringLiteral("BitEnviarMFEConfRede"),
                                                 QStringLiteral("Enviar ao MFe"), kColumn3 + 40, 416))
    , interface1_(CboMFERede1, {EdtMFEIP1, EdtMFEMask1, EdtMFEGW1, EdtMFEDNS11, EdtMFEDNS21}, CboMFEProxy1,
                  {EdtMFEProxyIP1, EdtMFEProxyPorta1, EdtMFEProxyUser1, EdtMFEProxySenha1})
    , interface2_(CboMFERede2, {EdtMFEIP2, EdtMFEMask2, EdtMFEGW2, EdtMFEDNS12, EdtMFEDNS22}, CboMFEProxy2,
                  {EdtMFEProxyIP2, EdtMFEProxyPorta2, EdtMFEProxyUser2, EdtMFEProxySenha2})
    , sender_(frame(), programFolder())
{
    CboMFERede2->setEnabled(false);
    CboMFEProxy2->setEnabled(false);
    CboPrio->setItemIndex(0);
    PnlOperadoras->setObjectName(QStringLiteral("PnlOperadoras"));
    PnlOperadoras->setGeometry(kColumn3, 104, 210, 190);
    setDefaultButton(BitEnviarMFEConfRede);

    connect(CboMFERede1, &QComboBox::currentIndexChanged, this, &MfeNetworkPage::CboMFERede1Change);
    connect(CboMFEProxy1, &QComboBox::currentIndexChanged, this, &MfeNetworkPage::CboMFEProxy1Change);
    connect(CboMFERede2, &QComboBox::currentIndexChanged, this, &MfeNetworkPage::CboMFERede2Change);
    connect(CboMFEProxy2, &QComboBox::currentIndexChanged, this, &MfeNetworkPage::CboMFEProxy2Change);
    frame().onClick(BitNenhum, [this] { BitNenhumClick(); });
    frame().onClick(BitCLARO, [this] { BitCLAROClick(); });
    frame().onClick(BitOI, [this] { BitOIClick(); });
    frame().onClick(BitTIM, [this] { BitTIMClick(); });
    frame().onClick(BitVIVO, [this] { BitVIVOClick(); });
    frame().onClick(BitEnviarMFEConfRede, [this] { BitEnviarMFEConfRedeClick(); });
}

void MfeNetworkPage::BtnConfRedeMFEClick()
{
    showPage();
}

void MfeNetworkPage::shown()
{
    TabConfRedeMFEShow();
}

// Interface 2, the access data and the priority keep what was entered.
void MfeNetworkPage::TabConfRedeMFEShow()
{
    NetworkInterface::open(cds());
    EdtMFEInter1->setText(NetworkChoices::interfaceText(cds().fieldAsString(kTipoInter)));
    interface1_.fill(cds());
    CboMFERede1Change();
    CboMFEProxy1Change();
    CboMFERede2Change();
    CboMFEProxy2Change();
}

void MfeNetworkPage::CboMFERede1Change()
{
    interface1_.applyRedeRule();
}

void MfeNetworkPage::CboMFEProxy1Change()
{
    interface1_.applyProxyRule();
}

void MfeNetworkPage::CboMFERede2Change()
{
    interface2_.applyRedeRule();
}

void MfeNetworkPage::CboMFEProxy2Change()
{
    interface2_.applyProxyRule();
}

void MfeNetworkPage::BitNenhumClick()
{
    setAccessData(kNone);
}

void MfeNetworkPage::BitCLAROClick()
{
    setAccessData(kClaro);
}

void MfeNetworkPage::BitOIClick()
{
    setAccessData(kOi);
}

void MfeNetworkPage::BitTIMClick()
{
    setAccessData(kTim);
}

void MfeNetworkPage::BitVIVOClick()
{
    setAccessData(kVivo);
}

void MfeNetworkPage::BitEnviarMFEConfRedeClick()
{
    if (!frame().checkCode(*LblEdtMFECodRede))
        return;
    NetworkInterface::editRecord(cds());
    cds().setFieldAsString(kTipoInter, NetworkChoices::kEthe);
    interface1_.store(cds());
    postSettings();
    if (!writeDocuments())
        return;
    if (const std::optional<QByteArray> documents = payload())
        sender_.send(Command::ConfigurarInterfaceDeRedeMFE, *LblEdtMFECodRede, *documents);
}

void MfeNetworkPage::setAccessData(const Carrier &carrier)
{
    EdtMFEUsuario->setText(QLatin1String(carrier.word));
    EdtMFESenha->setText(QLatin1String(carrier.word));
    EdtMFEPhone->setText(QLatin1String(carrier.phone));
    EdtMFEAPN->setText(QLatin1String(carrier.apn));
}

bool MfeNetworkPage::writeDocuments()
{
    const int prioridade = CboPrio->itemIndex();
    sender_.remove(TConfRede::kConfRedeMFE1);
    if (!sender_.write(TConfRede::kConfRedeMFE1, TConfRede::geraxmlMFE1(cds(), prioridade)))
        return false;
    TConfRede::Interface2 values = interface2_.values();
    values.usuario = EdtMFEUsuario->text();
    values.senha = EdtMFESenha->text();
    values.phone = EdtMFEPhone->text();
    values.APN = EdtMFEAPN->text();
    sender_.remove(TConfRede::kConfRedeMFE2);
    return !TConfRede::accessDataComplete(values)
        || sender_.write(TConfRede::kConfRedeMFE2, TConfRede::geraxmlMFE2(values, prioridade));
}

std::optional<QByteArray> MfeNetworkPage::payload() const
{
    std::optional<QByteArray> documents = sender_.read(TConfRede::kConfRedeMFE1);
    if (!documents)
        return std::nullopt;
    *documents += '|';
    if (sender_.exists(TConfRede::kConfRedeMFE2)) {
        const std::optional<QByteArray> second = sender_.read(TConfRede::kConfRedeMFE2);
        if (!second)
            return std::nullopt;
        *documents += *second;
    }
    *documents += "||";
    return documents;
}
