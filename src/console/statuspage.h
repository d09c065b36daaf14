#pragma once

#include "channel/command.h"
#include "console/consolepage.h"
#include "console/statuslisting.h"

#include <functional>

class LabeledEdit;
class QPlainTextEdit;
class QPushButton;

// Page 8: the module's operational status, one labelled line per reply field
// in MemoStatus, in the SAT form (BitBtnStatusClick, which presses the hidden
// BtnStatus) or the MF-e form (BitBtnStatusMFEClick).
class StatusPage : public ConsolePage
{
    Q_OBJECT

public:
    StatusPage(PageContext &context, QWidget *parent);

    void BitBtnStatusClick();
    void BtnStatusClick();
    void BitBtnStatusMFEClick();

    LabeledEdit *EdtCodAtiv4;
    QPushButton *BtnStatus;
    QPlainTextEdit *MemoStatus;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // The start of both entries: emptied code, memo and status bar, the title.
    void prepare(const QString &title, Qt::ScrollBarPolicy scrollBars);
    // EdtCodAtiv4 takes the prompt's code; false, after the message, when it is short.
    // The messages of the failure codes, which also forget the code; for
    // "10000" the listing that list makes.
    void readStatus(Command command, const std::function<StatusListing::Result()> &list);
    void startMemo();
    void placeMemo();
};
