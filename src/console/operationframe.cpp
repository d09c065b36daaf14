#include "console/operationframe.h"

#include "channel/commandchannel.h"
#include "channel/commandtable.h"
#include "channel/replyfields.h"
#include "channel/retornosat.h"
#include "channel/sessionnumber.h"
#include "console/consolestate.h"
#include "console/interaction.h"
#include "console/maskededit.h"
#include "console/tfmsefaz.h"
#include "console/tfvalida.h"
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
    state_.CodAtivacao.clear();
    interaction_.runDialog(prompt_);
    return state_.Cancelado == 0;
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

void OperationFrame::send(Command command, const CommandArguments &arguments, bool showStatus)
{
    CursorWait();
    state_.NumSessao = geranumsessao();
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
}

void OperationFrame::readReply(const ReplyReading &reading)
{
    state_.ListaRetorno.clear();
    const auto split = [this, &reading] {
        const auto splitter = reading.dropEmptyFields ? &ReplyFields::ExtractStrings : &ReplyFields::ExtractStrings2;
        splitter(QByteArrayLiteral("|"), QByteArray(), state_.Retorno, &state_.ListaRetorno);
        reading.readFields();
    };
    if (reading.guard == Guard::None) {
        // Unguarded: the tax authority's step and the release still run
        // before the error goes on to the handler's edge.
        try {
            split();
        } catch (const std::exception &) {
            if (reading.showSefaz)
                MostraMSefaz();
            state_.ListaRetorno.clear();
            throw;
        }
    } else {
        try {
            split();
        } catch (const std::exception &) {
            if (reading.guard == Guard::ShowRawReply) {
                if (reading.beforeRawReply)
                    reading.beforeRawReply();
                interaction_.showMessage(state_.Retorno);
            }
        }
    }
    if (reading.showSefaz)
        MostraMSefaz();
    state_.ListaRetorno.clear();
}

void OperationFrame::run(Command command, const CommandArguments &arguments, const ReplyReading &reading)
{
    send(command, arguments);
    readReply(reading);
}

const QString &OperationFrame::field(int index) const
{
    if (index < 0 || index >= state_.ListaRetorno.size())
        throw std::out_of_range(QStringLiteral("Índice da lista fora dos limites (%1)").arg(index).toStdString());
    return state_.ListaRetorno.at(index);
}

QString OperationFrame::displayField(int index) const
{
    return AnsiCodePage::utf8Display(field(index));
}

const QString &OperationFrame::resultCode() const
{
    return field(TRetornoSAT::codigoRetorno);
}

const QString *OperationFrame::find(const ResultTable &table, const QString &code)
{
    for (const ResultMessage &row : table) {
        if (row.code == code)
            return &row.text;
    }
    return nullptr;
}

void OperationFrame::showResult(Command command, const ResultTable &table, const std::function<void()> &otherwise)
{
    const QString &code = resultCode();
    if (const QString *text = find(table, code))
        interaction_.showMessage(*text);
    else if (code == CommandTable::busyCode(command))
        interaction_.showMessage(kFalhaComunicacao);
    else if (otherwise)
        otherwise();
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
    QString decoded = AnsiCodePage::utf8Display(reply.size() > kPrefix ? reply.left(kPrefix) : reply);
    // The status bar keeps one line: a second one would push the window's
    // content out of view.
    for (QChar &character : decoded) {
        if (character == u'\r' || character == u'\n' || character == QChar::LineSeparator
            || character == QChar::ParagraphSeparator)
            character = u' ';
    }
    statusPanel_.setText(decoded.size() <= kStatusLimit ? decoded : decoded.left(kStatusLimit) + QStringLiteral(" ..."));
}

void OperationFrame::MostraMSefaz()
{
    const QStringList &fields = state_.ListaRetorno;
    const int shift = TRetornoSAT::shift(fields);
    const int code = TRetornoSAT::codigoSefaz + shift;
    const int messageField = TRetornoSAT::mensagemSefaz + shift;
    if (fields.size() <= code || fields.at(code).isEmpty())
        return;
    const QString message = fields.size() > messageField ? displayField(messageField) : QString();
    sefaz_.MemoSefaz->setPlainText(QStringLiteral("Código: ") + displayField(code) + QStringLiteral("\n\n") + message);
    interaction_.runDialog(sefaz_);
}

QString OperationFrame::geranumsessao()
{
    return SessionNumber::geranumsessao(channel_.clock().now().time(), channel_.generator());
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
