#include "console/frame/tffimafim.h"

#include "console/frame/consolestate.h"
#include "console/frame/interaction.h"
#include "console/widgets/maskededit.h"
#include "console/widgets/radiogroup.h"
#include "console/widgets/signatureinput.h"
#include "console/widgets/widgetfactory.h"
#include "console/widgets/widgetstyle.h"
#include "settings/clientdataset.h"
#include "settings/texttrim.h"

#include <QLabel>
#include <QPushButton>

const QString TFFimAFim::kIeMask = QStringLiteral("999.999.999.999;_");

namespace {
constexpr int kLeft = 16;
constexpr int kEditWidth = 150;
constexpr int kSignatureLength = 344;
}

TFFimAFim::TFFimAFim(ConsoleState &state, ClientDataSet &cds, Interaction &interaction, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , state_(state)
    , cds_(cds)
{
    setObjectName(QStringLiteral("FFimAFim"));
    setWindowTitle(QStringLiteral("MFE - VANTEL (Testes FimAFim)"));
    setFixedSize(368, 286);
    setFont(WidgetStyle::tahoma(8));
    WidgetStyle::setSilverBackground(this);

    EdtCNPJContrib2 = WidgetFactory::cnpjEdit(this, QStringLiteral("EdtCNPJContrib2"),
                                              QStringLiteral("CNPJ do Contribuinte:"), {kLeft, 24, kEditWidth, 21});
    EdtIEContrib = WidgetFactory::maskedEdit(this, QStringLiteral("EdtIEContrib"),
                                             QStringLiteral("IE do Contribuinte:"), kIeMask, {kLeft, 68, kEditWidth, 21});
    EdtCNPJSw = WidgetFactory::cnpjEdit(this, QStringLiteral("EdtCNPJSw"), QStringLiteral("CNPJ Software House:"),
                                        {kLeft, 112, kEditWidth, 21});
    signature_ = new SignatureInput(this, interaction,
                                    {{kLeft, 142}, {kLeft, 158, 336, 42}, {kLeft, 222, 300, 21}, {320, 222, 32, 21}});
    LblAssinatura = signature_->LblAssinatura;
    rgAssinatura = signature_->rgAssinatura;
    EdtAssinatura = signature_->EdtAssinatura;
    EdtAssinatura->setMaxLength(kSignatureLength);
    Button3 = signature_->Button3;
    BtnOk = WidgetFactory::button(this, QStringLiteral("BtnOk"), QStringLiteral("Ok"), 119, 250);
    BtnOk->setDefault(true);

    connect(BtnOk, &QPushButton::clicked, this, &TFFimAFim::BtnOkClick);
    state_.Cancelado = 1;
}

void TFFimAFim::setProductionEntries(bool enabled)
{
    for (QWidget *entry :
         std::initializer_list<QWidget *>{EdtCNPJSw, EdtIEContrib, rgAssinatura, EdtAssinatura, Button3})
        entry->setEnabled(enabled);
}

TFFimAFim::Entries TFFimAFim::entries() const
{
    return {EdtCNPJContrib2->digits(), EdtIEContrib->digits(), EdtCNPJSw->digits(),
            TextTrim::trim(EdtAssinatura->text())};
}

std::optional<QString> TFFimAFim::readSignature() const
{
    return signature_->read();
}

void TFFimAFim::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFFimAFim::FormShow()
{
    EdtCNPJContrib2->setText(cds_.fieldAsString(QStringLiteral("CNPJContribuinte")));
    EdtCNPJSw->setText(cds_.fieldAsString(QStringLiteral("CNPJSH")));
    EdtAssinatura->setText(cds_.fieldAsString(QStringLiteral("Assinatura")));
    state_.Cancelado = 1;
    EdtCNPJContrib2->setFocus();
}

void TFFimAFim::BtnOkClick()
{
    state_.Cancelado = 0;
    accept();
}
