#include "console/frame/operationframe.h"

#include "channel/commandchannel.h"
#include "channel/commandtable.h"
#include "channel/retornosat.h"
#include "channel/sessionnumber.h"
#include "console/frame/consolestate.h"
#include "console/frame/interaction.h"
#include "console/frame/tfmsefaz.h"
#include "console/frame/tfvalida.h"
#include "console/widgets/maskededit.h"
#include "platform/ansicodepage.h"
#include "platform/clock.h"
#include "platform/handleredge.h"
#include "settings/cnpjcheck.h"
#include "settings/texttrim.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <stdexcept>

const QString OperationFrame::kFalhaComunicacao =
    QStringLiteral("Falha na comunicação. \n\rVerifique se o DriverMFE e o Integrador estão em execução.");
const QString OperationFrame::kCodigoCurto = QStringLiteral("Código de Ativação deve ter no mínimo 8 caracteres.");
const QString OperationFrame::kNovoCodigoCurto =
    QStringLiteral("Novo código de ativação deve ter no mínimo 8 caracteres.");
const QString OperationFrame::kAguardando = QStringLiteral("Aguardando retorno do MFE ...");
const QString OperationFrame::kFechamentoSolicitado =
    QStringLiteral("Fechamento solicitado: o programa será fechado quando o MFE responder. "
                   "Feche novamente para sair agora.");
const QString OperationFrame::kErroDesconhecido = QStringLiteral("Erro desconhecido");

namespace {
constexpr int kStatusLimit = 110;
}

OperationFrame::OperationFrame(ConsoleState &state, CommandChannel &channel, Interaction &interaction,
                               QLabel &statusPanel, TFValida &prompt, TFMSefaz &sefaz)
    : state_(state)
    , channel_(channel)
    , interaction_(interaction)
    , statusPanel_(statusPanel)
    , prompt_(prompt)
    , sefaz_(sefaz)
{
    connect(&inputBlock_, &InputBlock::closeHeld, this, &OperationFrame::answerHeldClose);
}

bool OperationFrame::askCode()
{
    forgetCode();
    return runConfirmed(prompt_);
}

std::optional<QString> OperationFrame::promptCode()
{
    if (!askCode())
        return std::nullopt;
    if (isCodeLong(state_.CodAtivacao))
        return state_.CodAtivacao;
    interaction_.showMessage(kCodigoCurto);
    return std::nullopt;
}

bool OperationFrame::runConfirmed(QDialog &dialog)
{
    interaction_.runDialog(dialog);
    return state_.Cancelado == 0;
}

void OperationFrame::forgetCode()
{
    state_.CodAtivacao.clear();
}

const QString &OperationFrame::sessionNumber() const
{
    return state_.NumSessao;
}

bool OperationFrame::isCodeLong(const QString &code)
{
    return TextTrim::trim(code).size() >= kCodigoMinimo;
}

bool OperationFrame::checkCode(QLineEdit &edit, const QString &message)
{
    if (isCodeLong(edit.text()))
        return true;
    interaction_.showMessage(message);
    edit.clear();
    edit.setFocus();
    return false;
}

bool OperationFrame::takePromptedCode(QLineEdit &edit)
{
    edit.setText(state_.CodAtivacao);
    if (isCodeLong(edit.text()))
        return true;
    interaction_.showMessage(kCodigoCurto);
    return false;
}

CommandArguments OperationFrame::codeArgument(const QLineEdit &edit)
{
    return {AnsiCodePage::fromUnicode(TextTrim::trim(edit.text()))};
}

bool OperationFrame::checkConfirmation(QLineEdit &code, QLineEdit &confirmation, const QString &message)
{
    if (TextTrim::trim(code.text()) == TextTrim::trim(confirmation.text()))
        return true;
    interaction_.showMessage(message);
    code.clear();
    confirmation.clear();
    code.setFocus();
    return false;
}

bool OperationFrame::checkCnpj(MaskedEdit &edit, const QString &message)
{
    if (CnpjCheck::isCNPJ(edit.digits()))
        return true;
    interaction_.showMessage(message);
    edit.setFocus();
    return false;
}

Reply OperationFrame::send(Command command, const CommandArguments &arguments, bool showStatus)
{
    CursorWait();
    nextSessionNumber();
    const qint32 numeroSessao = state_.NumSessao.toInt();
    QByteArray reply;
    worker_.run([this, command, numeroSessao, &arguments, &reply] {
        reply = channel_.call(command, numeroSessao, arguments);
    });
    state_.Retorno = AnsiCodePage::toUnicode(reply);
    CursorDefault();
    showSessionNumber();
    if (showStatus)
        mostrastatus(state_.Retorno);
    return Reply(state_.Retorno);
}

void OperationFrame::drawSessionNumber()
{
    CursorWait();
    nextSessionNumber();
    CursorDefault();
    showSessionNumber();
}

bool OperationFrame::readGuarded(const Reply &reply, const std::function<void()> &reading, Guard guard)
{
    try {
        reading();
        return true;
    } catch (const std::exception &) {
        if (guard == Guard::ShowRawReply)
            showRawReply(reply);
        return false;
    }
}

bool OperationFrame::readReply(const Reply &reply, const std::function<void()> &reading, Guard guard)
{
    const bool read = readGuarded(reply, reading, guard);
    MostraMSefaz(reply);
    return read;
}

void OperationFrame::showRawReply(const Reply &reply)
{
    interaction_.showMessage(AnsiCodePage::display(reply.text()));
}

const QString *OperationFrame::find(const ResultTable &table, const QString &code)
{
    for (const ResultMessage &row : table) {
        if (row.code == code)
            return &row.text;
    }
    return nullptr;
}

bool OperationFrame::showResult(Command command, const Reply &reply, const ResultTable &table)
{
    const QString &code = reply.resultCode();
    const QString *text = find(table, code);
    if (!text && code == CommandTable::busyCode(command))
        text = &kFalhaComunicacao;
    if (text)
        interaction_.showMessage(*text);
    return text != nullptr;
}

void OperationFrame::CursorWait()
{
    statusPanel_.setText(kAguardando);
    statusPanel_.repaint();
    if (!waiting_)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    inputBlock_.hold();
    waiting_ = true;
}

void OperationFrame::CursorDefault()
{
    statusPanel_.clear();
    if (waiting_)
        QApplication::restoreOverrideCursor();
    inputBlock_.release();
    waiting_ = false;
    statusPanel_.repaint();
}

void OperationFrame::mostrastatus(const QString &reply)
{
    // A UTF-8 character takes at most three bytes per UTF-16 unit, so this
    // prefix decodes to more than the limit whenever the reply is longer:
    // a log reply of many megabytes is not decoded whole for 110 characters.
    constexpr qsizetype kPrefix = 3 * (kStatusLimit + 1) + 3;
    QString decoded = AnsiCodePage::display(reply, kPrefix);
    // The status bar keeps one line: a second one would push the window's
    // content out of view.
    for (QChar &character : decoded) {
        if (character == u'\r' || character == u'\n' || character == QChar::LineSeparator
            || character == QChar::ParagraphSeparator)
            character = u' ';
    }
    statusPanel_.setText(decoded.size() <= kStatusLimit ? decoded : decoded.left(kStatusLimit) + QStringLiteral(" ..."));
}

void OperationFrame::MostraMSefaz(const Reply &reply)
{
    const QStringList &fields = reply.fields();
    const int shift = TRetornoSAT::shift(fields);
    const int code = TRetornoSAT::codigoSefaz + shift;
    const int messageField = TRetornoSAT::mensagemSefaz + shift;
    if (fields.size() <= code || fields.at(code).isEmpty())
        return;
    const QString message = fields.size() > messageField ? reply.displayField(messageField) : QString();
    sefaz_.MemoSefaz->setPlainText(QStringLiteral("Código: ") + reply.displayField(code) + QStringLiteral("\n\n") + message);
    interaction_.runDialog(sefaz_);
}

QString OperationFrame::geranumsessao()
{
    return SessionNumber::geranumsessao(channel_.clock().now().time(), channel_.generator());
}

void OperationFrame::nextSessionNumber()
{
    state_.NumSessao = geranumsessao();
}

void OperationFrame::showSessionNumber()
{
    Q_EMIT sessionNumberChanged(state_.NumSessao);
}

void OperationFrame::onClick(QAbstractButton *button, const std::function<void()> &handler)
{
    QObject::connect(button, &QAbstractButton::clicked, button, [this, handler] {
        HandlerEdge::run(handler, [this](const QString &errorText) {
            recover();
            interaction_.showMessage(errorText);
        });
        if (QWidget *window = inputBlock_.takeHeldClose())
            window->close();
    });
}

void OperationFrame::recover()
{
    if (waiting_)
        CursorDefault();
}

void OperationFrame::answerHeldClose(QWidget *window, int requests)
{
    if (window != statusPanel_.window())
        return;
    if (requests == 1) {
        statusPanel_.setText(kFechamentoSolicitado);
        return;
    }
    // Input comes back first: ending may still need the technician (a failed save's message).
    recover();
    Q_EMIT closeForced();
}
