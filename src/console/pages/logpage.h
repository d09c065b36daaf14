#pragma once

#include "console/pages/consolepage.h"
#include "decoders/logdecoder.h"

class LabeledEdit;
class QPlainTextEdit;
class QPushButton;
class Reply;

// Page 9: the module's log, whole or reduced to its last SuperLog block,
// and saving it to a file.
class LogPage : public ConsolePage
{
    Q_OBJECT

public:
    LogPage(PageContext &context, QWidget *parent);

    void BitLogsClick();
    void BitSuperLogClick();

public Q_SLOTS:
    void clearLog();

Q_SIGNALS:
    // One of the two entries has started; the update page blanks its outcome.
    void entered();

private:
    void BtnLogsClick();
    void BtnLog1Click();
    void BtnLog2Click();
    void enter(LogDecoder::Mode mode);
    void readLog(const Reply &reply);
    void showLog(const QString &text);

    LabeledEdit *EdtCodAtiv5;
    QPushButton *BtnLogs;
    QPlainTextEdit *MemoLogs;
    LabeledEdit *EdtLogs;
    QPushButton *BtnLog1;
    QPushButton *BtnLog2;

    // The page's mode (the title panel's tag).
    LogDecoder::Mode mode_ = LogDecoder::Mode::WholeLog;
};
