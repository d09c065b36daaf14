#include "boundconsole.h"
#include "consolefixture.h"
#include "fakemodule.h"
#include "integradorconsole.h"
#include "testfiles.h"

#include "channel/command.h"
#include "console/frame/operationframe.h"
#include "console/tfativacao.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QWindow>
#include <optional>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {

const QStringList kAdministratorRow = {QStringLiteral("LblCFeFile"), QStringLiteral("LblCFeDir"),
                                       QStringLiteral("Button1"),    QStringLiteral("BitBtn10"),
                                       QStringLiteral("BitBtn8"),    QStringLiteral("BtnDir"),
                                       QStringLiteral("BtnEnviaDir")};
const QString kCaption = QStringLiteral("MFE - VANTEL (Ativação - v1.0.0.6)");
const QString kIntegradorSuffix = QStringLiteral("  --  Acesso direto ao Integrador  --  ");

} // namespace

class TestTFAtivacao : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandLine_data();
    void commandLine();
    void binding_data();
    void binding();
    void defaultState();
    void leftColumn_data();
    void leftColumn();
    void pages_data();
    void pages();
    void tabFromSairGoesToThePage();
    void sairClosesAndWritesSettings();
    void sairKeepsUnchangedSettingsFile();
    void damagedSettingsFileIsReportedAndKept();
    void settingsPipeDoesNotHangStartUp();
    void closeDuringHangingCall_data();
    void closeDuringHangingCall();
    void forcedEndWithdrawsIntegradorRequest();
};

void TestTFAtivacao::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("rowShown");
    QTest::addColumn<int>("memoHeight");
    QTest::addColumn<bool>("libraryLooked");

    QTest::newRow("none") << QStringList() << false << 305 << false;
    QTest::newRow("/ADMIN") << QStringList{QStringLiteral("/ADMIN")} << true << 220 << false;
    QTest::newRow("/admin lower case") << QStringList{QStringLiteral("/admin")} << true << 220 << false;
    QTest::newRow("/AdMiN mixed case") << QStringList{QStringLiteral("/AdMiN")} << true << 220 << false;
    QTest::newRow("/ADMIN with trailing blank") << QStringList{QStringLiteral("/ADMIN ")} << true << 308 << false;
    QTest::newRow("/ADMINX") << QStringList{QStringLiteral("/ADMINX")} << true << 308 << false;
    QTest::newRow("unknown argument") << QStringList{QStringLiteral("-x")} << true << 308 << false;
    QTest::newRow("/dll= empty name") << QStringList{QStringLiteral("/dll=")} << true << 308 << false;
    QTest::newRow("/dll=name") << QStringList{QStringLiteral("/dll=Missing.so")} << true << 308 << true;
    QTest::newRow("/ADMIN then /DLL=") << QStringList{QStringLiteral("/ADMIN"), QStringLiteral("/DLL=x.so")} << true
                                       << 220 << false;
    QTest::newRow("/DLL= then /ADMIN") << QStringList{QStringLiteral("/DLL=x.so"), QStringLiteral("/ADMIN")} << true
                                       << 308 << true;
}

void TestTFAtivacao::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, rowShown);
    QFETCH(int, memoHeight);
    QFETCH(bool, libraryLooked);

    ConsoleFixture console;
    TFAtivacao &window = console.start(arguments);
    for (const QString &name : kAdministratorRow) {
        QWidget *control = console.find<QWidget>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(!control->isHidden(), rowShown);
    }
    auto *memo = console.find<QPlainTextEdit>(QStringLiteral("MemoCFe"));
    QCOMPARE(memo->height(), memoHeight);
    QCOMPARE(!console.find<QLabel>(QStringLiteral("LblDllMfe"))->isHidden(), libraryLooked);
    QCOMPARE(window.windowTitle(), libraryLooked ? kCaption + kIntegradorSuffix : kCaption);
    QVERIFY(window.channel().binding().ArquivoDll().isEmpty());
    QCOMPARE(console.find<QLineEdit>(QStringLiteral("Edtproxy_senha"))->echoMode(), QLineEdit::Password);
}

void TestTFAtivacao::binding_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("install"); // "library", "junk" or nothing
    QTest::addColumn<QString>("searching");
    QTest::addColumn<QString>("error"); // empty: hidden
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("bound");

    QTest::newRow("found and loaded, case kept") << "/dll=FakeMfe.so" << "library"
        << "Procurando DLL: \"FakeMfe.so\" ........ [ OK ]" << QString()
        << "Versão: 1.0.0.6 (Acesso pela DLL: FakeMfe.so)" << "  --  Acesso pela DLL: FakeMfe.so  --  "
        << "FakeMfe.so";
    QTest::newRow("found in a sub-folder") << "/DLL=sub/mfe.so" << "library"
        << "Procurando DLL: \"sub/mfe.so\" ........ [ OK ]" << QString()
        << "Versão: 1.0.0.6 (Acesso pela DLL: sub/mfe.so)" << "  --  Acesso pela DLL: sub/mfe.so  --  "
        << "sub/mfe.so";
    QTest::newRow("not found") << "/DLL=none.so" << QString()
        << "Procurando DLL: \"none.so\" ........ [ Não encontrada ]" << "--- Erro carga da DLL:  ---"
        << "Versão: 1.0.0.6 (Acesso direto ao Integrador)" << kIntegradorSuffix << QString();
    QTest::newRow("present but not loadable") << "/DLL=junk.so" << "junk"
        << "Procurando DLL: \"junk.so\" ........ [ OK ]" << "--- Erro carga da DLL: junk.so ---"
        << "Versão: 1.0.0.6 (Acesso direto ao Integrador)" << kIntegradorSuffix << QString();
}

void TestTFAtivacao::binding()
{
    QFETCH(QString, argument);
    QFETCH(QString, install);
    QFETCH(QString, searching);
    QFETCH(QString, error);
    QFETCH(QString, version);
    QFETCH(QString, suffix);
    QFETCH(QString, bound);

    ConsoleFixture console;
    const QString fileName = argument.mid(5);
    if (install == QLatin1String("library")) {
        QVERIFY(FakeModule::installInto(QStringLiteral(FAKE_MFE_LIBRARY), console.programFolder(), fileName));
    } else if (install == QLatin1String("junk")) {
        QVERIFY(TestFiles::write(console.programFolder() + fileName, "this is not a library"));
    }
    TFAtivacao &window = console.start({argument});

    auto *mfe = console.find<QLabel>(QStringLiteral("LblDllMfe"));
    QVERIFY(!mfe->isHidden());
    QCOMPARE(mfe->text(), searching);
    QVERIFY(console.find<QLabel>(QStringLiteral("LblDllIntegrador"))->isHidden());
    auto *errorLabel = console.find<QLabel>(QStringLiteral("LblErroDll"));
    auto *integrador = console.find<QLabel>(QStringLiteral("LblXmlIntegrador"));
    QCOMPARE(errorLabel->isHidden(), error.isEmpty());
    QCOMPARE(integrador->isHidden(), error.isEmpty());
    if (!error.isEmpty()) {
        QCOMPARE(errorLabel->text(), error);
        QCOMPARE(integrador->text(), QStringLiteral("*** Acessado direto ao Integrador ***"));
    }
    QCOMPARE(console.find<QLabel>(QStringLiteral("Label7"))->text(), version);
    QCOMPARE(window.windowTitle(), kCaption + suffix);
    QCOMPARE(window.channel().binding().ArquivoDll(), bound);
}

void TestTFAtivacao::defaultState()
{
    ConsoleFixture console;
    TFAtivacao &window = console.start();
    QCOMPARE(window.windowTitle(), kCaption);
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(console.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), 0);
    QCOMPARE(console.find<QLabel>(QStringLiteral("StatusPanel"))->text(), QString());
    QCOMPARE(console.find<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("000000"));
    QCOMPARE(console.find<QLineEdit>(QStringLiteral("Edit1"))->maxLength(), 6);
    auto *states = console.find<QComboBox>(QStringLiteral("cbo"));
    QCOMPARE(states->count(), 27);
    QCOMPARE(states->itemText(0), QStringLiteral("AC"));
    QCOMPARE(states->itemText(25), QStringLiteral("SP"));
    QCOMPARE(states->itemText(26), QStringLiteral("TO"));
    QCOMPARE(console.find<QWidget>(QStringLiteral("Panel1"))->width(), 132);
    auto *logo = console.find<QLabel>(QStringLiteral("Image1"));
    QCOMPARE(logo->pixmap().size(), QSize(124, 59));
    QCOMPARE(logo->geometry(), QRect(4, 342, 124, 59));
    for (const QString &name : {QStringLiteral("LblDllMfe"), QStringLiteral("LblDllIntegrador"),
                                QStringLiteral("LblErroDll"), QStringLiteral("LblXmlIntegrador")})
        QVERIFY(console.find<QLabel>(name)->isHidden());
    QCOMPARE(console.find<QLabel>(QStringLiteral("Label7"))->text(), QStringLiteral("Versão: 1.0.0.6"));
    QVERIFY(window.state().CodAtivacao.isEmpty());
    QVERIFY(console.interaction.events.isEmpty());
    for (const QString &dialog : {QStringLiteral("FValida"), QStringLiteral("FFimAFim"), QStringLiteral("FMSefaz")}) {
        QVERIFY2(console.find<QDialog>(dialog), qPrintable(dialog));
        QVERIFY(console.find<QDialog>(dialog)->isHidden());
    }
}

void TestTFAtivacao::leftColumn_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("page");

    QTest::newRow("BtnConfRede") << "BtnConfRede" << "Config. da Rede" << 28 << 6;
    QTest::newRow("BtnConfRedeMFE") << "BtnConfRedeMFE" << "Config. da Rede MFE" << 56 << 7;
    QTest::newRow("BtnAtivacao") << "BtnAtivacao" << "Ativação do MFE" << 84 << 2;
    QTest::newRow("BtnAssocAssin") << "BtnAssocAssin" << "Associar Aplic. Comercial" << 112 << 3;
    QTest::newRow("BtnTestefimafim") << "BtnTestefimafim" << "Testes" << 140 << 5;
    QTest::newRow("BitBtnStatus") << "BitBtnStatus" << "Status Operacional" << 168 << 8;
    QTest::newRow("BitBtnStatusMFE") << "BitBtnStatusMFE" << "Status Operacional MFE" << 196 << 8;
    QTest::newRow("BitLogs") << "BitLogs" << "Extrair Logs" << 224 << 9;
    QTest::newRow("BtnCodAtivacao") << "BtnCodAtivacao" << "Trocar Cód. Ativação" << 252 << 1;
    QTest::newRow("BtnBloquearSAT") << "BtnBloquearSAT" << "Bloquear/Desbloquear" << 280 << 4;
    QTest::newRow("BitAtualizaSW") << "BitAtualizaSW" << "Atualizar SW Básico" << 308 << 10;
    QTest::newRow("BitSuperLog") << "BitSuperLog" << "SuperLog" << 406 << 9;
    QTest::newRow("BtnPrincipal") << "BtnPrincipal" << "MFE - VANTEL" << 0 << 0;
    QTest::newRow("BtnSair") << "BtnSair" << "Sair" << 434 << -1;
}

void TestTFAtivacao::leftColumn()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, top);
    QFETCH(int, page);

    ConsoleFixture console;
    console.start();
    auto *button = console.find<QPushButton>(name);
    QVERIFY(button);
    QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("Panel1"));
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->geometry(), QRect(0, top, 130, 29));
    QVERIFY(button->isEnabled());
    QVERIFY(!button->isHidden());
    if (page < 0 || name == QLatin1String("BtnPrincipal"))
        return; // their handlers are tested on their own
    auto *pages = console.find<QStackedWidget>(QStringLiteral("PageControl"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), page);
}

void TestTFAtivacao::pages_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("titleBar");
    QTest::addColumn<QString>("title");

    QTest::newRow("0") << 0 << "TabMorvo" << "Panel7" << "MFE VANTEL";
    QTest::newRow("1") << 1 << "TabCodAtiva" << "Panel2" << "CÓDIGO DE ATIVAÇÃO";
    QTest::newRow("2") << 2 << "TabAtivar" << "Panel3" << "ATIVAÇÃO DO MFE";
    QTest::newRow("3") << 3 << "TabAssocAss" << "Panel5" << "ASSOCIAR APLIC. COMERCIAL";
    QTest::newRow("4") << 4 << "TabBloq" << "Panel6" << "BLOQUEAR/DESBLOQUEAR";
    QTest::newRow("5") << 5 << "TabTeste" << "Panel4" << "";
    QTest::newRow("6") << 6 << "TabConfRede" << "Panel8" << "CONFIGURAÇÕES DE REDE";
    QTest::newRow("7") << 7 << "TabConfRedeMFE" << "Panel9" << "CONFIGURAÇÕES DE REDE MFE";
    QTest::newRow("8") << 8 << "TabStatus" << "Panel10" << "STATUS OPERACIONAL";
    QTest::newRow("9") << 9 << "TabLog" << "Panel11" << "EXTRAÇÃO DOS LOGS";
    QTest::newRow("10") << 10 << "TabAtualizaSW" << "Panel12" << "ATUALIZAR SOFTWARE BÁSICO";
}

void TestTFAtivacao::pages()
{
    QFETCH(int, index);
    QFETCH(QString, page);
    QFETCH(QString, titleBar);
    QFETCH(QString, title);

    ConsoleFixture console;
    console.start();
    auto *pages = console.find<QStackedWidget>(QStringLiteral("PageControl"));
    QCOMPARE(pages->count(), 11);
    QWidget *widget = pages->widget(index);
    QCOMPARE(widget->objectName(), page);
    auto *bar = widget->findChild<QLabel *>(titleBar);
    QVERIFY(bar);
    QCOMPARE(bar->text(), title);
    QCOMPARE(bar->height(), 25);
}

void TestTFAtivacao::tabFromSairGoesToThePage()
{
    ConsoleFixture console;
    TFAtivacao &window = console.start();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *sair = console.find<QPushButton>(QStringLiteral("BtnSair"));
    sair->setFocus(Qt::TabFocusReason);

    QTest::keyClick(sair, Qt::Key_Tab);

    // Page 0's first control, "Consultar MFE".
    QCOMPARE(QApplication::focusWidget(), console.find<QPushButton>(QStringLiteral("BitBtn6")));
}

void TestTFAtivacao::sairClosesAndWritesSettings()
{
    ConsoleFixture console;
    TFAtivacao &window = console.start();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BtnSair")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    const QString settings = console.workingFolder() + QStringLiteral("/Parametros.xml");
    QVERIFY(!QFile::exists(settings));
    console.stop();
    QVERIFY(QFile::exists(settings)); // no file in the working folder: written at exit
    QVERIFY(console.interaction.events.isEmpty());
}

void TestTFAtivacao::sairKeepsUnchangedSettingsFile()
{
    ConsoleFixture console;
    const QString settings = console.workingFolder() + QStringLiteral("/Parametros.xml");
    QFile::copy(QStringLiteral(TEST_DATA_DIR "/Parametros.default.xml"), settings);
    QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner);
    const QDateTime written = QFileInfo(settings).lastModified();
    console.start();
    QCOMPARE(console.window().cds().fieldAsString(QStringLiteral("tipoInter")), QStringLiteral("ETHE"));
    console.stop();
    const QByteArray reference = TestFiles::read(QStringLiteral(TEST_DATA_DIR "/Parametros.default.xml"));
    QVERIFY(!reference.isEmpty());
    QCOMPARE(TestFiles::read(settings), reference);
    QCOMPARE(QFileInfo(settings).lastModified(), written);
}

void TestTFAtivacao::damagedSettingsFileIsReportedAndKept()
{
    ConsoleFixture console;
    const QString settings = console.workingFolder() + QStringLiteral("/Parametros.xml");
    const QByteArray damaged = "<DATAPACKET Version=\"2.0\"><METADATA><FIELDS>";
    QVERIFY(TestFiles::write(settings, damaged));
    console.start();
    QCOMPARE(console.interaction.messages().size(), 1);
    QVERIFY(console.interaction.messages().first().contains(QStringLiteral("Parametros.xml")));
    console.window().cds().Edit();
    console.window().cds().setFieldAsString(QStringLiteral("lanIP"), QStringLiteral("10.0.0.1"));
    QVERIFY(console.window().cds().Post());
    console.stop();

    // The damaged original survives next to the new file.
    bool kept = false;
    for (const QFileInfo &entry : QDir(console.workingFolder()).entryInfoList(QDir::Files))
        kept = kept || TestFiles::read(entry.filePath()) == damaged;
    QVERIFY(kept);
}

void TestTFAtivacao::settingsPipeDoesNotHangStartUp()
{
#ifdef Q_OS_UNIX
    ConsoleFixture console;
    const QString settings = console.workingFolder() + QStringLiteral("/Parametros.xml");
    QCOMPARE(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
    console.start();
    QCOMPARE(console.interaction.messages().size(), 1);
    console.window().cds().setFieldAsString(QStringLiteral("lanIP"), QStringLiteral("10.0.0.1"));
    console.stop();
    QVERIFY(QFileInfo(settings).isFile()); // the new settings replace the pipe, moved aside
    QVERIFY(QFileInfo(settings + QStringLiteral(".bak")).exists());
#else
    QSKIP("named pipes are a POSIX matter");
#endif
}

void TestTFAtivacao::closeDuringHangingCall_data()
{
    QTest::addColumn<QStringList>("waits");   // per wait of one handler, the closes asked for: main, other or child
    QTest::addColumn<QStringList>("shown");   // the status bar after each close, until the end is asked for
    QTest::addColumn<bool>("endedAtOnce");
    QTest::addColumn<bool>("mainClosed");     // after the handler

    const QString waiting = QStringLiteral("Aguardando retorno do MFE ...");
    const QString notice = QStringLiteral("Fechamento solicitado: o programa será fechado quando o MFE responder. "
                                          "Feche novamente para sair agora.");
    QTest::newRow("one close waits for the reply") << QStringList{"main"} << QStringList{notice} << false << true;
    QTest::newRow("a second close ends at once") << QStringList{"main main"} << QStringList{notice} << true << true;
    QTest::newRow("another window closed twice")
        << QStringList{"other other"} << QStringList{waiting, waiting} << false << false;
    QTest::newRow("two waits, one close in each")
        << QStringList{"main", "main"} << QStringList{notice, notice} << false << true;
    QTest::newRow("two waits, the second closed twice")
        << QStringList{"main", "main main"} << QStringList{notice, notice} << true << true;
    QTest::newRow("another window once, then the main window once")
        << QStringList{"other main"} << QStringList{waiting, notice} << false << true;
    QTest::newRow("a child widget's close does not count")
        << QStringList{"main child"} << QStringList{notice, notice} << false << true;
}

// One handler sends a command per wait; the module library hangs in each
// until the test lets it answer. Meanwhile windows are asked to close: the
// main window and another one as the close button and Alt+F4 ask, a child
// widget as code closes it.
void TestTFAtivacao::closeDuringHangingCall()
{
    QFETCH(QStringList, waits);
    QFETCH(QStringList, shown);
    QFETCH(bool, endedAtOnce);
    QFETCH(bool, mainClosed);

    BoundConsole bound;
    TFAtivacao &window = bound.console.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    auto *child = new QLabel(&window);
    child->show();
    const auto askToClose = [&](const QString &name) {
        if (name == QLatin1String("child")) {
            child->close();
            return;
        }
        QCloseEvent request;
        QCoreApplication::sendEvent((name == QLatin1String("main") ? &window : &other)->windowHandle(), &request);
    };
    window.cds().setFieldAsString(QStringLiteral("lanIP"), QStringLiteral("10.0.0.1"));
    const QString settings = bound.console.workingFolder() + QStringLiteral("/Parametros.xml");
    QStringList ends; // the settings file's state at each end of the process asked for
    bool waitCursorAtEnd = false;
    window.setProcessEnd([&] {
        ends << QString::fromUtf8(TestFiles::read(settings));
        waitCursorAtEnd = waitCursorAtEnd || QApplication::overrideCursor();
    });
    bound.module.setReply(QStringLiteral("ConsultarSAT"), "{sessao}|08000|MF-e em operação|||");

    QStringList shownInWait;
    bool visibleInWait = true;
    int endsInWait = 0;
    auto *button = new QPushButton(&window);
    window.frame().onClick(button, [&] {
        for (const QString &closes : std::as_const(waits)) {
            bound.module.hold(QStringLiteral("ConsultarSAT"));
            QMetaObject::invokeMethod(&window, [&, closes] {
                for (const QString &name : closes.split(u' ')) {
                    askToClose(name);
                    if (ends.isEmpty())
                        shownInWait << bound.statusText();
                }
                visibleInWait = visibleInWait && window.isVisible();
                endsInWait = int(ends.size());
                bound.module.release(QStringLiteral("ConsultarSAT"));
            }, Qt::QueuedConnection);
            window.frame().send(Command::ConsultarSAT, {});
        }
    });
    button->click();

    QCOMPARE(shownInWait, shown);
    QVERIFY(visibleInWait);
    // Asked for while the call still hung, with the settings already written
    // and the cursor restored.
    QCOMPARE(endsInWait, endedAtOnce ? 1 : 0);
    QCOMPARE(ends.size(), endsInWait);
    QVERIFY(!waitCursorAtEnd);
    for (const QString &written : std::as_const(ends))
        QVERIFY2(written.contains(QStringLiteral("lanIP=\"10.0.0.1\"")), qPrintable(written));
    QCOMPARE(bound.module.calls().size(), waits.size());
    QCOMPARE(window.isVisible(), !mainClosed); // the replies came: the held close happens
    QVERIFY(bound.messages().isEmpty());
    QVERIFY(!QApplication::overrideCursor());
    bound.console.stop();
    QVERIFY(TestFiles::read(settings).contains("lanIP=\"10.0.0.1\""));
}

// A silent Integrador; the technician closes the window twice during the
// wait. The request leaves Input before the program ends, so the Integrador
// does not carry it out later with nobody watching.
void TestTFAtivacao::forcedEndWithdrawsIntegradorRequest()
{
    IntegradorConsole road{QString()};
    road.integrador.staySilent();
    TFAtivacao &window = road.console.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QDir input(road.console.prefix.input());
    std::optional<QStringList> atEnd;
    window.setProcessEnd([&] { atEnd = input.entryList(QDir::Files); });
    QStringList inWait;
    road.console.clock.onPause = [&, pause = road.console.clock.onPause] {
        pause();
        if (!inWait.isEmpty())
            return;
        inWait = input.entryList(QDir::Files);
        QMetaObject::invokeMethod(&window, [&window] {
            for (int close = 0; close < 2; ++close) {
                QCloseEvent request;
                QCoreApplication::sendEvent(window.windowHandle(), &request);
            }
        }, Qt::BlockingQueuedConnection);
    };

    QTest::mouseClick(road.console.find<QPushButton>(QStringLiteral("BitBtn6")), Qt::LeftButton);

    QCOMPARE(inWait.size(), 1);
    QVERIFY(atEnd.has_value());
    QCOMPARE(*atEnd, QStringList());
    QCOMPARE(input.entryList(QDir::Files), QStringList());
}

QTEST_MAIN(TestTFAtivacao)
#include "tst_tfativacao.moc"
