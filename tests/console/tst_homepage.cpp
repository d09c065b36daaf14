#include "boundconsole.h"
#include "consolefixture.h"
#include "consoletexts.h"
#include "fakeintegrador.h"
#include "fakemodule.h"

#include "console/frame/consolestate.h"
#include "console/frame/operationframe.h"
#include "console/tfativacao.h"
#include "console/widgets/widgetstyle.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStackedWidget>
#include <QTest>

namespace {
// The module check's colours.
const QColor kGreen(0, 128, 0);
const QColor kRed(255, 0, 0);
} // namespace

class TestHomePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void moduleCheck_data();
    void moduleCheck();
    void bothButtonsCheck_data();
    void bothButtonsCheck();
    void failedCheckAfterSuccessTurnsRed();
    void moduleCheckOverIntegradorWithoutFolders();
    void statusBarStaysOneLine();
    void markupShownAsText();
    void moduleCheckOverIntegrador_data();
    void moduleCheckOverIntegrador();
    void integradorErrorReadable();
    void statusAc_data();
    void statusAc();
};

void TestHomePage::defaultState()
{
    ConsoleFixture console;
    console.start();
    auto *label = console.find<QLabel>(QStringLiteral("Label8"));
    QCOMPARE(label->text(), QStringLiteral("Status:"));
    QCOMPARE(label->pos(), QPoint(11, 103));
    auto *status = console.find<QLabel>(QStringLiteral("lbloperante"));
    QVERIFY(status->isHidden());
    QCOMPARE(status->text(), QStringLiteral("MFE inoperante"));
    QCOMPARE(status->pos(), QPoint(11, 134));
    auto *consultar = console.find<QPushButton>(QStringLiteral("BitBtn6"));
    QCOMPARE(consultar->text(), QStringLiteral("Consultar MFE"));
    QCOMPARE(consultar->geometry(), QRect(252, 180, 130, 29));
    auto *statusAc = console.find<QPushButton>(QStringLiteral("BtnStatusAC"));
    QCOMPARE(statusAc->text(), QStringLiteral("Enviar Status AC"));
    QVERIFY(statusAc->isHidden());
    QVERIFY(!statusAc->isEnabled());
    QVERIFY(console.find<QWidget>(QStringLiteral("Panel13")));
    QVERIFY(!console.find<QLabel>(QStringLiteral("Label4"))->text().isEmpty());
}

void TestHomePage::moduleCheck_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("green");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("sefaz");

    const QString failure = QStringLiteral("message: ") + ConsoleTexts::kFalhaComunicacao;
    QTest::newRow("08000 in operation") << QByteArray("{sessao}|08000|MFE em operacao|||") << "MFE em operação" << true
                                        << QStringList() << QString();
    QTest::newRow("08000 with a tax authority code")
        << QByteArray("{sessao}|08000|ok|123|Mensagem da Sefaz \xc3\xa9") << "MFE em operação" << true
        << QStringList{QStringLiteral("dialog: FMSefaz")} << QStringLiteral("Código: 123\n\nMensagem da Sefaz é");
    QTest::newRow("08098 busy") << QByteArray("{sessao}|08098|SAT em processamento. Tente novamente.||")
                                << "MFE inoperante" << false << QStringList{failure} << QString();
    QTest::newRow("other code") << QByteArray("{sessao}|08001|outro||") << "MFE inoperante" << false << QStringList()
                                << QString();
    QTest::newRow("empty reply") << QByteArray() << "MFE inoperante" << false
                                 << QStringList{QStringLiteral("message: ")} << QString();
    QTest::newRow("reply without separator") << QByteArray("sem campos \xe9") << "MFE inoperante" << false
                                             << QStringList{QStringLiteral("message: sem campos é")} << QString();
}

void TestHomePage::moduleCheck()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, shown);
    QFETCH(bool, green);
    QFETCH(QStringList, events);
    QFETCH(QString, sefaz);

    BoundConsole bound;
    bound.module.setReply(QStringLiteral("ConsultarSAT"), reply);
    auto *pages = bound.console.find<QStackedWidget>(QStringLiteral("PageControl"));
    pages->setCurrentIndex(5);
    QTest::mouseClick(bound.find<QPushButton>(QStringLiteral("BtnPrincipal")), Qt::LeftButton);

    QCOMPARE(pages->currentIndex(), 0);
    QVERIFY(!bound.find<QLabel>(QStringLiteral("lbloperante"))->isHidden());
    QCOMPARE(bound.find<QLabel>(QStringLiteral("lbloperante"))->text(), shown);
    const QColor colour = green ? kGreen : kRed;
    QCOMPARE(WidgetStyle::textColour(bound.find<QLabel>(QStringLiteral("lbloperante"))), colour);
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BtnPrincipal"))->palette().color(QPalette::ButtonText), colour);
    QCOMPARE(bound.console.interaction.events, events);
    if (!sefaz.isEmpty())
        QCOMPARE(bound.console.find<QPlainTextEdit>(QStringLiteral("MemoSefaz"))->toPlainText(), sefaz);

    const QList<FakeModule::Call> calls = bound.module.calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().exportName, QStringLiteral("ConsultarSAT"));
    QCOMPARE(calls.first().arguments.size(), 1);
    const QString session = bound.console.find<QLineEdit>(QStringLiteral("Edit1"))->text();
    QCOMPARE(session.size(), 6);
    QCOMPARE(calls.first().arguments.first().toInt(), session.toInt());
    QCOMPARE(bound.console.window().state().NumSessao, session);
    QVERIFY(bound.console.find<QLabel>(QStringLiteral("StatusPanel"))->text()
            != ConsoleTexts::kAguardando);
}

void TestHomePage::bothButtonsCheck_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("left column") << "BtnPrincipal";
    QTest::newRow("page 0") << "BitBtn6";
}

void TestHomePage::bothButtonsCheck()
{
    QFETCH(QString, button);
    BoundConsole bound;
    bound.module.setReply(QStringLiteral("ConsultarSAT"), "{sessao}|08000|ok||");
    QTest::mouseClick(bound.console.find<QPushButton>(button), Qt::LeftButton);
    QCOMPARE(bound.module.calls().size(), 1);
    QCOMPARE(bound.find<QLabel>(QStringLiteral("lbloperante"))->text(), QStringLiteral("MFE em operação"));
    QCOMPARE(bound.console.find<QLabel>(QStringLiteral("StatusPanel"))->text(),
             bound.console.window().state().NumSessao + QStringLiteral("|08000|ok||"));
}

void TestHomePage::failedCheckAfterSuccessTurnsRed()
{
    BoundConsole bound;
    bound.module.setReply(QStringLiteral("ConsultarSAT"), "{sessao}|08000|ok||");
    QTest::mouseClick(bound.find<QPushButton>(QStringLiteral("BtnPrincipal")), Qt::LeftButton);
    QCOMPARE(WidgetStyle::textColour(bound.find<QLabel>(QStringLiteral("lbloperante"))), kGreen);
    bound.module.setReply(QStringLiteral("ConsultarSAT"), "{sessao}|08098|ocupado||");
    QTest::mouseClick(bound.find<QPushButton>(QStringLiteral("BtnPrincipal")), Qt::LeftButton);
    QCOMPARE(bound.find<QLabel>(QStringLiteral("lbloperante"))->text(), QStringLiteral("MFE inoperante"));
    QCOMPARE(WidgetStyle::textColour(bound.find<QLabel>(QStringLiteral("lbloperante"))), kRed);
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BtnPrincipal"))->palette().color(QPalette::ButtonText), kRed);
}

void TestHomePage::moduleCheckOverIntegradorWithoutFolders()
{
    // No library and no Integrador folders: the exchange's fixed text comes
    // back at once, unreadable as fields.
    ConsoleFixture console;
    QVERIFY(QDir(console.prefix.path()).removeRecursively());
    console.start();
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BitBtn6")), Qt::LeftButton);
    const QString missing = QStringLiteral(
        "Diretórios do Integrador não estão presentes.\n\rVerifique se o Integrador está devidamente instalado.");
    QCOMPARE(console.interaction.messages(), QStringList{missing});
    QCOMPARE(console.find<QLabel>(QStringLiteral("lbloperante"))->text(), QStringLiteral("MFE inoperante"));
    // The text is in the code page, not UTF-8: the status bar shows it so, on one line.
    QCOMPARE(console.find<QLabel>(QStringLiteral("StatusPanel"))->text(),
             QStringLiteral("Diretórios do Integrador não estão presentes.  Verifique se o Integrador está devidamente "
                            "instalado."));
}

void TestHomePage::statusBarStaysOneLine()
{
    // The missing-folder text has a line break in its first 110 characters.
    ConsoleFixture console;
    QVERIFY(QDir(console.prefix.path()).removeRecursively());
    TFAtivacao &window = console.start();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *statusBar = window.findChild<QStatusBar *>(QStringLiteral("StatusBar"));
    const int oneLineHeight = statusBar->height();
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BitBtn6")), Qt::LeftButton);
    // The layouts take the new text: the status bar's, then the window's.
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();

    QVERIFY(console.find<QLabel>(QStringLiteral("StatusPanel"))->text().contains(QStringLiteral("presentes.  Verifique")));
    QCOMPARE(statusBar->height(), oneLineHeight);
    auto *content = qobject_cast<QScrollArea *>(window.centralWidget());
    QVERIFY(content);
    QVERIFY(!content->verticalScrollBar()->isVisible());
}

void TestHomePage::markupShownAsText()
{
    // Shown as its characters: the label is as wide as the whole text, not
    // as a bold "x" would make it.
    const auto verifyPlain = [](const QLabel *label, const QString &text) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text(), text);
        QVERIFY(label->sizeHint().width() >= label->fontMetrics().horizontalAdvance(text));
    };
    BoundConsole bound;
    bound.module.setReply(QStringLiteral("ConsultarSAT"), "{sessao}|08001|<b>x</b> &lt;y&gt;||");
    bound.click(QStringLiteral("BtnPrincipal"));
    verifyPlain(bound.find<QLabel>(QStringLiteral("StatusPanel")),
                bound.sessionNumber() + QStringLiteral("|08001|<b>x</b> &lt;y&gt;||"));

    // A library name from the command line.
    ConsoleFixture console;
    console.start({QStringLiteral("/DLL=<b>x</b>.so")});
    verifyPlain(console.find<QLabel>(QStringLiteral("LblDllMfe")),
                QStringLiteral("Procurando DLL: \"<b>x</b>.so\" ........ [ Não encontrada ]"));
}

void TestHomePage::moduleCheckOverIntegrador_data()
{
    QTest::addColumn<QString>("answer"); // empty: the Integrador stays silent
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<qint64>("waited");
    QTest::addColumn<QString>("status"); // after the session number

    // The module's accents reach the status bar as on the library road.
    QTest::newRow("answered") << QStringLiteral("{sessao}|08000|MFE em operação|||") << "MFE em operação"
                              << QStringList() << qint64(300) << QStringLiteral("|08000|MFE em operação|||");
    QTest::newRow("silent: busy reply after 14 s") << QString() << "MFE inoperante"
                                                   << QStringList{ConsoleTexts::kFalhaComunicacao} << qint64(14000)
                                                   << QStringLiteral("|08098|SAT em processamento. Tente novamente.||");
}

void TestHomePage::moduleCheckOverIntegrador()
{
    QFETCH(QString, answer);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);
    QFETCH(qint64, waited);
    QFETCH(QString, status);

    ConsoleFixture console;
    FakeIntegrador integrador(console.clock);
    if (answer.isEmpty())
        integrador.staySilent();
    else
        integrador.replyWith(answer);
    integrador.installOn(console.clock);
    const QDateTime started = console.clock.now();
    console.start();
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BtnPrincipal")), Qt::LeftButton);

    QCOMPARE(console.find<QLabel>(QStringLiteral("lbloperante"))->text(), shown);
    QCOMPARE(console.interaction.messages(), messages);
    QCOMPARE(integrador.requests().size(), 1);
    QVERIFY(integrador.requests().first().fileName.startsWith(QStringLiteral("ConsultarMFe")));
    const QString session = console.find<QLineEdit>(QStringLiteral("Edit1"))->text();
    QVERIFY(integrador.requests().first().bytes.contains("<Valor>" + QByteArray::number(session.toInt()) + "</Valor>"));
    QCOMPARE(console.find<QLabel>(QStringLiteral("StatusPanel"))->text(), session + status);
    const qint64 elapsed = started.msecsTo(console.clock.now());
    QVERIFY2(elapsed >= waited && elapsed < waited + 400, qPrintable(QString::number(elapsed)));
}

void TestHomePage::integradorErrorReadable()
{
    // The Integrador's error text arrives as UTF-8; the raw-reply box and the
    // status bar show its accents.
    ConsoleFixture console;
    FakeIntegrador integrador(console.clock);
    integrador.replyWithError(QStringLiteral("Módulo não respondeu"));
    integrador.installOn(console.clock);
    console.start();
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BtnPrincipal")), Qt::LeftButton);
    QCOMPARE(console.interaction.messages(), QStringList{QStringLiteral("Módulo não respondeu")});
    QCOMPARE(console.find<QLabel>(QStringLiteral("StatusPanel"))->text(), QStringLiteral("Módulo não respondeu"));
}

void TestHomePage::statusAc_data()
{
    QTest::addColumn<QString>("typed");     // empty with confirm=false: closed by its close box
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("status");

    QTest::newRow("cancelled") << "12345678" << false << QStringList() << QString();
    QTest::newRow("too short") << " 1234567 " << true
                               << QStringList{ConsoleTexts::kCodigoCurto} << QString();
    QTest::newRow("long enough") << "12345678" << true << QStringList()
                                 << QStringLiteral("Transmitido comando EnviarStatusAC");
}

void TestHomePage::statusAc()
{
    QFETCH(QString, typed);
    QFETCH(bool, confirm);
    QFETCH(QStringList, messages);
    QFETCH(QString, status);

    BoundConsole bound;
    bound.answerPrompt(typed, confirm);
    auto *button = bound.console.find<QPushButton>(QStringLiteral("BtnStatusAC"));
    button->setEnabled(true); // hidden and disabled in the console: driven here directly
    button->click();

    QCOMPARE(bound.console.interaction.messages(), messages);
    QCOMPARE(bound.console.find<QLabel>(QStringLiteral("StatusPanel"))->text(), status);
    const QString session = bound.console.find<QLineEdit>(QStringLiteral("Edit1"))->text();
    QCOMPARE(session == QLatin1String("000000"), status.isEmpty());
    QVERIFY(bound.module.calls().isEmpty()); // nothing is sent to the module
}

QTEST_MAIN(TestHomePage)
#include "tst_homepage.moc"
