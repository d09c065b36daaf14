#include "console/statuspage.h"

#include "console/consolestate.h"
#include "console/interaction.h"
#include "console/labelededit.h"
#include "console/operationframe.h"
#include "console/widgetfactory.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <stdexcept>

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
    OperationFrame::ReplyReading reading([this] {
        readStatus(Command::ConsultarStatusOperacional,
                   [this] { return StatusListing::listSat(frame().state().ListaRetorno); });
    });
    frame().run(Command::ConsultarStatusOperacional, OperationFrame::codeArgument(*EdtCodAtiv4), reading);
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
    frame().send(Command::ConsultarStatusOperacionalMFE, OperationFrame::codeArgument(*EdtCodAtiv4));
    startMemo();
    OperationFrame::ReplyReading reading(
        [this] {
            readStatus(Command::ConsultarStatusOperacionalMFE,
                       [this] { return StatusListing::listMfe(frame().state().Retorno); });
        },
        OperationFrame::Guard::Silent);
    frame().readReply(reading);
}

void StatusPage::prepare(const QString &title, Qt::ScrollBarPolicy scrollBars)
{
    frame().state().CodAtivacao.clear();
    MemoStatus->clear();
    MemoStatus->setHorizontalScrollBarPolicy(scrollBars);
    MemoStatus->setVerticalScrollBarPolicy(scrollBars);
    frame().mostrastatus(QString());
    setTitle(title);
}

void StatusPage::readStatus(Command command, const std::function<StatusListing::Result()> &list)
{
    const OperationFrame::ResultTable messages = {
        {QStringLiteral("10001"), QStringLiteral("Código de Ativação inválido")},
        {QStringLiteral("10099"), OperationFrame::kErroDesconhecido},
    };
    bool messageShown = true; // the frame calls the last step only when it showed no message
    frame().showResult(command, messages, [this, &list, &messageShown] {
        messageShown = false;
        if (frame().resultCode() != kListed)
            return;
        startMemo();
        const StatusListing::Result listing = list();
        if (!listing.lines.isEmpty())
            MemoStatus->appendPlainText(listing.lines.join(u'\n').replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        // The lines listed so far stay; the page's guard takes the rest.
        if (!listing.complete())
            throw std::runtime_error(listing.error.toStdString());
    });
    if (messageShown)
        frame().state().CodAtivacao.clear();
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
