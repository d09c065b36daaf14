#pragma once

#include "console/pages/consolepage.h"
#include "decoders/cfefile.h"

#include <QByteArrayList>
#include <QStringList>
#include <optional>

enum class Command;
class LabeledEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Reply;
class ReturnedCfe;
class TFFimAFim;

// Page 5: the module's end-to-end tests, test sales and cancellations of the
// technician's own CF-e files, and session queries. The CF-e a successful
// operation returns is shown in MemoCFe and saved as "CFe.xml", which
// BtnNaveg opens. The administrator row is shown or hidden by the command line.
class TestPage : public ConsolePage
{
    Q_OBJECT

public:
    // FFimAFim is the end-to-end test dialog the page runs; "CFe.xml" lives
    // in the program's folder.
    TestPage(PageContext &context, TFFimAFim &FFimAFim, QWidget *parent);

    // The seven administrator controls shown or hidden together.
    void setAdministratorRowVisible(bool visible);
    // MemoCFe keeps its top and its distance to the page's edges.
    void setMemoHeight(int height);
    // The "Sessão:" edit shows the session number of the last command.
    void showSessionNumber(const QString &numSessao);

    // Entry of the left-column button "Testes".
    void BtnTestefimafimClick();

    static const QString kSeparator;
    static const QString kSessaoInvalida;

    static constexpr int kMemoDesignHeight = 308;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void BtnTesteAtivacaoClick();
    void BtnTesteProducaoClick();
    void BitBtn6Click(); // test sale
    void BitBtn8Click(); // cancellation
    void BitBtn7Click(); // session query
    void Button1Click();
    void BtnDirClick();
    void BtnNavegClick();
    // Opens a file or address with the program the system associates with it.
    void OpenURL(const QString &target);
    void connectHandlers();
    void placeMemo();

    void runEndToEnd(bool production);
    std::optional<QString> productionDocument();
    std::optional<QString> activationDocument();
    void readEndToEndReply(const Reply &reply, bool production);
    void acceptEndToEndCfe(const Reply &reply);

    // The reading of a sale or cancellation reply, its fields by their places:
    // successCode brings a CF-e, shown under the sale's heading for a sale;
    // any other code is a refusal.
    void readCfeReply(Command command, const Reply &reply, const QString &successCode);
    void refuseCfe(Command command, const Reply &reply);
    void readQueriedReply(const Reply &reply);

    // The session number and the access key of a sale's or cancellation's
    // reply, between separators.
    static QStringList saleHeading(const Reply &reply, const ReturnedCfe &cfe);
    // Each line of each text as a line of the memo; an empty text as one
    // empty line.
    void addLines(const QStringList &texts);
    // The heading, the CF-e's lines decoded from UTF-8 and the separator;
    // true when "CFe.xml" was written with the CF-e.
    bool showCfe(const QStringList &heading, const QByteArrayList &lines);
    // True when "CFe.xml" was written; otherwise the technician is told why.
    bool saveCfe(const QByteArrayList &lines);

    QPushButton *BtnTesteAtivacao;
    QPushButton *BtnTesteProducao;
    QPushButton *BtnNaveg;
    QLabel *Label15;
    QLineEdit *Edit1;
    QPushButton *BitBtn7;
    LabeledEdit *LblCFeFile;
    QPushButton *Button1;
    QPushButton *BitBtn10;
    QPushButton *BitBtn8;
    LabeledEdit *LblCFeDir;
    QPushButton *BtnDir;
    QPushButton *BtnEnviaDir;
    QPlainTextEdit *MemoCFe;

    TFFimAFim &FFimAFim_;
    CfeFile cfeFile_;
    int memoBottomMargin_;
};
