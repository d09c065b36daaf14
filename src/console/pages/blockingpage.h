#pragma once

#include "channel/command.h"
#include "console/pages/consolepage.h"

class LabeledEdit;
class Reply;
class QPushButton;
class QTextEdit;

// Page 4: blocking and unblocking the module at the taxpayer's request, and
// its deactivation (the blocking command after a warning).
class BlockingPage : public ConsolePage
{
    Q_OBJECT

public:
    BlockingPage(PageContext &context, QWidget *parent);

    void BtnBloquearSATClick();

Q_SIGNALS:
    // A command is about to be sent: the log page's memo is cleared.
    void aboutToSend();

protected:
    void shown() override;

private:
    void BitBloquSATClick();
    void BitBtn5Click();
    void BitDesatSATClick();
    void sendCommand(Command command);
    void showOutcome(Command command, const Reply &reply);

    LabeledEdit *EdtCodAtiv6;
    QPushButton *BitBtn5;
    QPushButton *BitBloquSAT;
    QPushButton *BitDesatSAT;
    QTextEdit *Memo1;
};
