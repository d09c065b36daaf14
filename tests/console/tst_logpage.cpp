#include "boundconsole.h"
#include "consoletexts.h"
#include "fakeintegrador.h"

#include "console/frame/consolestate.h"
#include "console/frame/operationframe.h"
#include "console/tfativacao.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>

namespace {

constexpr int kPageLog = 9;
const QString kClosing = QStringLiteral("------------------------------------------------------");
const QString kNotFound = QStringLiteral("\n\nNão foi encontrado SuperLog neste trecho do Log\n\n");
// "linha 1\nlinha 2"
const QByteArray kTwoLines("bGluaGEgMQpsaW5oYSAy");
// A SuperLog block of three CR LF lines: start marker, "linha", end marker.
const QByteArray kBlock(
    "MjAyNC0wMS0wNSAxMDowMDowMHwwMDF8U0FUfGluZm98PT09PT09PT09PT09PT09PT0gU3VwZXJMb2cgVkFOVEVMID09PT09PT09PT09PT09"
    "PT09PQ0KMjAyNC0wMS0wNSAxMDowMDowMHwwMDF8bGluaGENCjIwMjQtMDEtMDUgMTA6MDA6MDB8MDAxfFNBVHxpbmZvfD09PT09PT09PT09"
    "PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09PT09PQ0K");
const QString kBlockShown = QStringLiteral("\n   SAT|info|================= SuperLog VANTEL ==================\n"
                                           "   linha\n   SAT|info|===================================================");

struct LogConsole : BoundConsole {
    QPlainTextEdit *memo() { return find<QPlainTextEdit>(QStringLiteral("MemoLogs")); }
    QString title() { return find<QLabel>(QStringLiteral("Panel11"))->text(); }
    QLineEdit *fileEdit() { return find<QLineEdit>(QStringLiteral("EdtLogs")); }
    void extract(const QString &entry, const QByteArray &reply, const QString &code = QStringLiteral("12345678"))
    {
        module.setReply(QStringLiteral("ExtrairLogs"), reply);
        answerPrompt(code);
        click(entry);
    }
};

} // namespace

class TestLogPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void extraction_data();
    void extraction();
    void cancelledOrShortCode_data();
    void cancelledOrShortCode();
    void wholeLogShowsItsEnd();
    void busyOverIntegrador();
    void saveDialog_data();
    void saveDialog();
    void save_data();
    void save();
    void enterDoesNothing();
};

void TestLogPage::defaultState()
{
    LogConsole bound;
    QCOMPARE(bound.title(), QStringLiteral("EXTRAÇÃO DOS LOGS"));
    QVERIFY(bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv5"))->isHidden());
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv5"))->echoMode(), QLineEdit::Password);
    QVERIFY(bound.find<QPushButton>(QStringLiteral("BtnLogs"))->isHidden());
    QVERIFY(bound.memo()->isReadOnly());
    QCOMPARE(bound.memo()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(bound.memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(bound.find<QLabel>(QStringLiteral("EdtLogsLabel"))->text(), QStringLiteral("Salvar em:"));
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BtnLog1"))->text(), QStringLiteral("..."));
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BtnLog2"))->text(), QStringLiteral("Salvar"));
}

void TestLogPage::extraction_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("codeKept");

    const QString logs = QStringLiteral("BitLogs");
    const QString superLog = QStringLiteral("BitSuperLog");
    const QStringList none;
    QTest::newRow("whole log") << logs << "{sessao}|15000|ok|||" + kTwoLines << "linha 1\nlinha 2\n" + kClosing
                               << none << true;
    QTest::newRow("SuperLog block") << superLog << "{sessao}|15000|ok|||" + kBlock << kBlockShown << none << true;
    QTest::newRow("SuperLog not found") << superLog << "{sessao}|15000|ok|||" + kTwoLines << kNotFound << none << true;
    QTest::newRow("empty payload, whole log") << logs << QByteArray("{sessao}|15000|ok|||") << kClosing << none << true;
    QTest::newRow("tax authority message after the log")
        << logs << "{sessao}|15000|ok|C1|M|" + kTwoLines << "linha 1\nlinha 2\n" + kClosing
        << QStringList{"dialog: FValida", "dialog: FMSefaz"} << true;
    QTest::newRow("15001 forgets the code") << logs << QByteArray("{sessao}|15001|x||") << QString()
                                            << QStringList{"message: Código de Ativação inválido"} << false;
    QTest::newRow("15098 busy") << superLog << QByteArray("{sessao}|15098") << QString()
                                << QStringList{"message: " + ConsoleTexts::kFalhaComunicacao} << false;
    QTest::newRow("15099 unknown") << logs << QByteArray("{sessao}|15099|x||") << QString()
                                   << QStringList{"message: Erro desconhecido"} << false;
    QTest::newRow("other code: nothing") << logs << QByteArray("{sessao}|15002|x||") << QString() << none << true;
    QTest::newRow("15000 without field 5: dropped") << logs << QByteArray("{sessao}|15000|ok||") << QString() << none
                                                    << true;
    QTest::newRow("unreadable reply: dropped") << logs << QByteArray("sem campos") << QString() << none << true;
}

void TestLogPage::extraction()
{
    QFETCH(QString, entry);
    QFETCH(QByteArray, reply);
    QFETCH(QString, memo);
    QFETCH(QStringList, events);
    QFETCH(bool, codeKept);

    LogConsole bound;
    bound.extract(entry, reply, QStringLiteral(" 12345678 "));

    QCOMPARE(bound.memo()->toPlainText(), memo);
    if (!events.startsWith(QStringLiteral("dialog: FValida")))
        events.prepend(QStringLiteral("dialog: FValida"));
    QCOMPARE(bound.console.interaction.events, events);
    QCOMPARE(bound.title(), entry == QLatin1String("BitLogs") ? QStringLiteral("EXTRAÇÃO DOS LOGS")
                                                             : QStringLiteral("SuperLog VANTEL"));
    QCOMPARE(bound.console.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), kPageLog);
    QCOMPARE(bound.console.window().state().CodAtivacao.isEmpty(), !codeKept);
    const QList<FakeModule::Call> calls = bound.module.calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().exportName, QStringLiteral("ExtrairLogs"));
    QCOMPARE(calls.first().arguments, (QList<QVariant>{bound.sessionNumber().toInt(), QByteArray("12345678")}));
}

void TestLogPage::cancelledOrShortCode_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("cancelled, whole log") << "BitLogs" << "12345678" << false << "EXTRAÇÃO DOS LOGS" << QStringList();
    QTest::newRow("cancelled, SuperLog") << "BitSuperLog" << "12345678" << false << "SuperLog VANTEL" << QStringList();
    QTest::newRow("short code") << "BitSuperLog" << " 1234567 " << true << "SuperLog VANTEL"
                                << QStringList{ConsoleTexts::kCodigoCurto};
}

void TestLogPage::cancelledOrShortCode()
{
    QFETCH(QString, entry);
    QFETCH(QString, code);
    QFETCH(bool, confirm);
    QFETCH(QString, title);
    QFETCH(QStringList, messages);

    LogConsole bound;
    bound.memo()->setPlainText(QStringLiteral("log anterior"));
    bound.find<QLabel>(QStringLiteral("StatusPanel"))->setText(QStringLiteral("resposta anterior"));
    bound.find<QLabel>(QStringLiteral("LblAtualiza"))->setText(QStringLiteral("Software Atualizado com Sucesso"));
    bound.answerPrompt(code, confirm);
    bound.click(entry);

    QCOMPARE(bound.console.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), kPageLog);
    QCOMPARE(bound.title(), title);
    QCOMPARE(bound.memo()->toPlainText(), QString());
    QCOMPARE(bound.statusText(), QString());
    QCOMPARE(bound.find<QLabel>(QStringLiteral("LblAtualiza"))->text(), QStringLiteral(" "));
    QCOMPARE(bound.messages(), messages);
    QVERIFY(bound.module.calls().isEmpty());
}

void TestLogPage::wholeLogShowsItsEnd()
{
    QByteArray log;
    for (int line = 0; line < 500; ++line)
        log += "linha " + QByteArray::number(line) + '\n';
    LogConsole bound;
    bound.console.window().show();
    bound.extract(QStringLiteral("BitLogs"), "{sessao}|15000|ok|||" + log.toBase64());
    QVERIFY(bound.memo()->textCursor().atEnd());
    QVERIFY(bound.memo()->viewport()->rect().contains(bound.memo()->cursorRect()));
    QVERIFY(bound.memo()->verticalScrollBar()->value() > 400);

    bound.extract(QStringLiteral("BitSuperLog"), "{sessao}|15000|ok|||" + log.toBase64());
    QCOMPARE(bound.memo()->verticalScrollBar()->value(), 0);
}

void TestLogPage::busyOverIntegrador()
{
    ConsoleFixture console;
    FakeIntegrador integrador(console.clock);
    integrador.staySilent();
    integrador.installOn(console.clock);
    console.start();
    console.interaction.dialogSteps.enqueue([](QDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("EdtCodigo"))->setText(QStringLiteral("12345678"));
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("BtnTrocarCod")), Qt::LeftButton);
    });
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BitLogs")), Qt::LeftButton);
    QCOMPARE(console.interaction.messages(), QStringList{ConsoleTexts::kFalhaComunicacao});
    QCOMPARE(integrador.requests().size(), 1);
    QVERIFY(integrador.requests().first().fileName.startsWith(QStringLiteral("ExtrairLogs")));
    QVERIFY(console.window().state().CodAtivacao.isEmpty());
}

void TestLogPage::saveDialog_data()
{
    QTest::addColumn<QString>("chosen"); // empty: cancelled
    QTest::addColumn<QString>("edit");

    QTest::newRow("chosen") << "/tmp/pasta/log.txt" << "/tmp/pasta/log.txt";
    QTest::newRow("cancelled") << QString() << "anterior.txt";
}

void TestLogPage::saveDialog()
{
    QFETCH(QString, chosen);
    QFETCH(QString, edit);
    LogConsole bound;
    bound.fileEdit()->setText(QStringLiteral("anterior.txt"));
    if (!chosen.isEmpty())
        bound.console.interaction.fileChoices.enqueue(chosen);
    bound.click(QStringLiteral("BtnLog1"));
    QCOMPARE(bound.console.interaction.events, QStringList{QStringLiteral("save file: ")});
    QCOMPARE(bound.fileEdit()->text(), edit);
}

void TestLogPage::save_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("bytes"); // what the file holds afterwards

    QTest::newRow("relative name from the working folder") << "log.txt" << "Arquivo log.txt salvo com sucesso"
                                                           << QByteArray("opera\xe7\xe3o\xa0\r\n" "fim\r\n");
    QTest::newRow("folder that cannot be written") << "falta/log.txt"
                                                   << "Erro ao tentar salvar o arquivo: falta/log.txt" << QByteArray();
    QTest::newRow("name of a folder") << "pasta" << "Erro ao tentar salvar o arquivo: pasta" << QByteArray();
    QTest::newRow("empty name") << "" << "O nome do arquivo não foi especificado" << QByteArray();
}

void TestLogPage::save()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QByteArray, bytes);

    LogConsole bound;
    QVERIFY(QDir(bound.console.workingFolder()).mkdir(QStringLiteral("pasta")));
    bound.console.window().show();
    QVERIFY(QTest::qWaitForWindowActive(&bound.console.window()));
    bound.memo()->setPlainText(QStringLiteral("operação\u00a0\nfim")); // the no-break space kept
    bound.fileEdit()->setText(name);
    bound.click(QStringLiteral("BtnLog2"));
    QCOMPARE(bound.messages(), QStringList{message});
    QFile file(QDir(bound.console.workingFolder()).filePath(QStringLiteral("log.txt")));
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), bytes);
    if (name.isEmpty())
        QCOMPARE(QApplication::focusWidget(), bound.find<QWidget>(QStringLiteral("BtnLog1")));
}

void TestLogPage::enterDoesNothing()
{
    LogConsole bound;
    bound.console.window().show();
    bound.memo()->setPlainText(QStringLiteral("log"));
    bound.fileEdit()->setText(QStringLiteral("log.txt"));
    bound.fileEdit()->setFocus();
    QTest::keyClick(bound.fileEdit(), Qt::Key_Return);
    QVERIFY(bound.console.interaction.events.isEmpty());
    QVERIFY(bound.module.calls().isEmpty());
}

QTEST_MAIN(TestLogPage)
#include "tst_logpage.moc"
