#include "console/frame/tfvalida.h"

#include "console/frame/consolestate.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/widgetfactory.h"
#include "console/widgets/widgetstyle.h"
#include "settings/texttrim.h"

#include <QPushButton>

TFValida::TFValida(ConsoleState &state, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , EdtCodigo(WidgetFactory::passwordEdit(this, QStringLiteral("EdtCodigo"),
                                            QStringLiteral("Digite o Código de Ativação atual:"), {16, 38, 254, 21}))
    , BtnTrocarCod(WidgetFactory::button(this, QStringLiteral("BtnTrocarCod"), QStringLiteral("Validar"), 276, 34))
    , state_(state)
{
    setObjectName(QStringLiteral("FValida"));
    setWindowTitle(QStringLiteral("MFE - VANTEL (Valida Cód. Ativação)"));
    setFixedSize(372, 90);
    setFont(WidgetStyle::tahoma(8));
    WidgetStyle::setSilverBackground(this);

    EdtCodigo->setMaxLength(32);
    BtnTrocarCod->resize(80, WidgetFactory::kButtonHeight);
    BtnTrocarCod->setDefault(true);
    connect(BtnTrocarCod, &QPushButton::clicked, this, &TFValida::BtnTrocarCodClick);

    state_.Cancelado = 1;
}

void TFValida::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFValida::FormShow()
{
    state_.CodAtivacao.clear();
    EdtCodigo->clear();
    state_.Cancelado = 1;
    EdtCodigo->setFocus();
}

void TFValida::BtnTrocarCodClick()
{
    state_.CodAtivacao = TextTrim::trim(EdtCodigo->text());
    state_.Cancelado = 0;
    accept();
}
