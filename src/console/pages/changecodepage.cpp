#include "console/pages/changecodepage.h"

#include "console/frame/interaction.h"
#include "console/frame/operationframe.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/widgetfactory.h"
#include "console/widgets/widgetstyle.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {

const QString kTrocar = QStringLiteral("Trocar");

constexpr int kCodeLength = 32;
constexpr qint32 kOpcaoAtual = 1;
constexpr qint32 kOpcaoEmergencia = 2;
const QString kSucesso = QStringLiteral("18000");

LabeledEdit *codeEdit(QWidget *parent, const QString &name, const QString &caption, int top)
{
    LabeledEdit *edit = WidgetFactory::passwordEdit(parent, name, caption, {24, top, 250, 21});
    edit->setMaxLength(kCodeLength);
    return edit;
}

} // namespace

ChangeCodePage::ChangeCodePage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabCodAtiva"), QStringLiteral("Panel2"), QStringLiteral("CÓDIGO DE ATIVAÇÃO"),
                  parent)
    , CheckMudaCodigo(WidgetFactory::checkBox(this, QStringLiteral("CheckMudaCodigo"),
                                              QStringLiteral("Trocar Código de Ativação"), {24, 40, 250, 17}))
    , EdtCodigo(codeEdit(this, QStringLiteral("EdtCodigo"), QStringLiteral("Digite o Código de Ativação atual:"), 84))
    , Checkemergencia(WidgetFactory::checkBox(this, QStringLiteral("Checkemergencia"),
                                              QStringLiteral("Cód. de emergência"), {290, 86, 150, 17}))
    , EdtNovoCodigo(
          codeEdit(this, QStringLiteral("EdtNovoCodigo"), QStringLiteral("Digite o Novo Código de Ativação:"), 132))
    , EdtNovoCodigo2(
          codeEdit(this, QStringLiteral("EdtNovoCodigo2"), QStringLiteral("Confirme o Novo Código de Ativação:"), 180))
    , BtnTrocarCod(WidgetFactory::button(this, QStringLiteral("BtnTrocarCod"), QStringLiteral("Validar"), 255, 230))
    , Memo2(footNote(QStringLiteral("Memo2"),
                     QStringLiteral("ESTA FUNÇÃO DEVE SER UTILIZADA APENAS APÓS O MFE ESTAR ATIVADO. ")))
{
    setDefaultButton(BtnTrocarCod);
    setTabChain({CheckMudaCodigo, EdtCodigo, Checkemergencia, EdtNovoCodigo, EdtNovoCodigo2, BtnTrocarCod});

    CheckMudaCodigoClick(false);
    connect(CheckMudaCodigo, &QCheckBox::toggled, this, &ChangeCodePage::CheckMudaCodigoClick);
    connect(Checkemergencia, &QCheckBox::toggled, this, &ChangeCodePage::CheckemergenciaClick);
    frame().onClick(BtnTrocarCod, [this] { BtnTrocarCodClick(); });
}

void ChangeCodePage::BtnCodAtivacaoClick()
{
    clearCodes();
    showPage();
}

void ChangeCodePage::shown()
{
    for (QWidget *control : {static_cast<QWidget *>(CheckMudaCodigo), static_cast<QWidget *>(EdtCodigo),
                             static_cast<QWidget *>(EdtNovoCodigo), static_cast<QWidget *>(EdtNovoCodigo2),
                             static_cast<QWidget *>(Checkemergencia)})
        control->show();
    BtnTrocarCod->setText(kTrocar);
    CheckMudaCodigoClick(CheckMudaCodigo->isChecked());
}

void ChangeCodePage::CheckMudaCodigoClick(bool checked)
{
    for (QWidget *control : {static_cast<QWidget *>(EdtCodigo), static_cast<QWidget *>(EdtNovoCodigo),
                             static_cast<QWidget *>(EdtNovoCodigo2), static_cast<QWidget *>(Checkemergencia),
                             static_cast<QWidget *>(BtnTrocarCod)})
        control->setEnabled(checked);
    if (checked)
        EdtCodigo->setFocus();
}

void ChangeCodePage::CheckemergenciaClick(bool checked)
{
    EdtCodigo->label()->setText(checked ? QStringLiteral("Digite o Código de Ativação de Emergência:")
                                        : QStringLiteral("Digite o Código de Ativação atual:"));
    WidgetStyle::setTextColour(EdtCodigo->label(),
                               checked ? WidgetStyle::red() : palette().color(QPalette::WindowText));
    EdtCodigo->setFocus();
}

void ChangeCodePage::BtnTrocarCodClick()
{
    if (BtnTrocarCod->text() != kTrocar || !checkNewCode())
        return;
    // The code that proves the right to change is sent as typed, trimmed,
    // whatever its length: the module judges it.
    const qint32 opcao = Checkemergencia->isChecked() ? kOpcaoEmergencia : kOpcaoAtual;
    const Reply reply = frame().send(Command::TrocarCodigoDeAtivacao,
                                     OperationFrame::codeArgument(*EdtCodigo) + CommandArguments{opcao}
                                         + OperationFrame::codeArgument(*EdtNovoCodigo)
                                         + OperationFrame::codeArgument(*EdtNovoCodigo2));
    frame().readReply(reply, [&] { showResult(reply); });
    repaint();
}

bool ChangeCodePage::checkNewCode()
{
    if (OperationFrame::isCodeLong(EdtNovoCodigo->text()))
        return frame().checkConfirmation(*EdtNovoCodigo, *EdtNovoCodigo2,
                                         QStringLiteral("Erro na confirmação do novo Código de Ativação."));
    interaction().showMessage(OperationFrame::kNovoCodigoCurto);
    EdtNovoCodigo->clear();
    EdtNovoCodigo2->clear();
    EdtNovoCodigo->setFocus();
    return false;
}

void ChangeCodePage::showResult(const Reply &reply)
{
    if (!frame().showResult(Command::TrocarCodigoDeAtivacao, reply,
                            {{kSucesso, QStringLiteral("Código de Ativação alterado com sucesso.")}}))
        interaction().showMessage(QStringLiteral("Erro ao tentar alterar o código de ativação."));
    if (reply.resultCode() == kSucesso) {
        lock();
        return;
    }
    clearCodes();
    EdtCodigo->setFocus();
}

void ChangeCodePage::lock()
{
    Checkemergencia->setEnabled(false);
    Checkemergencia->setChecked(false);
    CheckMudaCodigo->show();
    CheckMudaCodigo->setChecked(false);
    CheckMudaCodigoClick(false);
    clearCodes();
}

void ChangeCodePage::clearCodes()
{
    EdtCodigo->clear();
    EdtNovoCodigo->clear();
    EdtNovoCodigo2->clear();
}
