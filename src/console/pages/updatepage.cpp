#include "console/pages/updatepage.h"

#include "console/frame/operationframe.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/widgetfactory.h"
#include "console/widgets/widgetstyle.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

UpdatePage::UpdatePage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabAtualizaSW"), QStringLiteral("Panel12"),
                  QStringLiteral("ATUALIZAR SOFTWARE BÁSICO"), parent)
    , EdtCodAtiv7(WidgetFactory::passwordEdit(this, QStringLiteral("EdtCodAtiv7"),
                                              QStringLiteral("Digite o Código de Ativação do MFE:"),
                                              {185, 90, 270, 21}))
    , BtnAtualizarSW(WidgetFactory::button(this, QStringLiteral("BtnAtualizarSW"), QStringLiteral("Atualizar"), 255, 130))
    , LblAtualiza(WidgetFactory::label(this, QStringLiteral("LblAtualiza"), QString(), {0, 200, kWidth, 20}))
    , Memo5(WidgetFactory::noteMemo(this, QStringLiteral("Memo5"),
                                    {QString(), QStringLiteral("ATENÇÃO:"), QStringLiteral(" "),
                                     QStringLiteral("ESTA FUNÇÃO DEVE SER UTILIZADA APENAS APÓS O MFE ESTAR ATIVADO. "),
                                     QString()},
                                    {8, 370, 624, 86}))
{
    LblAtualiza->setAlignment(Qt::AlignCenter);
    LblAtualiza->setFont(WidgetStyle::tahoma(10, true));
    LblAtualiza->hide();
    setDefaultButton(BtnAtualizarSW);

    frame().onClick(BtnAtualizarSW, [this] { BtnAtualizarSWClick(); });
}

void UpdatePage::BitAtualizaSWClick()
{
    EdtCodAtiv7->clear();
    showPage();
}

void UpdatePage::shown()
{
    EdtCodAtiv7->setFocus();
}

void UpdatePage::blankOutcome()
{
    LblAtualiza->setText(QStringLiteral(" "));
}

void UpdatePage::BtnAtualizarSWClick()
{
    blankOutcome();
    if (frame().checkCode(*EdtCodAtiv7)) {
        Q_EMIT aboutToSend();
        const Reply reply = frame().send(Command::AtualizarSoftwareSAT, OperationFrame::codeArgument(*EdtCodAtiv7));
        frame().readReply(reply, [&] { showOutcome(reply); });
    }
    EdtCodAtiv7->clear();
}

void UpdatePage::showOutcome(const Reply &reply)
{
    // Visible before the code is read: an unreadable reply leaves it blank.
    LblAtualiza->show();
    const OperationFrame::ResultTable captions = {
        {QStringLiteral("14000"), QStringLiteral("Software Atualizado com Sucesso")},
        {QStringLiteral("14001"), QStringLiteral("Código de ativação inválido")},
        {QStringLiteral("14002"), QStringLiteral("Atualização em Andamento")},
        {QStringLiteral("14003"), QStringLiteral("Erro na atualização")},
        {QStringLiteral("14004"), QStringLiteral("Arquivo de atualização inválido")},
        {QStringLiteral("14098"), QStringLiteral("MFE em processamento. Tente novamente")},
        {QStringLiteral("14099"), OperationFrame::kErroDesconhecido},
    };
    if (const QString *caption = OperationFrame::find(captions, reply.resultCode()))
        LblAtualiza->setText(*caption);
    // Only the busy code has a message box: the communication failure.
    frame().showResult(Command::AtualizarSoftwareSAT, reply, {});
}
