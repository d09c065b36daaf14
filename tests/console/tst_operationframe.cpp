#include "consolefixture.h"
#include "consoletexts.h"
#include "fakeintegrador.h"
#include "integradorconsole.h"

#include "console/frame/consolestate.h"
#include "console/frame/operationframe.h"
#include "console/frame/tfmsefaz.h"
#include "console/frame/tfvalida.h"
#include "console/tfativacao.h"
#include "console/widgets/labelededit.h"
#include "platform/ansicodepage.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QThread>
#include <atomic>
#include <stdexcept>

namespace {

// Records what the status panel shows each time it is painted.
class PaintProbe : public QObject
{
public:
    explicit PaintProbe(QLabel &panel)
        : panel_(panel)
    {
        panel.installEventFilter(this);
    }
    QStringList shown; // text and cursor at each paint
    std::atomic<int> paints{0};

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QCursor *cursor = QApplication::overrideCursor();
            shown << panel_.text() + (cursor && cursor->shape() == Qt::WaitCursor ? QStringLiteral(" (wait cursor)") : QString());
            ++paints;
        }
        return false;
    }

private:
    QLabel &panel_;
};

} // namespace

class TestOperationFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusBar_data();
    void statusBar();
    void sefazDialog_data();
    void sefazDialog();
    void prompt_data();
    void prompt();
    void promptDefaultState();
    void sefazDefaultState();
    void guardVariants_data();
    void guardVariants();
    void guardReportsRead_data();
    void guardReportsRead();
    void promptedCode_data();
    void promptedCode();
    void resultTable_data();
    void resultTable();
    void codeCheck_data();
    void codeCheck();
    void errorAtHandlerEdgeRestoresWaitState();
    void eachCommandWaitsWithItsOwnSessionNumber();
    void waitPaintsAndTakesNoInput_data();
    void waitPaintsAndTakesNoInput();
    void commandErrorReachesHandlerEdge();
    void standardMessages();
};

void TestOperationFrame::statusBar_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("shown");

    const QString ten = QStringLiteral("0123456789");
    const QString hundredTen = ten.repeated(11);
    QTest::newRow("110 characters whole") << hundredTen << hundredTen;
    QTest::newRow("111 characters cut") << hundredTen + QStringLiteral("X") << hundredTen + QStringLiteral(" ...");
    QTest::newRow("empty") << QString() << QString();
    // 111 ANSI characters that decode from UTF-8 to 110: shown whole.
    QTest::newRow("UTF-8 pair counts once") << AnsiCodePage::toUnicode("\xc3\xa7") + ten.repeated(10) + QStringLiteral("123456789")
                                            << QStringLiteral("ç") + ten.repeated(10) + QStringLiteral("123456789");
    QTest::newRow("not UTF-8: the code page") << QStringLiteral("a\u00e9b") << QStringLiteral("a\u00e9b");
    const QString euro = AnsiCodePage::toUnicode("\xe2\x82\xac"); // "€" as UTF-8 bytes
    QTest::newRow("110 three-byte characters whole") << euro.repeated(110) << QStringLiteral("€").repeated(110);
    QTest::newRow("a long reply of three-byte characters cut")
        << euro.repeated(5000) << QStringLiteral("€").repeated(110) + QStringLiteral(" ...");
    // Only a prefix is read: a character it cuts in two keeps the text UTF-8.
    QTest::newRow("a long UTF-8 reply cut inside a character")
        << QStringLiteral("x") + AnsiCodePage::toUnicode("\xc3\xa7").repeated(400)
        << QStringLiteral("x") + QStringLiteral("ç").repeated(109) + QStringLiteral(" ...");
    QTest::newRow("a long code-page reply cut")
        << QStringLiteral("é").repeated(400) << QStringLiteral("é").repeated(110) + QStringLiteral(" ...");
    // One line: every line break character is shown as a blank.
    QTest::newRow("LF CR") << QStringLiteral("presentes.\n\rVerifique") << QStringLiteral("presentes.  Verifique");
    QTest::newRow("CR LF and a final LF") << QStringLiteral("a\r\nb\n") << QStringLiteral("a  b ");
    QTest::newRow("line and paragraph separators")
        << AnsiCodePage::toUnicode("a\xe2\x80\xa8" "b\xe2\x80\xa9" "c") << QStringLiteral("a b c");
    QTest::newRow("line break counts as one character")
        << QStringLiteral("\n") + hundredTen << QStringLiteral(" ") + hundredTen.left(109) + QStringLiteral(" ...");
    QTest::newRow("markup unchanged") << QStringLiteral("<b>x</b> &lt;") << QStringLiteral("<b>x</b> &lt;");
}

void TestOperationFrame::statusBar()
{
    QFETCH(QString, reply);
    QFETCH(QString, shown);
    ConsoleFixture console;
    console.start();
    console.window().frame().mostrastatus(reply);
    QCOMPARE(console.find<QLabel>(QStringLiteral("StatusPanel"))->text(), shown);
}

void TestOperationFrame::sefazDialog_data()
{
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("memo"); // empty: no dialog

    QTest::newRow("3 fields") << "1|2|3" << QString();
    QTest::newRow("4 fields, field 3 set") << "1|2|3|C01" << QStringLiteral("Código: C01\n\n");
    QTest::newRow("5 fields") << "1|2|3|C01|Mensagem" << QStringLiteral("Código: C01\n\nMensagem");
    QTest::newRow("5 fields, field 3 empty") << "1|2|3||Mensagem" << QString();
    QTest::newRow("6 fields") << "1|2|3|C01|M|extra" << QStringLiteral("Código: C01\n\nM");
    QTest::newRow("markup unchanged") << "1|2|3|<b>C</b>|&lt;M&gt;" << QStringLiteral("Código: <b>C</b>\n\n&lt;M&gt;");
    // A four-character field 2 moves the code and the message one place on.
    QTest::newRow("four-character field 2, fields 4 and 5 empty")
        << "123456|12000|0000|Rede Configurada com Sucesso|||" << QString();
    QTest::newRow("four-character field 2, no field 4") << "1|12000|0000|Rede Configurada com Sucesso" << QString();
    QTest::newRow("four-character field 2, field 4 set")
        << "1|12001|1234|Rede inválida|C01" << QStringLiteral("Código: C01\n\n");
    QTest::newRow("four-character field 2, fields 4 and 5 set")
        << "1|06000|0000|Emitido|C01|Mensagem|extra" << QStringLiteral("Código: C01\n\nMensagem");
    QTest::newRow("three-character field 2") << "1|2|abc|C01|Mensagem" << QStringLiteral("Código: C01\n\nMensagem");
    QTest::newRow("five-character field 2") << "1|2|abcde|C01|Mensagem" << QStringLiteral("Código: C01\n\nMensagem");
}

void TestOperationFrame::sefazDialog()
{
    QFETCH(QString, reply);
    QFETCH(QString, memo);
    ConsoleFixture console;
    console.start();
    OperationFrame &frame = console.window().frame();
    bool read = false;
    QVERIFY(frame.readReply(Reply(reply), [&read] { read = true; }));
    QVERIFY(read);
    if (memo.isEmpty()) {
        QVERIFY(console.interaction.events.isEmpty());
        return;
    }
    QCOMPARE(console.interaction.events, QStringList{QStringLiteral("dialog: FMSefaz")});
    QCOMPARE(console.window().FMSefaz->MemoSefaz->toPlainText(), memo);
    QCOMPARE(console.window().FMSefaz->MemoSefaz->document()->blockCount(), 3);
}

void TestOperationFrame::prompt_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how"); // "click", "enter" or "close"
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("code");

    QTest::newRow("blanks trimmed") << "  abcdefgh  " << "click" << true << "abcdefgh";
    QTest::newRow("enter presses Validar") << "12345678" << "enter" << true << "12345678";
    QTest::newRow("empty confirmed with enter") << "" << "enter" << true << "";
    QTest::newRow("closed by close box") << "12345678" << "close" << false << "";
    QTest::newRow("longer than 32 is cut") << QString(40, QLatin1Char('a')) << "click" << true << QString(32, QLatin1Char('a'));
}

void TestOperationFrame::prompt()
{
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(bool, confirmed);
    QFETCH(QString, code);

    ConsoleFixture console;
    console.start();
    console.window().state().CodAtivacao = QStringLiteral("anterior");
    console.interaction.dialogSteps.enqueue([typed, how](QDialog &dialog) {
        auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("EdtCodigo"));
        QVERIFY(edit->text().isEmpty()); // cleared at each showing
        QTest::keyClicks(edit, typed);
        if (how == QLatin1String("click"))
            QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("BtnTrocarCod")), Qt::LeftButton);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(edit, Qt::Key_Return);
    });
    QCOMPARE(console.window().frame().askCode(), confirmed);
    QCOMPARE(console.window().state().Cancelado, confirmed ? 0 : 1);
    QCOMPARE(console.window().state().CodAtivacao, code);
}

void TestOperationFrame::promptedCode_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("code"); // empty: none
    QTest::addColumn<QStringList>("messages");

    const QStringList shortCode{QStringLiteral("Código de Ativação deve ter no mínimo 8 caracteres.")};
    QTest::newRow("8 characters within blanks") << " 12345678 " << true << "12345678" << QStringList();
    QTest::newRow("7 characters") << "1234567" << true << QString() << shortCode;
    QTest::newRow("empty") << "" << true << QString() << shortCode;
    QTest::newRow("prompt closed") << "12345678" << false << QString() << QStringList();
}

void TestOperationFrame::promptedCode()
{
    QFETCH(QString, typed);
    QFETCH(bool, confirm);
    QFETCH(QString, code);
    QFETCH(QStringList, messages);

    ConsoleFixture console;
    console.start();
    console.interaction.dialogSteps.enqueue([typed, confirm](QDialog &dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("EdtCodigo")), typed);
        if (confirm)
            QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("BtnTrocarCod")), Qt::LeftButton);
    });
    const std::optional<QString> prompted = console.window().frame().promptCode();
    QCOMPARE(prompted.value_or(QString()), code);
    QCOMPARE(prompted.has_value(), !code.isEmpty());
    QCOMPARE(console.interaction.messages(), messages);
}

void TestOperationFrame::promptDefaultState()
{
    ConsoleFixture console;
    console.start();
    TFValida *prompt = console.window().FValida;
    QCOMPARE(prompt->windowTitle(), QStringLiteral("MFE - VANTEL (Valida Cód. Ativação)"));
    QCOMPARE(prompt->size(), QSize(372, 90));
    QCOMPARE(prompt->EdtCodigo->maxLength(), 32);
    QCOMPARE(prompt->EdtCodigo->echoMode(), QLineEdit::Password);
    // Every character shows as "*", whatever the platform's own password character.
    QCOMPARE(prompt->EdtCodigo->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, prompt->EdtCodigo),
             int('*'));
    QCOMPARE(prompt->EdtCodigo->geometry(), QRect(16, 38, 254, 21));
    QCOMPARE(prompt->BtnTrocarCod->text(), QStringLiteral("Validar"));
    QCOMPARE(prompt->BtnTrocarCod->geometry(), QRect(276, 34, 80, 29));
    QVERIFY(prompt->BtnTrocarCod->isDefault());
    QCOMPARE(console.window().state().Cancelado, 1);
}

void TestOperationFrame::sefazDefaultState()
{
    ConsoleFixture console;
    console.start();
    TFMSefaz *sefaz = console.window().FMSefaz;
    QCOMPARE(sefaz->windowTitle(), QStringLiteral("Quorvel (Mensagem Sefaz)"));
    QCOMPARE(sefaz->size(), QSize(447, 129));
    QVERIFY(sefaz->MemoSefaz->isReadOnly());
    QCOMPARE(sefaz->MemoSefaz->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void TestOperationFrame::guardVariants_data()
{
    QTest::addColumn<int>("guard");
    QTest::addColumn<bool>("withSefaz"); // readReply, else readGuarded
    QTest::addColumn<QStringList>("events");

    const QString kSefaz = QStringLiteral("dialog: FMSefaz");
    const QString kRaw = QStringLiteral("message: sem|campo||C01");
    QTest::newRow("raw reply shown") << int(OperationFrame::Guard::ShowRawReply) << true << QStringList{kRaw, kSefaz};
    QTest::newRow("silent") << int(OperationFrame::Guard::Silent) << true << QStringList{kSefaz};
    // The page shows the tax authority's message itself, if at all.
    QTest::newRow("raw reply shown, no tax authority's step")
        << int(OperationFrame::Guard::ShowRawReply) << false << QStringList{kRaw};
    QTest::newRow("silent, no tax authority's step") << int(OperationFrame::Guard::Silent) << false << QStringList();
}

void TestOperationFrame::guardVariants()
{
    QFETCH(int, guard);
    QFETCH(bool, withSefaz);
    QFETCH(QStringList, events);

    ConsoleFixture console;
    console.start();
    OperationFrame &frame = console.window().frame();
    const Reply reply(QStringLiteral("sem|campo||C01"));
    bool pastTheError = false;
    const auto reading = [&reply, &pastTheError] {
        reply.field(4);
        pastTheError = true;
    };
    const auto how = OperationFrame::Guard(guard);
    const bool read = withSefaz ? frame.readReply(reply, reading, how) : frame.readGuarded(reply, reading, how);
    QVERIFY(!pastTheError);
    QVERIFY(!read);
    QCOMPARE(console.interaction.events, events);
}

void TestOperationFrame::guardReportsRead_data()
{
    QTest::addColumn<int>("guard");
    QTest::newRow("raw reply shown") << int(OperationFrame::Guard::ShowRawReply);
    QTest::newRow("silent") << int(OperationFrame::Guard::Silent);
}

void TestOperationFrame::guardReportsRead()
{
    QFETCH(int, guard);
    ConsoleFixture console;
    console.start();
    OperationFrame &frame = console.window().frame();
    const Reply reply(QStringLiteral("123456|08000|ok|C01|Mensagem"));
    QString code;
    QVERIFY(frame.readReply(reply, [&] { code = reply.resultCode(); }, OperationFrame::Guard(guard)));
    QCOMPARE(code, QStringLiteral("08000"));
    QCOMPARE(console.interaction.events, QStringList{QStringLiteral("dialog: FMSefaz")});
}

void TestOperationFrame::resultTable_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("messages");

    const QString other = QStringLiteral("outro código");
    const auto association = int(Command::AssociarAssinatura);
    QTest::newRow("listed code") << association << "13001" << QStringList{QStringLiteral("Código ativação inválido")};
    QTest::newRow("first row of a code wins") << association << "13002" << QStringList{QStringLiteral("primeira")};
    QTest::newRow("the command's busy code") << association << "13098" << QStringList{ConsoleTexts::kFalhaComunicacao};
    QTest::newRow("another family's busy code") << association << "04098" << QStringList{other};
    QTest::newRow("unlisted code") << association << "13005" << QStringList{other};
    QTest::newRow("busy code of the activation") << int(Command::AtivarSAT) << "04098"
                                                 << QStringList{ConsoleTexts::kFalhaComunicacao};
    QTest::newRow("MF-e status shares the status family") << int(Command::ConsultarStatusOperacionalMFE) << "10098"
                                                          << QStringList{ConsoleTexts::kFalhaComunicacao};
    QTest::newRow("MF-e network shares the network family") << int(Command::ConfigurarInterfaceDeRedeMFE) << "12098"
                                                            << QStringList{ConsoleTexts::kFalhaComunicacao};
    QTest::newRow("busy code listed in the table") << int(Command::ConsultarNumeroSessao) << "11098"
                                                   << QStringList{QStringLiteral("mensagem própria")};
}

void TestOperationFrame::resultTable()
{
    QFETCH(int, command);
    QFETCH(QString, code);
    QFETCH(QStringList, messages);

    ConsoleFixture console;
    console.start();
    OperationFrame &frame = console.window().frame();
    const OperationFrame::ResultTable table = {
        {QStringLiteral("13001"), QStringLiteral("Código ativação inválido")},
        {QStringLiteral("13002"), QStringLiteral("primeira")},
        {QStringLiteral("13002"), QStringLiteral("segunda")},
        {QStringLiteral("11098"), QStringLiteral("mensagem própria")},
    };
    const Reply reply(QStringLiteral("123456|") + code + QStringLiteral("|texto||"));
    const bool shown = frame.showResult(Command(command), reply, table);
    if (!shown)
        console.interaction.showMessage(QStringLiteral("outro código"));
    QCOMPARE(console.interaction.messages(), messages);
    QCOMPARE(shown, messages != QStringList{QStringLiteral("outro código")});
}

void TestOperationFrame::codeCheck_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("passes");

    QTest::newRow("7 within blanks") << " 1234567 " << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("8 within blanks") << "  12345678 " << true;
    QTest::newRow("tab and 8") << "\t12345678" << true;
}

void TestOperationFrame::codeCheck()
{
    QFETCH(QString, typed);
    QFETCH(bool, passes);

    ConsoleFixture console;
    console.start();
    QLineEdit edit;
    edit.setText(typed);
    const QString message = QStringLiteral("mensagem da página");
    QCOMPARE(console.window().frame().checkCode(edit, message), passes);
    QCOMPARE(console.interaction.messages(), passes ? QStringList() : QStringList{message});
    QCOMPARE(edit.text(), passes ? typed : QString());
}

void TestOperationFrame::errorAtHandlerEdgeRestoresWaitState()
{
    ConsoleFixture console;
    console.start();
    OperationFrame &frame = console.window().frame();
    QPushButton button;
    frame.onClick(&button, [&frame] {
        frame.CursorWait();
        throw std::runtime_error("falha dentro da biblioteca");
    });
    button.click();
    QCOMPARE(console.interaction.messages(), QStringList{QStringLiteral("falha dentro da biblioteca")});
    QCOMPARE(console.find<QLabel>(QStringLiteral("StatusPanel"))->text(), QString());
    QVERIFY(!QApplication::overrideCursor());
}

void TestOperationFrame::eachCommandWaitsWithItsOwnSessionNumber()
{
    IntegradorConsole road(QStringLiteral("{sessao}|08000|ok||"));
    OperationFrame &frame = road.console.window().frame();
    frame.send(Command::ConsultarSAT, {});
    road.console.clock.setNow(QDateTime(QDate(2026, 12, 7), QTime(12, 0)));
    frame.send(Command::ConsultarSAT, {});

    // The numbers of 10:20:30.400 and of noon.
    QCOMPARE(road.requestParameters(0), QStringList{QStringLiteral("numeroSessao=681972")});
    QCOMPARE(road.requestParameters(1), QStringList{QStringLiteral("numeroSessao=182712")});
    QCOMPARE(road.console.find<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("182712"));
    // Every pause of both exchanges happened in the wait state, which ends with the reply.
    QVERIFY(road.waitStates.size() >= 2);
    QCOMPARE(road.waitStates.filter(QStringLiteral("Aguardando retorno do MFE ... (wait cursor)")), road.waitStates);
    QVERIFY(!QApplication::overrideCursor());
    QCOMPARE(road.console.find<QLabel>(QStringLiteral("StatusPanel"))->text(), QStringLiteral("182712|08000|ok||"));
}

void TestOperationFrame::waitPaintsAndTakesNoInput_data()
{
    QTest::addColumn<QString>("input"); // what the technician does during the wait
    QTest::addColumn<bool>("closedAfter");
    QTest::addColumn<QString>("painted"); // the status panel's first paint in the wait

    const QString waiting = QStringLiteral("Aguardando retorno do MFE ... (wait cursor)");
    QTest::newRow("click on Sair") << "click" << false << waiting;
    QTest::newRow("space on Consultar MFE") << "key" << false << waiting;
    QTest::newRow("close request held until the reply")
        << "close" << true
        << QStringLiteral("Fechamento solicitado: o programa será fechado quando o MFE responder. "
                          "Feche novamente para sair agora. (wait cursor)");
}

// During the wait the window is hidden and shown again, as a technician
// switching windows does: it is painted with the waiting text (or the note
// that a close was asked for) and the wait cursor, while the technician's
// input reaches nothing, then or later.
void TestOperationFrame::waitPaintsAndTakesNoInput()
{
    QFETCH(QString, input);
    QFETCH(bool, closedAfter);
    QFETCH(QString, painted);

    ConsoleFixture console;
    TFAtivacao &window = console.start();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *panel = console.find<QLabel>(QStringLiteral("StatusPanel"));
    auto *sair = console.find<QPushButton>(QStringLiteral("BtnSair"));
    auto *consultar = console.find<QPushButton>(QStringLiteral("BitBtn6"));
    PaintProbe probe(*panel);
    FakeIntegrador fake(console.clock);
    fake.replyWith(QStringLiteral("{sessao}|08000|MF-e em operação|||"));
    std::atomic<bool> started{false};
    bool closeRefused = false;
    const auto duringWait = [&] {
        probe.shown.clear();
        probe.paints = 0;
        window.hide();
        window.show();
        if (input == QLatin1String("click"))
            QTest::mouseClick(sair, Qt::LeftButton);
        else if (input == QLatin1String("key"))
            QTest::keyClick(consultar, Qt::Key_Space);
        else
            closeRefused = !window.close();
    };
    // The command's first pause, on the worker: the window's thread takes its
    // turn, and the reply waits until it has painted.
    console.clock.onPause = [&] {
        if (!started.exchange(true)) {
            QMetaObject::invokeMethod(&window, duringWait, Qt::QueuedConnection);
            const QDeadlineTimer limit(10000);
            while (probe.paints == 0 && !limit.hasExpired())
                QThread::msleep(1);
        }
        fake.poll();
    };

    QTest::mouseClick(consultar, Qt::LeftButton);
    QCoreApplication::processEvents(); // nothing held back for after the wait

    QVERIFY(probe.paints > 0);
    QCOMPARE(probe.shown.first(), painted);
    QCOMPARE(fake.requests().size(), 1);
    QCOMPARE(closeRefused, input == QLatin1String("close"));
    QCOMPARE(window.isVisible(), !closedAfter);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(console.interaction.messages().isEmpty());
}

// An error inside the command, on the worker thread, still ends at the
// handler's edge on the window's thread.
void TestOperationFrame::commandErrorReachesHandlerEdge()
{
    ConsoleFixture console;
    console.start();
    QThread *commandThread = nullptr;
    console.clock.onPause = [&commandThread] {
        commandThread = QThread::currentThread();
        throw std::runtime_error("falha dentro da biblioteca");
    };
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BitBtn6")), Qt::LeftButton);
    QVERIFY(commandThread);
    QVERIFY(commandThread != QThread::currentThread());
    QCOMPARE(console.interaction.messages(), QStringList{QStringLiteral("falha dentro da biblioteca")});
    QCOMPARE(console.find<QLabel>(QStringLiteral("StatusPanel"))->text(), QString());
    QVERIFY(!QApplication::overrideCursor());
}

void TestOperationFrame::standardMessages()
{
    QCOMPARE(ConsoleTexts::kFalhaComunicacao,
             QStringLiteral("Falha na comunicação. ") + QChar(0x0A) + QChar(0x0D)
                 + QStringLiteral("Verifique se o DriverMFE e o Integrador estão em execução."));
}

QTEST_MAIN(TestOperationFrame)
#include "tst_operationframe.moc"
