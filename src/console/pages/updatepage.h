#pragma once

#include "console/pages/consolepage.h"

class LabeledEdit;
class QLabel;
class QPushButton;
class QTextEdit;
class Reply;

// Page 10: the update of the module's basic software, its outcome in a label.
class UpdatePage : public ConsolePage
{
    Q_OBJECT

public:
    UpdatePage(PageContext &context, QWidget *parent);

    void BitAtualizaSWClick();

public Q_SLOTS:
    // The outcome becomes a single blank; the label keeps its visibility.
    void blankOutcome();

Q_SIGNALS:
    // The command is about to be sent: the log page's memo is cleared.
    void aboutToSend();

protected:
    void shown() override;

private:
    void BtnAtualizarSWClick();
    void showOutcome(const Reply &reply);

    LabeledEdit *EdtCodAtiv7;
    QPushButton *BtnAtualizarSW;
    QLabel *LblAtualiza;
    QTextEdit *Memo5;
};
