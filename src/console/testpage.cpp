#include "console/testpage.h"

#include "channel/command.h"
#include "channel/commandtable.h"
#include "channel/retornosat.h"
#include "console/cancellationdocument.h"
#include "console/consolestate.h"
#include "console/endtoenddocument.h"
#include "console/interaction.h"
#include "console/labelededit.h"
#include "console/maskededit.h"
#include "console/operationframe.h"
#include "console/radiogroup.h"
#include "console/returnedcfe.h"
#include "console/textlines.h"
#include "console/signatureinput.h"
#include "console/tffimafim.h"
#include "console/widgetfactory.h"
#include "platform/ansicodepage.h"
#include "settings/cnpjcheck.h"
#include "settings/signaturefile.h"
#include "settings/xmlformatter.h"
#include "settings/texttrim.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

const QString TestPage::kSeparator = QString(54, u'-');
const QString TestPage::kSessaoInvalida =
    QStringLiteral("Informe no campo \"Sessão:\" o número da sessão a consultar.");

namespace {

constexpr int kMemoLeft = 8;
constexpr int kMemoTop = 150;
constexpr int kBrowseWidth = 25;
constexpr int kBrowseHeight = 21;
constexpr int kCfeField = 5; // the end-to-end test's CF-e in Base64

const QString kSaleSuccess = QStringLiteral("06000");
const QString kCancellationSuccess = QStringLiteral("07000");
const QString kEndToEndSuccess = QStringLiteral("09000");

QByteArrayList toAnsi(const QStringList &lines)
{
    QByteArrayList bytes;
    for (const QString &line : lines)
        bytes.append(AnsiCodePage::fromUnicode(line));
    return bytes;
}

QPushButton *browseButton(QWidget *parent, const QString &name, int top)
{
    auto *button = new QPushButton(QStringLiteral("..."), parent);
    button->setObjectName(name);
    button->setGeometry(312, top, kBrowseWidth, kBrowseHeight);
    return button;
}

} // namespace

TestPage::TestPage(PageContext &context, TFFimAFim &FFimAFim, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabTeste"), QStringLiteral("Panel4"), QString(), parent)
    , FFimAFim_(FFimAFim)
    , cfeFile_(programFolder())
{
    BtnTesteAtivacao =
        WidgetFactory::button(this, QStringLiteral("BtnTesteAtivacao"), QStringLiteral("FimAFim Ativação"), 8, 30);
    BtnTesteProducao =
        WidgetFactory::button(this, QStringLiteral("BtnTesteProducao"), QStringLiteral("FimAFim Produção"), 142, 30);
    BtnNaveg = WidgetFactory::button(this, QStringLiteral("BtnNaveg"), QStringLiteral("Abrir no Navegador"), 276, 30);
    BtnNaveg->setEnabled(false);
    Label15 = WidgetFactory::label(this, QStringLiteral("Label15"), QStringLiteral("Sessão:"), {414, 38});
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(456, 34, 44, 21);
    Edit1->setMaxLength(6);
    Edit1->setAlignment(Qt::AlignCenter);
    Edit1->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit1));
    Label15->setBuddy(Edit1);
    BitBtn7 = WidgetFactory::button(this, QStringLiteral("BitBtn7"), QStringLiteral("Consulta Sessão"), 504, 30);

    LblCFeFile = WidgetFactory::labeledEdit(this, QStringLiteral("LblCFeFile"),
                                            QStringLiteral("XML da CFe a ser transmitida/Cancelada:"),
                                            {kMemoLeft, 78, 300, 21});
    Button1 = browseButton(this, QStringLiteral("Button1"), 78);
    BitBtn10 = WidgetFactory::button(this, QStringLiteral("BitBtn10"), QStringLiteral("Enviar CFe"), 344, 74);
    BitBtn8 = WidgetFactory::button(this, QStringLiteral("BitBtn8"), QStringLiteral("Cancelar CFe"), 478, 74);
    LblCFeDir = WidgetFactory::labeledEdit(this, QStringLiteral("LblCFeDir"),
                                           QStringLiteral("Diretório com os XMLs a serem transmitidos:"),
                                           {kMemoLeft, 118, 300, 21});
    BtnDir = browseButton(this, QStringLiteral("BtnDir"), 118);
    BtnEnviaDir =
        WidgetFactory::button(this, QStringLiteral("BtnEnviaDir"), QStringLiteral("Enviar todos do Dir."), 344, 114);

    MemoCFe = WidgetFactory::memo(this, QStringLiteral("MemoCFe"),
                                  {kMemoLeft, kMemoTop, kWidth - 2 * kMemoLeft, kMemoDesignHeight});
    MemoCFe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoCFe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memoBottomMargin_ = kHeight - kMemoTop - kMemoDesignHeight;

    connectHandlers();
}

void TestPage::connectHandlers()
{
    frame().onClick(BtnTesteAtivacao, [this] { BtnTesteAtivacaoClick(); });
    frame().onClick(BtnTesteProducao, [this] { BtnTesteProducaoClick(); });
    frame().onClick(BtnNaveg, [this] { BtnNavegClick(); });
    frame().onClick(BitBtn7, [this] { BitBtn7Click(); });
    frame().onClick(Button1, [this] { Button1Click(); });
    frame().onClick(BitBtn10, [this] { BitBtn6Click(); });
    frame().onClick(BitBtn8, [this] { BitBtn8Click(); });
    frame().onClick(BtnDir, [this] { BtnDirClick(); });
}

void TestPage::setAdministratorRowVisible(bool visible)
{
    for (QWidget *control : std::initializer_list<QWidget *>{LblCFeFile, LblCFeDir, Button1, BitBtn10, BitBtn8, BtnDir,
                                                             BtnEnviaDir})
        control->setVisible(visible);
}

void TestPage::setMemoHeight(int height)
{
    memoBottomMargin_ = qMax(0, this->height() - kMemoTop - height);
    MemoCFe->resize(MemoCFe->width(), height);
}

void TestPage::showSessionNumber(const QString &numSessao)
{
    Edit1->setText(numSessao);
}

void TestPage::BtnTestefimafimClick()
{
    setTitle(QString());
    MemoCFe->clear();
    BtnNaveg->setEnabled(false);
    frame().mostrastatus(QString());
    showPage();
}

void TestPage::BtnTesteAtivacaoClick()
{
    runEndToEnd(false);
}

void TestPage::BtnTesteProducaoClick()
{
    runEndToEnd(true);
}

bool TestPage::promptCode()
{
    if (!frame().askCode())
        return false;
    if (OperationFrame::isCodeLong(frame().state().CodAtivacao))
        return true;
    interaction().showMessage(OperationFrame::kCodigoCurto);
    return false;
}

QByteArray TestPage::activationCode() const
{
    return AnsiCodePage::fromUnicode(frame().state().CodAtivacao);
}

void TestPage::runEndToEnd(bool production)
{
    MemoCFe->clear();
    if (!promptCode())
        return;
    setTitle(production ? QStringLiteral("FIM-A-FIM PRODUÇÃO") : QStringLiteral("FIM-A-FIM ATIVAÇÃO"));
    FFimAFim_.setProductionEntries(production);
    interaction().runDialog(FFimAFim_);
    if (frame().state().Cancelado != 0)
        return;
    const std::optional<QString> document = production ? productionDocument() : activationDocument();
    if (!document)
        return;
    OperationFrame::ReplyReading reading([this, production] { readEndToEndReply(production); });
    reading.showSefaz = false; // each branch shows it at its own step
    frame().run(Command::TesteFimAFim, {activationCode(), AnsiCodePage::fromUnicode(*document)}, reading);
}

std::optional<QString> TestPage::productionDocument()
{
    const QString taxpayer = FFimAFim_.EdtCNPJContrib2->digits();
    const QString ie = FFimAFim_.EdtIEContrib->digits();
    const QString softwareHouse = FFimAFim_.EdtCNPJSw->digits();
    const QString signatureText = TextTrim::trim(FFimAFim_.EdtAssinatura->text());
    const std::pair<QString, QString> required[] = {
        {taxpayer, QStringLiteral("CNPJ do Contribuinte inválido.")},
        {ie, QStringLiteral("IE do Contribuinte inválido.")},
        {softwareHouse, QStringLiteral("CNPJ da Software House inválido.")},
        {signatureText, QStringLiteral("Assinatura não pode estar em branco.")},
    };
    for (const auto &[value, message] : required) {
        if (value.isEmpty()) {
            interaction().showMessage(message);
            return std::nullopt;
        }
    }
    QString signature = signatureText;
    if (FFimAFim_.rgAssinatura->itemIndex() == SignatureInput::Arquivo) {
        const SignatureFile::Result file = SignatureFile::read(FFimAFim_.EdtAssinatura->text());
        if (!file.read) {
            interaction().showMessage(file.message);
            return std::nullopt;
        }
        signature = file.signature;
    }
    return EndToEndDocument::production(softwareHouse, signature, taxpayer, ie);
}

std::optional<QString> TestPage::activationDocument()
{
    const QString taxpayer = FFimAFim_.EdtCNPJContrib2->digits();
    if (!CnpjCheck::isCNPJ(taxpayer)) {
        interaction().showMessage(QStringLiteral("CNPJ do Contribuinte inválido."));
        return std::nullopt;
    }
    return EndToEndDocument::activation(taxpayer);
}

void TestPage::readEndToEndReply(bool production)
{
    const QString &code = frame().resultCode();
    if (code == kEndToEndSuccess) {
        acceptEndToEndCfe();
        return;
    }
    const bool busy = code == CommandTable::busyCode(Command::TesteFimAFim);
    if (production) {
        if (busy)
            interaction().showMessage(OperationFrame::kFalhaComunicacao);
        cfeFile_.remove();
        interaction().showMessage(frame().displayField(TRetornoSAT::mensagem));
    } else {
        cfeFile_.remove();
        interaction().showMessage(busy ? OperationFrame::kFalhaComunicacao
                                       : frame().displayField(TRetornoSAT::mensagem));
    }
    frame().MostraMSefaz();
}

void TestPage::acceptEndToEndCfe()
{
    interaction().showMessage(frame().displayField(TRetornoSAT::mensagem));
    frame().MostraMSefaz();
    const QByteArrayList lines = ReturnedCfe::decode(frame().field(kCfeField));
    addLines({kSeparator});
    addLines({XmlFormatter::FormatXMLString(QString::fromUtf8(lines.join("\r\n"))), kSeparator});
    if (saveCfe(lines))
        BtnNaveg->setEnabled(true);
}

void TestPage::BitBtn6Click()
{
    if (!promptCode())
        return;
    const QString fileName = LblCFeFile->text();
    const TextFileReader::Result file = TextFileReader::LeArquivo(fileName);
    if (file.status != TextFileReader::Status::Read)
        interaction().showMessage(TextFileReader::message(file.status, fileName));
    MemoCFe->clear();
    frame().send(Command::EnviarDadosVenda, {activationCode(), file.content});
    addLines({kSeparator, AnsiCodePage::utf8Display(frame().state().Retorno)});
    readCfeReply(Command::EnviarDadosVenda, kSaleSuccess, [this](const ReturnedCfe &cfe) { return saleHeading(cfe); });
}

void TestPage::BitBtn8Click()
{
    if (!promptCode())
        return;
    const CancellationDocument::Values cfe = CancellationDocument::read(TextTrim::trim(LblCFeFile->text()));
    const QString document = CancellationDocument::dadosCancelamento(cfe);
    MemoCFe->clear();
    frame().send(Command::CancelarUltimaVenda,
                 {activationCode(), AnsiCodePage::fromUnicode(cfe.key), AnsiCodePage::fromUnicode(document)});
    addLines({kSeparator, frame().state().Retorno, kSeparator});
    readCfeReply(Command::CancelarUltimaVenda, kCancellationSuccess, [](const ReturnedCfe &) { return QStringList(); });
}

void TestPage::readCfeReply(Command command, const QString &successCode,
                            const std::function<QStringList(const ReturnedCfe &)> &heading)
{
    OperationFrame::ReplyReading reading([this, command, successCode, heading] {
        if (frame().resultCode() != successCode) {
            refuseCfe(command);
            return;
        }
        const ReturnedCfe cfe(frame().state().Retorno);
        const QStringList headingLines = heading(cfe);
        interaction().showMessage(frame().displayField(TRetornoSAT::codigoSefaz));
        const QString base64 = cfe.base64();
        const QByteArrayList lines = ReturnedCfe::decode(base64);
        addLines(headingLines + QStringList{base64, kSeparator});
        addCfeLines(lines);
        if (saveCfe(lines))
            BtnNaveg->setEnabled(true);
    });
    reading.showSefaz = false;
    reading.dropEmptyFields = true;
    frame().readReply(reading);
}

void TestPage::refuseCfe(Command command)
{
    if (frame().resultCode() == CommandTable::busyCode(command))
        interaction().showMessage(OperationFrame::kFalhaComunicacao);
    cfeFile_.remove();
    interaction().showMessage(frame().displayField(TRetornoSAT::mensagem) + QStringLiteral(": ")
                              + frame().displayField(TRetornoSAT::codigoSefaz));
}

void TestPage::BitBtn7Click()
{
    MemoCFe->clear();
    if (!promptCode())
        return;
    setTitle(QStringLiteral("CONSULTAR NÚMERO DE SESSÃO"));
    // The edit may hold anything typed by hand; a query needs a number.
    bool number = false;
    const qint32 queried = TextTrim::trim(Edit1->text()).toInt(&number);
    if (!number) {
        interaction().showMessage(kSessaoInvalida);
        return;
    }
    OperationFrame::ReplyReading reading([this] { readQueriedReply(); });
    reading.showSefaz = false;
    frame().run(Command::ConsultarNumeroSessao, {activationCode(), queried}, reading);
}

void TestPage::readQueriedReply()
{
    const ConsoleState &state = frame().state();
    if (frame().field(TRetornoSAT::numeroSessao) == state.NumSessao) {
        // The query's own answer, not the queried command's reply.
        interaction().showMessage(frame().displayField(TRetornoSAT::mensagem));
        return;
    }
    addLines({kSeparator, state.Retorno});
    QByteArrayList saved;
    const QString &code = frame().resultCode();
    if (code == kSaleSuccess) {
        const ReturnedCfe cfe(state.Retorno);
        addLines(saleHeading(cfe));
        saved = cfe.lines();
        addCfeLines(saved);
    } else {
        if (code == CommandTable::busyCode(Command::EnviarDadosVenda))
            interaction().showMessage(OperationFrame::kFalhaComunicacao);
        saved = toAnsi(state.ListaRetorno);
    }
    saveCfe(saved);
}

void TestPage::Button1Click()
{
    const QString fileName = interaction().chooseOpenFile(QStringLiteral("Selecione o Certificado"), QString());
    if (!fileName.isEmpty())
        LblCFeFile->setText(QDir::toNativeSeparators(fileName));
}

void TestPage::BtnDirClick()
{
    const QString folder = interaction().chooseFolder(QStringLiteral("Selecione o diretório"));
    if (!folder.isEmpty())
        LblCFeDir->setText(QDir::toNativeSeparators(folder));
}

void TestPage::BtnNavegClick()
{
    if (cfeFile_.exists() && !MemoCFe->document()->isEmpty())
        OpenURL(cfeFile_.path());
}

void TestPage::OpenURL(const QString &target)
{
    interaction().openWithShell(target);
}

QStringList TestPage::saleHeading(const ReturnedCfe &cfe) const
{
    return {kSeparator, QStringLiteral("Sessão: ") + frame().field(TRetornoSAT::numeroSessao),
            QStringLiteral("Chave: ") + cfe.key(), kSeparator};
}

void TestPage::addLines(const QStringList &texts)
{
    for (const QString &text : texts) {
        const QStringList lines = TextLines::split(text);
        for (const QString &line : lines.isEmpty() ? QStringList{QString()} : lines)
            MemoCFe->appendPlainText(line);
    }
}

void TestPage::addCfeLines(const QByteArrayList &lines)
{
    for (const QByteArray &line : lines)
        MemoCFe->appendPlainText(QString::fromUtf8(line));
    MemoCFe->appendPlainText(kSeparator);
}

bool TestPage::saveCfe(const QByteArrayList &lines)
{
    const QString error = cfeFile_.write(lines);
    if (error.isEmpty())
        return true;
    interaction().showMessage(QStringLiteral("Não foi possível gravar o arquivo ")
                              + QDir::toNativeSeparators(cfeFile_.path()) + QStringLiteral(":\n") + error);
    return false;
}

void TestPage::resizeEvent(QResizeEvent *event)
{
    ConsolePage::resizeEvent(event);
    placeMemo();
}

void TestPage::placeMemo()
{
    MemoCFe->setGeometry(kMemoLeft, kMemoTop, qMax(0, width() - 2 * kMemoLeft),
                         qMax(0, height() - kMemoTop - memoBottomMargin_));
}
