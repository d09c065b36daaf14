#pragma once

#include "channel/command.h"

#include <QString>
#include <functional>

class CommandChannel;
class QAbstractButton;
class Interaction;
class QLabel;
class QLineEdit;
class TFMSefaz;
class TFValida;
struct ConsoleState;

// The road every operation follows: prompt, wait state, session number,
// command, reply in the status bar, split into fields, the page's reading of
// the fields under the reply guard, the tax authority's message. Pages keep
// only their checks, their arguments and what they show.
class OperationFrame
{
public:
    OperationFrame(ConsoleState &state, CommandChannel &channel, Interaction &interaction,
                   QLabel &statusPanel, QLineEdit &sessionEdit, TFValida &prompt, TFMSefaz &sefaz);

    static const QString kFalhaComunicacao;
    static const QString kCodigoCurto;
    static const QString kNovoCodigoCurto;
    static const QString kAguardando;
    static constexpr int kCodigoMinimo = 8;

    // Asks for the activation code; true when the prompt was confirmed.
    bool askCode();

    // Wait, fresh session number, the command, end of waiting, the session
    // edit and, unless the page shows it later, the reply in the status bar.
    void send(Command command, const CommandArguments &arguments, bool showStatus = true);

    // What a page does when the reading of a reply fails.
    enum class Guard {
        ShowRawReply, // the raw reply in a message box
        Silent,       // dropped
        None,         // not caught: it reaches the handler's edge
    };
    struct ReplyReading {
        std::function<void()> readFields;
        Guard guard = Guard::ShowRawReply;
        std::function<void()> beforeRawReply; // a page's own step before the raw reply is shown
        bool showSefaz = true;
    };
    // Splits Retorno into ListaRetorno, runs the page's reading under the
    // guard, shows the tax authority's message and frees the list.
    void readReply(const ReplyReading &reading);

    // Field index of ListaRetorno; throws when the reply has fewer fields.
    const QString &field(int index) const;
    // The same field decoded from UTF-8 for display.
    QString displayField(int index) const;

    // The test page's session edit shows NumSessao.
    void showSessionNumber();

    void CursorWait();
    void CursorDefault();
    void mostrastatus(const QString &reply);
    void MostraMSefaz();
    QString geranumsessao();

    // Runs handler on each click, at the handler's edge: an error that escapes
    // it ends the wait state and is shown in a plain message box.
    void onClick(QAbstractButton *button, const std::function<void()> &handler);

    void recover();

    ConsoleState &state() { return state_; }
    Interaction &interaction() { return interaction_; }

private:
    ConsoleState &state_;
    CommandChannel &channel_;
    Interaction &interaction_;
    QLabel &statusPanel_;
    QLineEdit &sessionEdit_;
    TFValida &prompt_;
    TFMSefaz &sefaz_;
    bool waiting_ = false;
};
