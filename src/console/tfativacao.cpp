#include "console/tfativacao.h"

#include "channel/base64file.h"
#include "console/commandline.h"
#include "console/frame/interaction.h"
#include "console/frame/operationframe.h"
#include "console/frame/tffimafim.h"
#include "console/frame/tfmsefaz.h"
#include "console/frame/tfvalida.h"
#include "console/pages/activationpage.h"
#include "console/pages/associationpage.h"
#include "console/pages/blockingpage.h"
#include "console/pages/changecodepage.h"
#include "console/pages/homepage.h"
#include "console/pages/logpage.h"
#include "console/pages/mfenetworkpage.h"
#include "console/pages/networkpage.h"
#include "console/pages/pagecontext.h"
#include "console/pages/statuspage.h"
#include "console/pages/testpage.h"
#include "console/pages/updatepage.h"
#include "console/widgets/widgetfactory.h"
#include "console/widgets/widgetstyle.h"
#include "platform/usbserialprobe.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <cstdio>
#include <cstdlib>

const QString TFAtivacao::kApplicationTitle = QStringLiteral("Vantel - Programa de Ativação MFE");
const QString TFAtivacao::kCaption = QStringLiteral("MFE - VANTEL (Ativação - v1.0.0.6)");

namespace {

constexpr int kLeftColumnWidth = 132;
// With the standard Windows frame this client area gives the 788 x 523 window.
constexpr int kClientWidth = kLeftColumnWidth + ConsolePage::kWidth;
constexpr int kStatusBarHeight = 19;
constexpr int kClientHeight = ConsolePage::kHeight + kStatusBarHeight;
constexpr int kUserMemoHeight = 305;
constexpr int kAdministratorMemoHeight = 220;

// A worker thread stuck inside a module library call can be neither joined
// nor destroyed (a running QThread aborts the process when destroyed): the
// process ends here, skipping every destructor.
void endProcess()
{
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

enum PageIndex {
    kPageMorvo,
    kPageCodAtiva,
    kPageAtivar,
    kPageAssocAss,
    kPageBloq,
    kPageTeste,
    kPageConfRede,
    kPageConfRedeMFE,
    kPageStatus,
    kPageLog,
    kPageAtualizaSW,
};

} // namespace

TFAtivacao::TFAtivacao(const QString &programFolder, const QStringList &arguments, Interaction &interaction,
                       Clock &clock, QWidget *parent)
    : QMainWindow(parent)
    , programFolder_(programFolder)
    , interaction_(interaction)
    , channel_(clock)
    , processEnd_(endProcess)
{
    Q_INIT_RESOURCE(resources);
    setObjectName(QStringLiteral("FAtivacao"));
    setWindowTitle(kCaption);
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    setFont(WidgetStyle::tahoma(8));

    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(StatusBar);
    statusPanel_->setObjectName(QStringLiteral("StatusPanel"));
    statusPanel_->setTextFormat(Qt::PlainText); // replies are shown as they are, never as markup
    statusPanel_->setMinimumWidth(150);
    StatusBar->addWidget(statusPanel_, 1);
    setStatusBar(StatusBar);

    // The window scrolls when made smaller than its content.
    auto *content = new QWidget;
    content->setMinimumSize(kClientWidth, ConsolePage::kHeight);
    Panel1 = new QWidget(content);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedWidth(kLeftColumnWidth);
    PageControl = new QStackedWidget(content);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->resize(ConsolePage::kWidth, ConsolePage::kHeight);
    auto *row = new QHBoxLayout(content);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(Panel1);
    row->addWidget(PageControl, 1);
    auto *scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus); // Tab goes from "Sair" to the page's controls
    scroll->setWidget(content);
    setCentralWidget(scroll);

    createDialogs();
    buildPages();
    buildLeftColumn();
    openSettings();
    FormCreate(arguments);

    resize(kClientWidth, kClientHeight);
    centreOnScreen();
    PageControl->setFocus();
}

TFAtivacao::~TFAtivacao()
{
    saveSettings();
}

void TFAtivacao::saveSettings()
{
    if (cds_.Close() == ClientDataSet::CloseResult::Failed)
        interaction_.showMessage(cds_.errorText());
}

void TFAtivacao::setProcessEnd(std::function<void()> end)
{
    processEnd_ = std::move(end);
}

void TFAtivacao::endAtOnce()
{
    channel_.closeIntegrador(); // nobody will be there to read its reply
    saveSettings();
    processEnd_();
}

void TFAtivacao::createDialogs()
{
    FValida = new TFValida(state_, this);
    FFimAFim = new TFFimAFim(state_, cds_, interaction_, this);
    FMSefaz = new TFMSefaz(this);
}

void TFAtivacao::buildPages()
{
    frame_ = std::make_unique<OperationFrame>(state_, channel_, interaction_, *statusPanel_, *FValida, *FMSefaz);
    context_ = std::make_unique<PageContext>(PageContext{*frame_, cds_, interaction_, programFolder_});
    pages_.resize(kPageAtualizaSW + 1);
    pages_[kPageMorvo] = homePage_ = new HomePage(*context_, PageControl);
    pages_[kPageCodAtiva] = changeCodePage_ = new ChangeCodePage(*context_, PageControl);
    pages_[kPageAtivar] = activationPage_ = new ActivationPage(*context_, PageControl);
    pages_[kPageAssocAss] = associationPage_ = new AssociationPage(*context_, PageControl);
    pages_[kPageTeste] = testPage_ = new TestPage(*context_, *FFimAFim, PageControl);
    pages_[kPageConfRede] = networkPage_ = new NetworkPage(*context_, PageControl);
    pages_[kPageStatus] = statusPage_ = new StatusPage(*context_, PageControl);
    pages_[kPageBloq] = blockingPage_ = new BlockingPage(*context_, PageControl);
    pages_[kPageLog] = logPage_ = new LogPage(*context_, PageControl);
    pages_[kPageAtualizaSW] = updatePage_ = new UpdatePage(*context_, PageControl);
    pages_[kPageConfRedeMFE] = mfeNetworkPage_ = new MfeNetworkPage(*context_, PageControl);
    for (ConsolePage *page : std::as_const(pages_))
        PageControl->addWidget(page);

    connect(frame_.get(), &OperationFrame::sessionNumberChanged, testPage_, &TestPage::showSessionNumber);
    connect(frame_.get(), &OperationFrame::closeForced, this, &TFAtivacao::endAtOnce);
    connect(blockingPage_, &BlockingPage::aboutToSend, logPage_, &LogPage::clearLog);
    connect(updatePage_, &UpdatePage::aboutToSend, logPage_, &LogPage::clearLog);
    connect(logPage_, &LogPage::entered, updatePage_, &UpdatePage::blankOutcome);
}

void TFAtivacao::buildLeftColumn()
{
    struct LeftButton {
        int top;
        const char *name;
        const char *caption;
        std::function<void()> handler; // the entry handler of the page the button leads to
    };
    const LeftButton buttons[] = {
        {0, "BtnPrincipal", "MFE - VANTEL", [this] { homePage_->BtnPrincipalClick(); }},
        {28, "BtnConfRede", "Config. da Rede", [this] { networkPage_->BtnConfRedeClick(); }},
        {56, "BtnConfRedeMFE", "Config. da Rede MFE", [this] { mfeNetworkPage_->BtnConfRedeMFEClick(); }},
        {84, "BtnAtivacao", "Ativação do MFE", [this] { activationPage_->BtnAtivacaoClick(); }},
        {112, "BtnAssocAssin", "Associar Aplic. Comercial", [this] { associationPage_->BtnAssocAssinClick(); }},
        {140, "BtnTestefimafim", "Testes", [this] { testPage_->BtnTestefimafimClick(); }},
        {168, "BitBtnStatus", "Status Operacional", [this] { statusPage_->BitBtnStatusClick(); }},
        {196, "BitBtnStatusMFE", "Status Operacional MFE", [this] { statusPage_->BitBtnStatusMFEClick(); }},
        {224, "BitLogs", "Extrair Logs", [this] { logPage_->BitLogsClick(); }},
        {252, "BtnCodAtivacao", "Trocar Cód. Ativação", [this] { changeCodePage_->BtnCodAtivacaoClick(); }},
        {280, "BtnBloquearSAT", "Bloquear/Desbloquear", [this] { blockingPage_->BtnBloquearSATClick(); }},
        {308, "BitAtualizaSW", "Atualizar SW Básico", [this] { updatePage_->BitAtualizaSWClick(); }},
        {406, "BitSuperLog", "SuperLog", [this] { logPage_->BitSuperLogClick(); }},
        {434, "BtnSair", "Sair", [this] { BtnSairClick(); }},
    };
    for (const LeftButton &entry : buttons) {
        QPushButton *button = WidgetFactory::button(Panel1, QString::fromLatin1(entry.name),
                                                    QString::fromUtf8(entry.caption), 0, entry.top);
        frame_->onClick(button, entry.handler);
    }
    BtnPrincipal = Panel1->findChild<QPushButton *>(QStringLiteral("BtnPrincipal"));
    // A speed button: it takes no keyboard focus.
    Panel1->findChild<QPushButton *>(QStringLiteral("BitSuperLog"))->setFocusPolicy(Qt::NoFocus);
    connect(homePage_, &HomePage::moduleChecked, this, [this](bool operating) {
        WidgetStyle::setTextColour(BtnPrincipal, operating ? WidgetStyle::green() : WidgetStyle::red());
    });

    auto *Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry((kLeftColumnWidth - 124) / 2, 342, 124, 59);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
}

void TFAtivacao::openSettings()
{
    if (cds_.Open() == ClientDataSet::OpenResult::Damaged)
        interaction_.showMessage(cds_.errorText());
}

void TFAtivacao::FormCreate(const QStringList &arguments)
{
    testPage_->showSessionNumber(state_.NumSessao);
    activationPage_->fillStateList();

    const CommandLine commandLine(arguments);
    switch (commandLine.layout()) {
    case CommandLine::TestPageLayout::User:
        networkPage_->hideProxyPassword();
        testPage_->setAdministratorRowVisible(false);
        testPage_->setMemoHeight(kUserMemoHeight);
        break;
    case CommandLine::TestPageLayout::Administrator:
        testPage_->setAdministratorRowVisible(true);
        testPage_->setMemoHeight(kAdministratorMemoHeight);
        break;
    case CommandLine::TestPageLayout::Designed:
        break;
    }
    if (!commandLine.libraryName().isEmpty())
        CarregaDLL(commandLine.libraryName());

    PageControl->setCurrentIndex(kPageMorvo);
    statusPanel_->clear();
    state_.CodAtivacao.clear();
}

bool TFAtivacao::CarregaDLL(const QString &name)
{
    const LibraryBinding::Outcome outcome = channel_.binding().bind(programFolder_, name);
    homePage_->showBinding(outcome, name);
    const bool loaded = outcome == LibraryBinding::Outcome::Loaded;
    setWindowTitle(windowTitle()
                   + (loaded ? QStringLiteral("  --  Acesso pela DLL: ") + name + QStringLiteral("  --  ")
                             : QStringLiteral("  --  Acesso direto ao Integrador  --  ")));
    return loaded;
}

void TFAtivacao::BtnSairClick()
{
    close();
}

int TFAtivacao::IdentInterface() const
{
    return UsbSerialProbe::IdentInterface();
}

QString TFAtivacao::EncodeFile(const QString &fileName) const
{
    return Base64File::EncodeFile(fileName);
}

void TFAtivacao::centreOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
