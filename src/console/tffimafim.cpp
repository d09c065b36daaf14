#include "console/tffimafim.h"

#include "console/consolestate.h"
#include "console/interaction.h"
#include "console/maskededit.h"
#include "console/radiogroup.h"
#include "console/widgetfactory.h"
#include "console/widgetstyle.h"
#include "settings/clientdataset.h"

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
    , interaction_(interaction)
{
    setObjectName(QStringLiteral("FFimAFim"));
    setWindowTitle(QStringLiteral("MFE - VANTEL (Testes FimAFim)"));
    setFixedSize(368, 286);
    setFont(WidgetStyle::tahoma(8));
    WidgetStyle::setSilverBackground(this);

    EdtCNPJContrib2 = WidgetFactory::cnpjEdit(this, QStringLiteral("EdtCNPJContrib2"),
                                              QStringLiteral("CNPJ do Contribuinte:"), {kLeft, 24, kEditWidth, 21});
    EdtIEContrib = new MaskedEdit(QStringLiteral("EdtIEContrib"), QStringLiteral("IE do Contribuinte:"), kIeMask, this);
    EdtIEContrib->place(kLeft, 68, kEditWidth);
    EdtCNPJSw = WidgetFactory::cnpjEdit(this, QStringLiteral("EdtCNPJSw"), QStringLiteral("CNPJ Software House:"),
                                        {kLeft, 112, kEditWidth, 21});
    LblAssinatura = WidgetFactory::label(this, QStringLiteral("LblAssinatura"),
                                         QStringLiteral("Assinatura do Aplicativo Comercial:"), {kLeft, 142});
    rgAssinatura = WidgetFactory::radioGroup(this, QStringLiteral("rgAssinatura"), QStringLiteral("Forma de envio:"),
                                             {QStringLiteral("Texto"), QStringLiteral("Arquivo")},
                                             {kLeft, 158, 336, 42}, 2);
    rgAssinatura->setItemIndex(kTexto);
    EdtAssinatura = WidgetFactory::labeledEdit(this, QStringLiteral("EdtAssinatura"), QStringLiteral("Texto:"),
                                               {kLeft, 222, 300, 21});
    EdtAssinatura->setMaxLength(kSignatureLength);
    Button3 = new QPushButton(QStringLiteral("..."), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(320, 222, 32, 21);
    Button3->hide();
    BtnOk = WidgetFactory::button(this, QStringLiteral("BtnOk"), QStringLiteral("Ok"), 119, 250);
    BtnOk->setDefault(true);

    connect(BtnOk, &QPushButton::clicked, this, &TFFimAFim::BtnOkClick);
    connect(Button3, &QPushButton::clicked, this, &TFFimAFim::Button3Click);
    connect(rgAssinatura, &RadioGroup::itemIndexChanged, this, &TFFimAFim::rgAssinaturaClick);
    state_.Cancelado = 1;
}

void TFFimAFim::setProductionEntries(bool enabled)
{
    for (QWidget *entry :
         std::initializer_list<QWidget *>{EdtCNPJSw, EdtIEContrib, rgAssinatura, EdtAssinatura, Button3})
        entry->setEnabled(enabled);
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

void TFFimAFim::Button3Click()
{
    const QString fileName = interaction_.chooseOpenFile(QString(), QString());
    if (!fileName.isEmpty())
        EdtAssinatura->setText(fileName);
}

void TFFimAFim::rgAssinaturaClick(int index)
{
    EdtAssinatura->clear();
    const bool file = index == kArquivo;
    EdtAssinatura->setCaption(file ? QStringLiteral("Arquivo") : QStringLiteral("Texto"));
    Button3->setVisible(file);
}
