#pragma once

#include "console/consolepage.h"

class LabeledEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Page 5: end-to-end tests, test sales, cancellations and session queries.
// Its administrator row is shown or hidden by the command line.
class TestPage : public ConsolePage
{
    Q_OBJECT

public:
    TestPage(PageContext &context, QWidget *parent);

    // The seven administrator controls shown or hidden together.
    void setAdministratorRowVisible(bool visible);
    // MemoCFe keeps its top and its distance to the page's edges.
    void setMemoHeight(int height);
    // The "Sessão:" edit shows the session number of the last command.
    void showSessionNumber(const QString &numSessao);

    LabeledEdit *LblCFeFile;
    QPushButton *Button1;
    QPushButton *BitBtn10;
    QPushButton *BitBtn8;
    LabeledEdit *LblCFeDir;
    QPushButton *BtnDir;
    QPushButton *BtnEnviaDir;
    QLabel *Label15;
    QLineEdit *Edit1;
    QPlainTextEdit *MemoCFe;

    static constexpr int kMemoDesignHeight = 308;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeMemo();

    int memoBottomMargin_ = 0;
};
