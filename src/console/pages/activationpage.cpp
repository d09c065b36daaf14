#include "console/pages/activationpage.h"

#include "channel/retornosat.h"
#include "console/frame/interaction.h"
#include "console/frame/operationframe.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/maskededit.h"
#include "console/widgets/radiogroup.h"
#include "console/widgets/widgetfactory.h"
#include "platform/ansicodepage.h"
#include "platform/conversionerror.h"
#include "settings/clientdataset.h"
#include "settings/tabelauf.h"
#include "settings/texttrim.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {
const QString kConfirmacao =
    QStringLiteral("Por favor aguarde.\n\rEsta função pode demorar alguns minutos.\n\n\rClique OK para continuar.");
const QString kAtivar = QStringLiteral("&Ativar");
const QString kCodeCaption = QStringLiteral("Digite o Código de Ativação do MFE:");
constexpr int kCodeLength = 32;
}

ActivationPage::ActivationPage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabAtivar"), QStringLiteral("Panel3"), QStringLiteral("ATIVAÇÃO DO MFE"), parent)
    , EdtCodAtiv2(WidgetFactory::passwordEdit(this, QStringLiteral("EdtCodAtiv2"), kCodeCaption, {24, 64, 280, 21}))
    , EdtCodAtiv2Conf(WidgetFactory::passwordEdit(this, QStringLiteral("EdtCodAtiv2Conf"),
                                                  QStringLiteral("Digite novamente o Código de Ativação do MFE"),
                                                  {24, 112, 280, 21}))
    , rgTipoCert(WidgetFactory::radioGroup(
          this, QStringLiteral("rgTipoCert"), QStringLiteral("Tipo de Certificado:"),
          {QStringLiteral("AC- SEFAZ-CE"), QStringLiteral("ICP-BRASIL"), QStringLiteral("RENOVAÇÃO ICP-BRASIL")},
          {330, 48, 250, 85}))
    , EdtCNPJContrib(WidgetFactory::cnpjEdit(this, QStringLiteral("EdtCNPJContrib"),
                                             QStringLiteral("CNPJ do Contribuinte:"), {24, 210, 150, 21}))
    , LblUF(WidgetFactory::label(this, QStringLiteral("LblUF"), QStringLiteral("UF:"), {330, 194}))
    , cbo(WidgetFactory::comboBox(this, QStringLiteral("cbo"), {}, {330, 210, 60, 21}))
    , BtnAtivar(WidgetFactory::button(this, QStringLiteral("BtnAtivar"), kAtivar, 255, 270))
    , Memo3(footNote(QStringLiteral("Memo3"),
                     QStringLiteral("ESTA FUNÇÃO DEVE SER USADA APENAS ENQUANTO O MFE NÃO ESTIVER ATIVADO.")))
{
    EdtCodAtiv2->setMaxLength(kCodeLength);
    EdtCodAtiv2Conf->setMaxLength(kCodeLength);
    rgTipoCert->setItemIndex(0);
    rgTipoCert->setEnabled(false);
    LblUF->setBuddy(cbo);
    setDefaultButton(BtnAtivar);
    setTabChain({EdtCodAtiv2, EdtCodAtiv2Conf, rgTipoCert, EdtCNPJContrib, cbo, BtnAtivar});

    connect(rgTipoCert, &RadioGroup::itemIndexChanged, this, &ActivationPage::rgTipoCertClick);
    frame().onClick(BtnAtivar, [this] { BitAtivaSATClick(); });
}

void ActivationPage::BtnAtivacaoClick()
{
    clearCodes();
    rgTipoCert->setItemIndex(0);
    EdtCNPJContrib->setText(cds().fieldAsString(QStringLiteral("CNPJContribuinte")));
    cbo->setCurrentIndex(storedStateRow());
    showPage();
}

void ActivationPage::fillStateList()
{
    for (int row = 0; row < TabelaUF::count(); ++row)
        cbo->addItem(TabelaUF::abbreviation(row));
}

void ActivationPage::shown()
{
    EdtCodAtiv2->setFocus();
}

void ActivationPage::rgTipoCertClick(int index)
{
    BtnAtivar->setText(index == 0 ? kAtivar : QStringLiteral("&Gerar CSR"));
}

void ActivationPage::BitAtivaSATClick()
{
    rgTipoCert->setItemIndex(0);
    if (!checkCodes() || !checkCnpjAndState())
        return;
    const qint32 subComando = rgTipoCert->itemIndex() + 1;
    storeCnpjAndState();
    if (!interaction().confirm(kConfirmacao)) {
        clearCodes();
        EdtCodAtiv2->setFocus();
        return;
    }
    const qint32 cUF = TabelaUF::code(storedStateRow()).toInt();
    const Reply reply = frame().send(Command::AtivarSAT,
                                     CommandArguments{subComando} + OperationFrame::codeArgument(*EdtCodAtiv2)
                                         + CommandArguments{AnsiCodePage::fromUnicode(EdtCNPJContrib->digits()), cUF});
    frame().readReply(reply, [&] { showResult(reply); });
}

bool ActivationPage::checkCodes()
{
    return frame().checkCode(*EdtCodAtiv2) && frame().checkCode(*EdtCodAtiv2Conf)
        && frame().checkConfirmation(*EdtCodAtiv2, *EdtCodAtiv2Conf,
                                     QStringLiteral("Erro na confirmação do Código de Ativação."));
}

bool ActivationPage::checkCnpjAndState()
{
    if (!frame().checkCnpj(*EdtCNPJContrib, QStringLiteral("CNPJ inválido.")))
        return false;
    if (TextTrim::trim(cbo->currentText()).isEmpty()) {
        interaction().showMessage(QStringLiteral("UF inválida."));
        cbo->setFocus();
        return false;
    }
    return true;
}

void ActivationPage::storeCnpjAndState()
{
    cds().Edit();
    cds().setFieldAsString(QStringLiteral("CNPJContribuinte"), EdtCNPJContrib->digits());
    cds().setFieldAsInteger(QStringLiteral("uf"), cbo->currentIndex());
    postSettings();
}

int ActivationPage::storedStateRow() const
{
    // An empty or damaged stored state shows no state, like one outside the
    // table, instead of keeping the technician off the page.
    try {
        const int row = cds().fieldAsInteger(QStringLiteral("uf"));
        return TabelaUF::isValidRow(row) ? row : -1;
    } catch (const ConversionError &) {
        return -1;
    }
}

void ActivationPage::clearCodes()
{
    EdtCodAtiv2->clear();
    EdtCodAtiv2Conf->clear();
}

void ActivationPage::showResult(const Reply &reply)
{
    if (!frame().showResult(Command::AtivarSAT, reply,
                            {{QStringLiteral("04000"),
                              QStringLiteral("MFE Ativado corretamente, faltando associá-lo ao Aplic. Comercial.")}}))
        interaction().showMessage(reply.displayField(TRetornoSAT::mensagem));
}
