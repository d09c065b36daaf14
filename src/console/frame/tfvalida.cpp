#include "console/frame/tfvalida.h"

#include "console/frame/consolestate.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/widgetstyle.h"
#include "settings/texttrim.h"

#include <QPushButton>

TFValida::TFValida(ConsoleState &state, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , EdtCodigo(new LabeledEdit(QStringLiteral("EdtCodigo"), QStringLiteral("Digite o Código de Ativação atual:"), this))
    , BtnTrocarCod(new QPushButton(QStringLiteral("Validar"), this))
    , state_(state)
{
    setObjectName(QStringLiteral("FValida"));
    setWindowTitle(QStringLiteral("MFE - VANTEL (Valida Cód. Ativação)"));
    setFixedSize(372, 90);
    setFont(WidgetStyle::tahoma(8));
    WidgetStyle::setSilverBackground(this);

    EdtCodigo->place(16, 38, 254);
    EdtCodigo->setMaxLength(32);
    EdtCodigo->setEchoMode(QLineEdit::Password);

    BtnTrocarCod->setObjectName(QStringLiteral("BtnTrocarCod"));
    BtnTrocarCod->setGeometry(276, 34, 80, 29);
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
