#include "console/pages/blockingpage.h"

#include "channel/retornosat.h"
#include "console/frame/interaction.h"
#include "console/frame/operationframe.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/widgetfactory.h"

#include <QPushButton>
#include <QTextEdit>

namespace {

const QString kAvisoDesativacao = QStringLiteral(
    "Atenção:\n\rVerifique se após finalizar esta função o LED \"MFE Bloqueado\" está piscando.\n\r"
    "Isto indica que o processo de DESATIVAÇÂO foi concluído na retaguarda da SEFAZ.\n\r"
    "Para que o MFE recupere as configurações de fábrica você deve agora pressionar o botão reset por 5 segundos.\n\r"
    "Por favor aguarde.\n\rEsta função pode demorar alguns minutos.\n\n\rClique OK para continuar.");

} // namespace

BlockingPage::BlockingPage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabBloq"), QStringLiteral("Panel6"), QStringLiteral("BLOQUEAR/DESBLOQUEAR"),
                  parent)
    , EdtCodAtiv6(WidgetFactory::passwordEdit(this, QStringLiteral("EdtCodAtiv6"),
                                              QStringLiteral("Digite o Código de Ativação do MFE:"),
                                              {185, 90, 270, 21}))
    , BitBtn5(WidgetFactory::button(this, QStringLiteral("BitBtn5"), QStringLiteral("Desbloquear"), 255, 130))
    , BitBloquSAT(WidgetFactory::button(this, QStringLiteral("BitBloquSAT"), QStringLiteral("Bloquear"), 255, 166))
    , BitDesatSAT(WidgetFactory::button(this, QStringLiteral("BitDesatSAT"), QStringLiteral("Desativar"), 255, 202))
    , Memo1(WidgetFactory::noteMemo(
          this, QStringLiteral("Memo1"),
          {QString(), QStringLiteral("ATENÇÃO: "),
           QStringLiteral("ESTAS OPÇÕES REFEREM-SE APENAS AO BLOQUEIO PELO CONTRIBUINTE. AS "),
           QStringLiteral("MESMAS NÃO TEM  EFEITO PARA CASOS  DE BLOQUEIO PELA SEFAZ, OU "),
           QStringLiteral("BLOQUEIO AUTONOMO OU BLOQUEIO DEVIDO A ERRO DO CÓDIGO DE "), QStringLiteral("ATIVAÇÃO."),
           QString(), QString()},
          {8, 320, 624, 136}))
{
    setDefaultButton(BitBtn5);
    setTabOrder(EdtCodAtiv6, BitBtn5);
    setTabOrder(BitBtn5, BitBloquSAT);
    setTabOrder(BitBloquSAT, BitDesatSAT);

    frame().onClick(BitBtn5, [this] { BitBtn5Click(); });
    frame().onClick(BitBloquSAT, [this] { BitBloquSATClick(); });
    frame().onClick(BitDesatSAT, [this] { BitDesatSATClick(); });
}

void BlockingPage::BtnBloquearSATClick()
{
    EdtCodAtiv6->clear();
    showPage();
}

void BlockingPage::shown()
{
    EdtCodAtiv6->setFocus();
}

void BlockingPage::BitBloquSATClick()
{
    sendCommand(Command::BloquearSAT);
}

void BlockingPage::BitBtn5Click()
{
    sendCommand(Command::DesbloquearSAT);
}

void BlockingPage::BitDesatSATClick()
{
    if (interaction().confirm(kAvisoDesativacao))
        BitBloquSATClick();
}

void BlockingPage::sendCommand(Command command)
{
    if (frame().checkCode(*EdtCodAtiv6)) {
        Q_EMIT aboutToSend();
        const Reply reply = frame().send(command, OperationFrame::codeArgument(*EdtCodAtiv6));
        frame().readReply(reply, [&] { showOutcome(command, reply); });
    }
    EdtCodAtiv6->clear();
}

void BlockingPage::showOutcome(Command command, const Reply &reply)
{
    // The busy code has the communication-failure message; every other
    // code, success included, the module's own message.
    if (!frame().showResult(command, reply, {}))
        interaction().showMessage(reply.displayField(TRetornoSAT::mensagem));
}
