#include "console/pages/logpage.h"

#include "console/frame/interaction.h"
#include "console/frame/operationframe.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/widgetfactory.h"
#include "decoders/logdecoder.h"
#include "decoders/logfile.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace {

constexpr int kCampoLog = 5;
const QString kSucesso = QStringLiteral("15000");

QString titleOf(LogDecoder::Mode mode)
{
    return mode == LogDecoder::Mode::WholeLog ? QStringLiteral("EXTRAÇÃO DOS LOGS")
                                                   : QStringLiteral("SuperLog VANTEL");
}

// The memo's lines as shown, separated by LF: toPlainText() would turn a
// no-break space of the log into a blank.
QString memoLines(const QPlainTextEdit &memo)
{
    return memo.document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

} // namespace

LogPage::LogPage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabLog"), QStringLiteral("Panel11"), titleOf(LogDecoder::Mode::WholeLog),
                  parent)
    , EdtCodAtiv5(WidgetFactory::passwordEdit(this, QStringLiteral("EdtCodAtiv5"), QString(), {8, 48, 200, 21}))
    , BtnLogs(WidgetFactory::button(this, QStringLiteral("BtnLogs"), QStringLiteral("Extrair Logs"), 216, 44))
    , MemoLogs(WidgetFactory::memo(this, QStringLiteral("MemoLogs"), {8, 33, 624, 370}))
    , EdtLogs(WidgetFactory::labeledEdit(this, QStringLiteral("EdtLogs"), QStringLiteral("Salvar em:"),
                                         {8, 430, 440, 21}))
    , BtnLog1(WidgetFactory::pickerButton(this, QStringLiteral("BtnLog1"), {452, 429, 25, 23}))
    , BtnLog2(WidgetFactory::button(this, QStringLiteral("BtnLog2"), QStringLiteral("Salvar"), 494, 426))
{
    EdtCodAtiv5->hide();
    BtnLogs->hide();
    MemoLogs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoLogs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    frame().onClick(BtnLogs, [this] { BtnLogsClick(); });
    frame().onClick(BtnLog1, [this] { BtnLog1Click(); });
    frame().onClick(BtnLog2, [this] { BtnLog2Click(); });
}

void LogPage::BitLogsClick()
{
    enter(LogDecoder::Mode::WholeLog);
}

void LogPage::BitSuperLogClick()
{
    enter(LogDecoder::Mode::SuperLog);
}

void LogPage::enter(LogDecoder::Mode mode)
{
    frame().forgetCode();
    MemoLogs->clear();
    frame().mostrastatus(QString());
    const bool confirmed = frame().askCode();
    showPage();
    Q_EMIT entered();
    mode_ = mode;
    setTitle(titleOf(mode));
    if (confirmed)
        BtnLogsClick();
}

void LogPage::BtnLogsClick()
{
    if (!frame().takePromptedCode(*EdtCodAtiv5))
        return;
    MemoLogs->clear();
    const Reply reply = frame().send(Command::ExtrairLogs, OperationFrame::codeArgument(*EdtCodAtiv5));
    frame().readReply(reply, [&] { readLog(reply); }, OperationFrame::Guard::Silent);
}

void LogPage::readLog(const Reply &reply)
{
    if (reply.resultCode() == kSucesso) {
        showLog(LogDecoder::text(mode_, reply.field(kCampoLog)));
        return;
    }
    // The codes the table answers, the busy one among them, forget the code.
    if (frame().showResult(Command::ExtrairLogs, reply,
                           {{QStringLiteral("15001"), QStringLiteral("Código de Ativação inválido")},
                            {QStringLiteral("15099"), OperationFrame::kErroDesconhecido}}))
        frame().forgetCode();
}

void LogPage::showLog(const QString &text)
{
    // One assignment: a long log is laid out once, not line by line.
    MemoLogs->setPlainText(text);
    if (mode_ == LogDecoder::Mode::WholeLog) {
        MemoLogs->moveCursor(QTextCursor::End);
        MemoLogs->ensureCursorVisible();
    }
}

void LogPage::BtnLog1Click()
{
    const QString name = interaction().chooseSaveFile(QString(), QString());
    if (!name.isEmpty())
        EdtLogs->setText(name);
}

void LogPage::BtnLog2Click()
{
    const QString name = EdtLogs->text();
    if (name.isEmpty()) {
        interaction().showMessage(QStringLiteral("O nome do arquivo não foi especificado"));
        BtnLog1->setFocus();
        return;
    }
    if (LogFile::save(name, memoLines(*MemoLogs)) == LogFile::Outcome::Saved)
        interaction().showMessage(QStringLiteral("Arquivo ") + name + QStringLiteral(" salvo com sucesso"));
    else
        interaction().showMessage(QStringLiteral("Erro ao tentar salvar o arquivo: ") + name);
}

void LogPage::clearLog()
{
    MemoLogs->clear();
}
