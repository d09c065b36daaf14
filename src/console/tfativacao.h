#pragma once

// The main window of the console.
//
// TFAtivacao builds the left column of navigation buttons, the page control
// with one ConsolePage subclass per page, the status bar and the three
// dialogs, and owns the program-wide values (ConsoleState), the settings
// dataset `cds` and the CommandChannel. Each page gets one PageContext (the
// OperationFrame, `cds`, the Interaction seam) and nothing else of the window.
//
// A technician's click on a left-column button runs the entry handler its row
// names (for example StatusPage::BitBtnStatusClick) at the handler's edge
// (OperationFrame::onClick). The handler checks its fields, then
// OperationFrame::send draws the session number and calls CommandChannel, which
// reaches the module through the bound library (LibraryBinding) or the
// Integrador's folders (IntegradorExchange). The reply comes back to the page
// split into fields (Reply); the page reads it under the frame's reply guard
// (OperationFrame::readReply) and shows what the result code means
// (OperationFrame::showResult), and the tax authority's message follows in
// TFMSefaz. What one page changes on another travels by signals connected here.

#include "channel/commandchannel.h"
#include "console/frame/consolestate.h"
#include "settings/clientdataset.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>

class ActivationPage;
class AssociationPage;
class BlockingPage;
class ChangeCodePage;
class Clock;
class ConsolePage;
class HomePage;
class Interaction;
class LogPage;
class MfeNetworkPage;
class NetworkPage;
class OperationFrame;
struct PageContext;
class QLabel;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class StatusPage;
class TestPage;
class TFFimAFim;
class TFMSefaz;
class TFValida;
class UpdatePage;

class TFAtivacao : public QMainWindow
{
    Q_OBJECT

public:
    static const QString kApplicationTitle;
    static const QString kCaption;

    // programFolder ends with a separator; arguments exclude the program name.
    TFAtivacao(const QString &programFolder, const QStringList &arguments, Interaction &interaction, Clock &clock,
               QWidget *parent = nullptr);
    ~TFAtivacao() override;

    bool CarregaDLL(const QString &name);
    void BtnSairClick();
    // Writes the settings file when it changed or is missing; a failure is
    // shown to the technician.
    void saveSettings();
    // The step that ends the process at once, without joining the worker
    // thread; tests put a recorder in its place.
    void setProcessEnd(std::function<void()> end);
    int IdentInterface() const;
    QString EncodeFile(const QString &fileName) const;

    ConsoleState &state() { return state_; }
    ClientDataSet &cds() { return cds_; }
    CommandChannel &channel() { return channel_; }
    OperationFrame &frame() { return *frame_; }

    TFValida *FValida = nullptr;
    TFFimAFim *FFimAFim = nullptr;
    TFMSefaz *FMSefaz = nullptr;

private:
    void buildLeftColumn();
    void createDialogs();
    void buildPages();
    void openSettings();
    void FormCreate(const QStringList &arguments);
    void centreOnScreen();
    void endAtOnce();

    QString programFolder_;
    Interaction &interaction_;
    ConsoleState state_;
    CommandChannel channel_;
    ClientDataSet cds_;
    std::unique_ptr<OperationFrame> frame_;
    std::unique_ptr<PageContext> context_;
    std::function<void()> processEnd_;

    QWidget *Panel1 = nullptr;
    QStackedWidget *PageControl = nullptr;
    QStatusBar *StatusBar = nullptr;
    QLabel *statusPanel_ = nullptr;
    QPushButton *BtnPrincipal = nullptr;
    HomePage *homePage_ = nullptr;
    ActivationPage *activationPage_ = nullptr;
    AssociationPage *associationPage_ = nullptr;
    ChangeCodePage *changeCodePage_ = nullptr;
    TestPage *testPage_ = nullptr;
    NetworkPage *networkPage_ = nullptr;
    StatusPage *statusPage_ = nullptr;
    BlockingPage *blockingPage_ = nullptr;
    LogPage *logPage_ = nullptr;
    UpdatePage *updatePage_ = nullptr;
    MfeNetworkPage *mfeNetworkPage_ = nullptr;
    QList<ConsolePage *> pages_;
};
