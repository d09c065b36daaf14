#include "console/pages/statuspage.h"

#include "console/frame/interaction.h"
#include "console/frame/operationframe.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/widgetfactory.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>

namespace {

const QString kListed = QStringLiteral("10000");
constexpr int kMemoFontPixels = 13;

} // namespace

StatusPage::StatusPage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabStatus"), QStringLiteral("Panel10"), QStringLiteral("STATUS OPERACIONAL"),
                  parent)
    , EdtCodAtiv4(WidgetFactory::passwordEdit(this, QStringLiteral("EdtCodAtiv4"),
                                              QStringLiteral("Digite o Código de Ativação do S@T:"), {8, 48, 200, 21}))
    , BtnStatus(WidgetFactory::button(this, QStringLiteral("BtnStatus"), QStringLiteral("Solicitar Status"), 216, 44))
    , MemoStatus(WidgetFactory::memo(this, QStringLiteral("MemoStatus"), {}))
{
    EdtCodAtiv4->hide();
    BtnStatus->hide();
    setDefaultButton(BtnStatus);
    QFont font = MemoStatus->font();
    font.setPixelSize(kMemoFontPixels);
    MemoStatus->setFont(font);
    MemoStatus->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoStatus->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    placeMemo();

    frame().onClick(BtnStatus, [this] { BtnStatusClick(); });
}

void StatusPage::BitBtnStatusClick()
{
    prepare(QStringLiteral("STATUS OPERACIONAL"), Qt::ScrollBarAlwaysOff);
    const bool confirmed = frame().askCode();
    showPage();
    if (confirmed)
        BtnStatus->click();
}

void StatusPage::BtnStatusClick()
{
    if (!frame().takePromptedCode(*EdtCodAtiv4))
        return;
    const Command command = Command::ConsultarStatusOperacional;
    const Reply reply = frame().send(command, OperationFrame::codeArgument(*EdtCodAtiv4));
    frame().readReply(reply, [&] {
        if (isListed(command, reply))
            showListing(StatusListing::listSat(reply.fields()));
    });
}

void StatusPage::BitBtnStatusMFEClick()
{
    prepare(QStringLiteral("STATUS OPERACIONAL MFE"), Qt::ScrollBarAlwaysOn);
    MemoStatus->hide();
    // The memo comes back on every path, an error at the handler's edge included.
    const auto showMemo = qScopeGuard([this] { MemoStatus->show(); });
    const bool confirmed = frame().askCode();
    showPage();
    if (!confirmed || !frame().takePromptedCode(*EdtCodAtiv4))
        return;
    const Command command = Command::ConsultarStatusOperacionalMFE;
    const Reply reply = frame().send(command, OperationFrame::codeArgument(*EdtCodAtiv4));
    startMemo();
    frame().readReply(
        reply,
        [&] {
            if (isListed(command, reply))
                showListing(StatusListing::listMfe(reply.text()));
        },
        OperationFrame::Guard::Silent);
}

void StatusPage::prepare(const QString &title, Qt::ScrollBarPolicy scrollBars)
{
    frame().forgetCode();
    MemoStatus->clear();
    MemoStatus->setHorizontalScrollBarPolicy(scrollBars);
    MemoStatus->setVerticalScrollBarPolicy(scrollBars);
    frame().mostrastatus(QString());
    setTitle(title);
}

bool StatusPage::isListed(Command command, const Reply &reply)
{
    const OperationFrame::ResultTable messages = {
        {QStringLiteral("10001"), QStringLiteral("Código de Ativação inválido")},
        {QStringLiteral("10099"), OperationFrame::kErroDesconhecido},
    };
    if (frame().showResult(command, reply, messages)) {
        frame().forgetCode();
        return false;
    }
    if (reply.resultCode() != kListed)
        return false;
    startMemo();
    return true;
}

void StatusPage::showListing(const QStringList &lines)
{
    if (!lines.isEmpty())
        MemoStatus->appendPlainText(lines.join(u'\n').replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void StatusPage::startMemo()
{
    MemoStatus->clear();
    MemoStatus->appendPlainText(QStringLiteral(" "));
}

void StatusPage::resizeEvent(QResizeEvent *event)
{
    ConsolePage::resizeEvent(event);
    placeMemo();
}

void StatusPage::placeMemo()
{
    MemoStatus->setGeometry(0, kTitleHeight, width(), height() - kTitleHeight);
}
