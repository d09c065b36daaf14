#pragma once

#include "channel/command.h"
#include "console/inputblock.h"
#include "platform/workerthread.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class CommandChannel;
class QAbstractButton;
class Interaction;
class MaskedEdit;
class QLabel;
class QLineEdit;
class TFMSefaz;
class TFValida;
struct ConsoleState;

// The road every operation follows: prompt, wait state, session number,
// command, reply in the status bar, split into fields, the page's reading of
// the fields under the reply guard, the tax authority's message. Pages keep
// only their checks, their arguments and what they show.
//
// A page handler is then a few lines:
//     if (!frame().checkCode(*EdtCodAtiv3))
//         return;
//     frame().run(Command::AssociarAssinatura, arguments,
//                 {[this] { frame().showResult(Command::AssociarAssinatura, kResults); }});
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
        None,         // the tax authority's step still runs, then the error reaches the handler's edge
    };
    struct ReplyReading {
        ReplyReading(std::function<void()> read = {}, Guard guardKind = Guard::ShowRawReply)
            : readFields(std::move(read))
            , guard(guardKind)
        {
        }
        std::function<void()> readFields;
        Guard guard;
        std::function<void()> beforeRawReply; // a page's own step before the raw reply is shown
        bool showSefaz = true;
        bool dropEmptyFields = false; // split by ExtractStrings instead of ExtractStrings2
    };

    // A result code and the message a page shows for it.
    struct ResultMessage {
        QString code;
        QString text;
    };
    using ResultTable = QList<ResultMessage>;

    // Asks for the activation code; true when the prompt was confirmed.
    bool askCode();

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
    void send(Command command, const CommandArguments &arguments, bool showStatus = true);
    // Splits Retorno into ListaRetorno, runs the page's reading under the
    // guard, shows the tax authority's message and frees the list.
    void readReply(const ReplyReading &reading);
    // send, then readReply.
    void run(Command command, const CommandArguments &arguments, const ReplyReading &reading);

    // Field index of ListaRetorno; throws when the reply has fewer fields.
    const QString &field(int index) const;
    // The same field decoded from UTF-8 for display.
    QString displayField(int index) const;
    // Field 1, the result code.
    const QString &resultCode() const;

    // The message of the first row of table whose code is the reply's result
    // code; else, for the command's busy code, the communication-failure
    // message; else otherwise (nothing when empty).
    void showResult(Command command, const ResultTable &table, const std::function<void()> &otherwise = {});
    // The text of the first row for code, if any.
    static const QString *find(const ResultTable &table, const QString &code);

    // The wait state: the waiting text, the wait cursor, and no input until
    // CursorDefault.
    void CursorWait();
    void CursorDefault();
    void mostrastatus(const QString &reply);
    void MostraMSefaz();
    QString geranumsessao();
    // The test page's "Sessão:" edit shows NumSessao.
    void showSessionNumber();

    // Runs handler on each click, at the handler's edge: an error that escapes
    // it ends the wait state and is shown in a plain message box. A close of
    // the window requested during the wait happens after the handler.
    void onClick(QAbstractButton *button, const std::function<void()> &handler);

    void recover();

    ConsoleState &state() { return state_; }
    Interaction &interaction() { return interaction_; }

Q_SIGNALS:
    // NumSessao after a command: the test page's "Sessão:" edit shows it.
    void sessionNumberChanged(const QString &numSessao);
    // The technician asked twice to close the main window during one wait:
    // the program ends without waiting for the reply, which may never come.
    void closeForced();

private:
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
