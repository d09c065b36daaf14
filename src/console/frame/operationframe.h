#pragma once

#include "channel/command.h"
#include "channel/reply.h"
#include "console/frame/inputblock.h"
#include "platform/workerthread.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class CommandChannel;
class QAbstractButton;
class QDialog;
class Interaction;
class MaskedEdit;
class QLabel;
class QLineEdit;
class TFMSefaz;
class TFValida;
struct ConsoleState;

// The road every operation follows: prompt, wait state, session number,
// command, reply in the status bar, the page's reading of the reply under the
// reply guard, the tax authority's message. Each step returns what the page
// needs (the prompted code, the reply, whether a message was shown), so a
// page handler reads top to bottom as its steps, and only its checks, its
// arguments and what it shows are its own:
//     if (!frame().checkCode(*EdtCodAtiv3))
//         return;
//     const Reply reply = frame().send(Command::AssociarAssinatura, arguments);
//     frame().readReply(reply, [&] { frame().showResult(Command::AssociarAssinatura, reply, kResults); });
// The guard runs the page's reading at once and keeps nothing of it.
class OperationFrame : public QObject
{
    Q_OBJECT

public:
    OperationFrame(ConsoleState &state, CommandChannel &channel, Interaction &interaction, QLabel &statusPanel,
                   TFValida &prompt, TFMSefaz &sefaz);

    static const QString kFalhaComunicacao;
    static const QString kCodigoCurto;
    static const QString kNovoCodigoCurto;
    static const QString kAguardando;
    static const QString kFechamentoSolicitado;
    static const QString kErroDesconhecido;
    static constexpr int kCodigoMinimo = 8;

    // What a page does when the reading of a reply fails.
    enum class Guard {
        ShowRawReply, // the raw reply in a message box
        Silent,       // dropped
    };

    // A result code and the message a page shows for it.
    struct ResultMessage {
        QString code;
        QString text;
    };
    using ResultTable = QList<ResultMessage>;

    // Asks for the activation code; true when the prompt was confirmed.
    bool askCode();
    // askCode with the code's length check: the code, or nothing when the
    // prompt was closed or the code was short (after its message).
    std::optional<QString> promptCode();
    // Runs a dialog that reports in Cancelado how it was closed; true when it
    // was confirmed.
    bool runConfirmed(QDialog &dialog);
    // The prompted code is forgotten.
    void forgetCode();
    // NumSessao: the session number of the last command.
    const QString &sessionNumber() const;

    // True when the code, trimmed, has the minimum length.
    static bool isCodeLong(const QString &code);
    // The code check of a page's edit: a trimmed text shorter than the minimum
    // shows message, clears the edit and focuses it.
    bool checkCode(QLineEdit &edit, const QString &message = kCodigoCurto);
    // The prompted code copied into the page's code edit; a short one shows
    // the code-length message and stays where it is.
    bool takePromptedCode(QLineEdit &edit);
    // The edit's code, trimmed, as the command's text argument.
    static CommandArguments codeArgument(const QLineEdit &edit);
    // A code typed twice: trimmed texts that differ (letter case counts) show
    // message, clear both edits and focus the first.
    bool checkConfirmation(QLineEdit &code, QLineEdit &confirmation, const QString &message);
    // The CNPJ check of a masked edit: digits that are no valid CNPJ (a partly
    // filled mask among them) show message and focus the edit.
    bool checkCnpj(MaskedEdit &edit, const QString &message);

    // Wait, fresh session number, the command, end of waiting, the session
    // number and, unless the page shows it later, the reply in the status bar.
    // The command runs on the worker thread: meanwhile the window repaints
    // and takes no input (see CursorWait).
    Reply send(Command command, const CommandArguments &arguments, bool showStatus = true);
    // The steps of send around a command that is not sent: wait, fresh
    // session number, end of waiting, the session number.
    void drawSessionNumber();

    // The reply guard: runs the page's reading of reply at once and reports
    // whether it read the reply. An error the reading throws shows the raw
    // reply or is dropped, as guard says.
    bool readGuarded(const Reply &reply, const std::function<void()> &reading, Guard guard = Guard::ShowRawReply);
    // readGuarded, then the tax authority's message.
    bool readReply(const Reply &reply, const std::function<void()> &reading, Guard guard = Guard::ShowRawReply);
    void showRawReply(const Reply &reply);

    // The message of the first row of table whose code is the reply's result
    // code; else, for the command's busy code, the communication-failure
    // message. False when it showed nothing.
    bool showResult(Command command, const Reply &reply, const ResultTable &table);
    // The text of the first row for code, if any.
    static const QString *find(const ResultTable &table, const QString &code);

    // The wait state: the waiting text, the wait cursor, and no input until
    // CursorDefault.
    void CursorWait();
    void CursorDefault();
    void mostrastatus(const QString &reply);
    void MostraMSefaz(const Reply &reply);
    QString geranumsessao();

    // Runs handler on each click, at the handler's edge: an error that escapes
    // it ends the wait state and is shown in a plain message box. A close of
    // the window requested during the wait happens after the handler.
    void onClick(QAbstractButton *button, const std::function<void()> &handler);

    void recover();

    Interaction &interaction() { return interaction_; }

Q_SIGNALS:
    // NumSessao after a command: the test page's "Sessão:" edit shows it.
    void sessionNumberChanged(const QString &numSessao);
    // The technician asked twice to close the main window during one wait:
    // the program ends without waiting for the reply, which may never come.
    void closeForced();

private:
    void nextSessionNumber();
    // The test page's "Sessão:" edit shows NumSessao.
    void showSessionNumber();
    void answerHeldClose(QWidget *window, int requests);

    ConsoleState &state_;
    CommandChannel &channel_;
    Interaction &interaction_;
    QLabel &statusPanel_;
    TFValida &prompt_;
    TFMSefaz &sefaz_;
    bool waiting_ = false;
    InputBlock inputBlock_;
    WorkerThread worker_;
};
