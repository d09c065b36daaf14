#include "console/pages/testpage.h"

#include "channel/command.h"
#include "channel/retornosat.h"
#include "console/frame/interaction.h"
#include "console/frame/operationframe.h"
#include "console/frame/tffimafim.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/widgetfactory.h"
#include "decoders/cancellationdocument.h"
#include "decoders/endtoenddocument.h"
#include "decoders/returnedcfe.h"
#include "decoders/textlines.h"
#include "platform/ansicodepage.h"
#include "settings/cnpjcheck.h"
#include "settings/textfilereader.h"
#include "settings/texttrim.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

const QString TestPage::kSeparator = QString(54, u'-');
const QString TestPage::kSessaoInvalida =
    QStringLiteral("Informe no campo \"Sessão:\" o número da sessão a consultar.");

namespace {

constexpr int kMemoLeft = 8;
constexpr int kMemoTop = 150;
constexpr int kBrowseWidth = 25;
constexpr int kBrowseHeight = 21;

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

// Modules echo the session number as a number ("78363" for "078363"), and a
// pretty-printed Integrador reply has blanks around it.
bool isSameSession(const QString &field, const QString &numSessao)
{
    const QString echoed = field.trimmed();
    const bool digits = !echoed.isEmpty()
                        && std::all_of(echoed.cbegin(), echoed.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    bool number = false;
    const qlonglong value = echoed.toLongLong(&number);
    return digits && number && value == numSessao.toLongLong();
}

QRect pickerPlace(int top)
{
    return {312, top, kBrowseWidth, kBrowseHeight};
}

// Up to six digits, centred.
QLineEdit *sessionEdit(QWidget *page)
{
    auto *edit = new QLineEdit(page);
    edit->setObjectName(QStringLiteral("Edit1"));
    edit->setGeometry(456, 34, 44, 21);
    edit->setMaxLength(6);
    edit->setAlignment(Qt::AlignCenter);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

} // namespace

TestPage::TestPage(PageContext &context, TFFimAFim &FFimAFim, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabTeste"), QStringLiteral("Panel4"), QString(), parent)
    , BtnTesteAtivacao(
          WidgetFactory::button(this, QStringLiteral("BtnTesteAtivacao"), QStringLiteral("FimAFim Ativação"), 8, 30))
    , BtnTesteProducao(
          WidgetFactory::button(this, QStringLiteral("BtnTesteProducao"), QStringLiteral("FimAFim Produção"), 142, 30))
    , BtnNaveg(WidgetFactory::button(this, QStringLiteral("BtnNaveg"), QStringLiteral("Abrir no Navegador"), 276, 30))
    , Label15(WidgetFactory::label(this, QStringLiteral("Label15"), QStringLiteral("Sessão:"), {414, 38}))
    , Edit1(sessionEdit(this))
    , BitBtn7(WidgetFactory::button(this, QStringLiteral("BitBtn7"), QStringLiteral("Consulta Sessão"), 504, 30))
    , LblCFeFile(WidgetFactory::labeledEdit(this, QStringLiteral("LblCFeFile"),
                                            QStringLiteral("XML da CFe a ser transmitida/Cancelada:"),
                                            {kMemoLeft, 78, 300, 21}))
    , Button1(WidgetFactory::pickerButton(this, QStringLiteral("Button1"), pickerPlace(78)))
    , BitBtn10(WidgetFactory::button(this, QStringLiteral("BitBtn10"), QStringLiteral("Enviar CFe"), 344, 74))
    , BitBtn8(WidgetFactory::button(this, QStringLiteral("BitBtn8"), QStringLiteral("Cancelar CFe"), 478, 74))
    , LblCFeDir(WidgetFactory::labeledEdit(this, QStringLiteral("LblCFeDir"),
                                           QStringLiteral("Diretório com os XMLs a serem transmitidos:"),
                                           {kMemoLeft, 118, 300, 21}))
    , BtnDir(WidgetFactory::pickerButton(this, QStringLiteral("BtnDir"), pickerPlace(118)))
    , BtnEnviaDir(
          WidgetFactory::button(this, QStringLiteral("BtnEnviaDir"), QStringLiteral("Enviar todos do Dir."), 344, 114))
    , MemoCFe(WidgetFactory::memo(this, QStringLiteral("MemoCFe"),
                                  {kMemoLeft, kMemoTop, kWidth - 2 * kMemoLeft, kMemoDesignHeight}))
    , FFimAFim_(FFimAFim)
    , cfeFile_(programFolder())
    , memoBottomMargin_(kHeight - kMemoTop - kMemoDesignHeight)
{
    BtnNaveg->setEnabled(false);
    Label15->setBuddy(Edit1);
    MemoCFe->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoCFe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

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

void TestPage::runEndToEnd(bool production)
{
    MemoCFe->clear();
    const std::optional<QString> code = frame().promptCode();
    if (!code)
        return;
    setTitle(production ? QStringLiteral("FIM-A-FIM PRODUÇÃO") : QStringLiteral("FIM-A-FIM ATIVAÇÃO"));
    FFimAFim_.setProductionEntries(production);
    if (!frame().runConfirmed(FFimAFim_))
        return;
    const std::optional<QString> document = production ? productionDocument() : activationDocument();
    if (!document)
        return;
    // The document declares UTF-8, so it goes as UTF-8, not in the code page.
    const Reply reply = frame().send(Command::TesteFimAFim, {AnsiCodePage::fromUnicode(*code), document->toUtf8()});
    // Each branch shows the tax authority's message at its own step.
    frame().readGuarded(reply, [&] { readEndToEndReply(reply, production); });
}

std::optional<QString> TestPage::productionDocument()
{
    const TFFimAFim::Entries entries = FFimAFim_.entries();
    const std::pair<QString, QString> required[] = {
        {entries.taxpayer, QStringLiteral("CNPJ do Contribuinte inválido.")},
        {entries.ie, QStringLiteral("IE do Contribuinte inválido.")},
        {entries.softwareHouse, QStringLiteral("CNPJ da Software House inválido.")},
        {entries.signature, QStringLiteral("Assinatura não pode estar em branco.")},
    };
    for (const auto &[value, message] : required) {
        if (value.isEmpty()) {
            interaction().showMessage(message);
            return std::nullopt;
        }
    }
    const std::optional<QString> signature = FFimAFim_.readSignature();
    if (!signature)
        return std::nullopt;
    return EndToEndDocument::production(entries.softwareHouse, *signature, entries.taxpayer, entries.ie);
}

std::optional<QString> TestPage::activationDocument()
{
    const QString taxpayer = FFimAFim_.entries().taxpayer;
    if (!CnpjCheck::isCNPJ(taxpayer)) {
        interaction().showMessage(QStringLiteral("CNPJ do Contribuinte inválido."));
        return std::nullopt;
    }
    return EndToEndDocument::activation(taxpayer);
}

void TestPage::readEndToEndReply(const Reply &reply, bool production)
{
    if (reply.resultCode() == kEndToEndSuccess) {
        acceptEndToEndCfe(reply);
        return;
    }
    if (production) {
        frame().showResult(Command::TesteFimAFim, reply, {});
        cfeFile_.remove();
        interaction().showMessage(reply.displayField(TRetornoSAT::mensagem));
    } else {
        cfeFile_.remove();
        if (!frame().showResult(Command::TesteFimAFim, reply, {}))
            interaction().showMessage(reply.displayField(TRetornoSAT::mensagem));
    }
    frame().MostraMSefaz(reply);
}

void TestPage::acceptEndToEndCfe(const Reply &reply)
{
    // Checked before anything tells the technician the test worked.
    const QByteArrayList lines = ReturnedCfe::endToEndLines(reply);
    const QString indented = ReturnedCfe::indented(lines);
    interaction().showMessage(reply.displayField(TRetornoSAT::mensagem));
    frame().MostraMSefaz(reply);
    addLines({kSeparator, indented, kSeparator});
    if (saveCfe(lines))
        BtnNaveg->setEnabled(true);
}

void TestPage::BitBtn6Click()
{
    const std::optional<QString> code = frame().promptCode();
    if (!code)
        return;
    const QString fileName = LblCFeFile->text();
    const TextFileReader::Result file = TextFileReader::readDocument(fileName);
    if (file.status != TextFileReader::Status::Read)
        interaction().showMessage(TextFileReader::message(file.status, fileName));
    if (file.status == TextFileReader::Status::InvalidCharacters)
        return;
    MemoCFe->clear();
    const Reply reply = frame().send(Command::EnviarDadosVenda, {AnsiCodePage::fromUnicode(*code), file.content});
    addLines({kSeparator, AnsiCodePage::display(reply.text())});
    readCfeReply(Command::EnviarDadosVenda, reply, kSaleSuccess);
}

void TestPage::BitBtn8Click()
{
    const std::optional<QString> code = frame().promptCode();
    if (!code)
        return;
    const QString fileName = TextTrim::trim(LblCFeFile->text());
    const std::optional<CancellationDocument::Values> cfe = CancellationDocument::read(fileName);
    if (!cfe) {
        interaction().showMessage(TextFileReader::message(TextFileReader::Status::InvalidCharacters, fileName));
        return;
    }
    const QString document = CancellationDocument::dadosCancelamento(*cfe);
    MemoCFe->clear();
    const Reply reply = frame().send(Command::CancelarUltimaVenda, {AnsiCodePage::fromUnicode(*code),
                                                                    AnsiCodePage::fromUnicode(cfe->key),
                                                                    document.toUtf8()});
    addLines({kSeparator, AnsiCodePage::display(reply.text()), kSeparator});
    readCfeReply(Command::CancelarUltimaVenda, reply, kCancellationSuccess);
}

void TestPage::readCfeReply(Command command, const Reply &reply, const QString &successCode)
{
    frame().readGuarded(reply, [&] {
        if (reply.resultCode() != successCode) {
            refuseCfe(command, reply);
            return;
        }
        const ReturnedCfe cfe(reply.text());
        const QStringList heading = command == Command::EnviarDadosVenda ? saleHeading(reply, cfe) : QStringList();
        // Checked before anything tells the technician the operation worked.
        const QByteArrayList lines = cfe.lines();
        interaction().showMessage(reply.displayField(ReturnedCfe::mensagem));
        if (showCfe(heading + QStringList{cfe.base64(), kSeparator}, lines))
            BtnNaveg->setEnabled(true);
    });
}

void TestPage::refuseCfe(Command command, const Reply &reply)
{
    frame().showResult(command, reply, {});
    cfeFile_.remove();
    interaction().showMessage(reply.displayField(ReturnedCfe::CCCC) + QStringLiteral(": ")
                              + reply.displayField(ReturnedCfe::mensagem));
}

void TestPage::BitBtn7Click()
{
    MemoCFe->clear();
    const std::optional<QString> code = frame().promptCode();
    if (!code)
        return;
    setTitle(QStringLiteral("CONSULTAR NÚMERO DE SESSÃO"));
    // The edit may hold anything typed by hand; a query needs a number.
    bool number = false;
    const qint32 queried = TextTrim::trim(Edit1->text()).toInt(&number);
    if (!number) {
        interaction().showMessage(kSessaoInvalida);
        return;
    }
    const Reply reply = frame().send(Command::ConsultarNumeroSessao, {AnsiCodePage::fromUnicode(*code), queried});
    frame().readGuarded(reply, [&] { readQueriedReply(reply); });
}

void TestPage::readQueriedReply(const Reply &reply)
{
    if (isSameSession(reply.field(TRetornoSAT::numeroSessao), frame().sessionNumber())) {
        // The query's own answer, not the queried command's reply.
        interaction().showMessage(reply.displayField(TRetornoSAT::mensagem));
        return;
    }
    addLines({kSeparator, AnsiCodePage::display(reply.text())});
    const QString &code = reply.resultCode();
    if (code == kSaleSuccess || code == kCancellationSuccess) {
        const ReturnedCfe cfe(reply.text());
        const QStringList heading = saleHeading(reply, cfe);
        showCfe(heading, cfe.lines());
        return;
    }
    frame().showResult(Command::EnviarDadosVenda, reply, {});
    saveCfe(toAnsi(reply.fields()));
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

QStringList TestPage::saleHeading(const Reply &reply, const ReturnedCfe &cfe)
{
    return {kSeparator, QStringLiteral("Sessão: ") + reply.field(TRetornoSAT::numeroSessao),
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

bool TestPage::showCfe(const QStringList &heading, const QByteArrayList &lines)
{
    addLines(heading);
    for (const QByteArray &line : lines)
        MemoCFe->appendPlainText(QString::fromUtf8(line));
    MemoCFe->appendPlainText(kSeparator);
    return saveCfe(lines);
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
