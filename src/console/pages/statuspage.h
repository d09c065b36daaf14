#pragma once

#include "channel/command.h"
#include "console/pages/consolepage.h"
#include "decoders/statuslisting.h"

class LabeledEdit;
class QPlainTextEdit;
class QPushButton;
class Reply;

// Page 8: the module's operational status, one labelled line per reply field
// in MemoStatus, in the SAT form (BitBtnStatusClick, which presses the hidden
// BtnStatus) or the MF-e form (BitBtnStatusMFEClick).
class StatusPage : public ConsolePage
{
    Q_OBJECT

public:
    StatusPage(PageContext &context, QWidget *parent);

    void BitBtnStatusClick();
    void BitBtnStatusMFEClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void BtnStatusClick();
    // The start of both entries: emptied code, memo and status bar, the title.
    void prepare(const QString &title, Qt::ScrollBarPolicy scrollBars);
    // The messages of the failure codes, which also forget the code; true,
    // with a fresh memo, for "10000", whose fields are listed.
    bool isListed(Command command, const Reply &reply);
    // The listing's lines added to the memo.
    void showListing(const QStringList &lines);
    void startMemo();
    void placeMemo();

    LabeledEdit *EdtCodAtiv4;
    QPushButton *BtnStatus;
    QPlainTextEdit *MemoStatus;
};
