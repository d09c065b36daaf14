#include "boundconsole.h"
#include "consolefixture.h"
#include "consoletexts.h"
#include "fakeintegrador.h"
#include "statusreplies.h"

#include "console/frame/consolestate.h"
#include "console/frame/operationframe.h"
#include "console/tfativacao.h"
#include "console/widgets/widgetstyle.h"
#include "platform/ansicodepage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <stdexcept>

namespace {

const QString kSat = QStringLiteral("BitBtnStatus");
const QString kMfe = QStringLiteral("BitBtnStatusMFE");
const QString kRawReply = QStringLiteral("{raw reply}"); // stands for the reply as received

// The memo's lines: a blank line, then the listing, a network document
// showing as its own lines.
QStringList memoLines(const QStringList &listing)
{
    QString text = QStringLiteral(" \n") + listing.join(u'\n');
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
}

QStringList memoLines(const QPlainTextEdit *memo)
{
    return memo->toPlainText().isEmpty() ? QStringList() : memo->toPlainText().split(u'\n');
}

// The full reply with a state that is no number and a tax authority code.
QByteArray unreadableState()
{
    QList<QByteArray> fields = StatusReplies::mfeFields();
    fields[3] = "123";
    fields[4] = "Mensagem da Sefaz";
    fields[27] = "abc";
    return fields.join('|') + '|';
}

// The full reply as modules send it, without a closing "|", with network
// field 34 empty instead of "NA".
QByteArray emptyNetworkFieldUnclosed()
{
    QList<QByteArray> fields = StatusReplies::mfeFields();
    fields[34] = "";
    return fields.join('|');
}

// Its listing: the full one with the header line of that field.
QStringList emptyNetworkFieldListing()
{
    QStringList listing = StatusReplies::mfeListing();
    listing.insert(listing.indexOf(QStringLiteral(" Configuração da rede 3 ..... ")),
                   QStringLiteral(" Configuração da rede 2 ..... "));
    return listing;
}

} // namespace

class TestStatusPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void entries_data();
    void entries();
    void mfeStatusOverIntegrador();
    void memoShownAfterAnError();
};

void TestStatusPage::defaultState()
{
    ConsoleFixture console;
    console.start();
    QCOMPARE(console.find<QLabel>(QStringLiteral("Panel10"))->text(), QStringLiteral("STATUS OPERACIONAL"));
    auto *code = console.find<QLineEdit>(QStringLiteral("EdtCodAtiv4"));
    QVERIFY(code->isHidden());
    QCOMPARE(code->echoMode(), QLineEdit::Password);
    QCOMPARE(console.find<QLabel>(QStringLiteral("EdtCodAtiv4Label"))->text(),
             QStringLiteral("Digite o Código de Ativação do S@T:"));
    auto *button = console.find<QPushButton>(QStringLiteral("BtnStatus"));
    QVERIFY(button->isHidden());
    QCOMPARE(button->text(), QStringLiteral("Solicitar Status"));
    QVERIFY(button->isDefault());
    auto *memo = console.find<QPlainTextEdit>(QStringLiteral("MemoStatus"));
    QVERIFY(memo->isReadOnly());
    QCOMPARE(memo->font().family(), WidgetStyle::lucidaConsole(10).family()); // Lucida Console or its fallback
    QCOMPARE(memo->font().pixelSize(), 13);
    QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(memo->geometry(), QRect(0, 25, 640, 440));
    QCOMPARE(console.find<QPushButton>(kSat)->text(), QStringLiteral("Status Operacional"));
    QCOMPARE(console.find<QPushButton>(kMfe)->text(), QStringLiteral("Status Operacional MFE"));
}

void TestStatusPage::entries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("code");  // typed in the prompt; empty: the prompt is closed
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("events"); // after the prompt
    QTest::addColumn<QStringList>("memo");
    QTest::addColumn<QString>("codAtivacao");

    const QString failure = QStringLiteral("message: ") + ConsoleTexts::kFalhaComunicacao;
    const QString invalid = QStringLiteral("message: Código de Ativação inválido");
    const QString unknown = QStringLiteral("message: Erro desconhecido");
    const QString sefaz = QStringLiteral("dialog: FMSefaz");
    const QString shortCode = QStringLiteral("message: ") + ConsoleTexts::kCodigoCurto;
    const QStringList blank{QStringLiteral(" ")};
    const QString stateAsReceived = QStringLiteral(" Estado ..................... abc");

    QTest::newRow("SAT prompt closed") << kSat << "" << QByteArray() << QStringList() << QStringList() << "";
    QTest::newRow("MF-e prompt closed") << kMfe << "" << QByteArray() << QStringList() << QStringList() << "";
    QTest::newRow("SAT short code") << kSat << " 1234567 " << QByteArray() << QStringList{shortCode} << QStringList()
                                    << "1234567";
    QTest::newRow("MF-e short code") << kMfe << "1234567" << QByteArray() << QStringList{shortCode} << QStringList()
                                     << "1234567";
    QTest::newRow("SAT 10001") << kSat << "12345678" << QByteArray("{sessao}|10001|invalido||") << QStringList{invalid}
                               << QStringList() << "";
    QTest::newRow("MF-e 10001") << kMfe << "12345678" << QByteArray("{sessao}|10001|invalido||")
                                << QStringList{invalid} << blank << "";
    QTest::newRow("SAT 10098") << kSat << "12345678" << QByteArray("{sessao}|10098|ocupado||") << QStringList{failure}
                               << QStringList() << "";
    QTest::newRow("MF-e 10098") << kMfe << "12345678" << QByteArray("{sessao}|10098|ocupado||")
                                << QStringList{failure} << blank << "";
    QTest::newRow("SAT 10099") << kSat << "12345678" << QByteArray("{sessao}|10099|erro||") << QStringList{unknown}
                               << QStringList() << "";
    QTest::newRow("MF-e 10099") << kMfe << "12345678" << QByteArray("{sessao}|10099|erro||") << QStringList{unknown}
                                << blank << "";
    QTest::newRow("SAT 10002") << kSat << "12345678" << QByteArray("{sessao}|10002|outro||") << QStringList()
                               << QStringList() << "12345678";
    QTest::newRow("MF-e 10002 with tax authority code")
        << kMfe << "12345678" << QByteArray("{sessao}|10002|outro|123|Sefaz") << QStringList{sefaz} << blank
        << "12345678";
    QTest::newRow("SAT reply of one field") << kSat << "12345678" << QByteArray("falha") << QStringList{kRawReply}
                                            << QStringList() << "12345678";
    QTest::newRow("MF-e reply of one field") << kMfe << "12345678" << QByteArray("falha") << QStringList() << blank
                                             << "12345678";
    QTest::newRow("SAT state not a number, listed as received")
        << kSat << "12345678" << unreadableState() << QStringList{sefaz}
        << memoLines(StatusReplies::withLine(StatusReplies::satListing(), stateAsReceived)) << "12345678";
    QTest::newRow("MF-e state not a number, listed as received")
        << kMfe << "12345678" << unreadableState() << QStringList{sefaz}
        << memoLines(StatusReplies::withLine(StatusReplies::mfeListing(), stateAsReceived)) << "12345678";
    QTest::newRow("SAT full reply") << kSat << "12345678" << StatusReplies::mfe() << QStringList()
                                    << memoLines(StatusReplies::satListing()) << "12345678";
    QTest::newRow("MF-e full reply") << kMfe << "12345678" << StatusReplies::mfe() << QStringList()
                                     << memoLines(StatusReplies::mfeListing()) << "12345678";
    QTest::newRow("MF-e empty network field, no closing bar")
        << kMfe << "12345678" << emptyNetworkFieldUnclosed() << QStringList()
        << memoLines(emptyNetworkFieldListing()) << "12345678";
}

void TestStatusPage::entries()
{
    QFETCH(QString, entry);
    QFETCH(QString, code);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, events);
    QFETCH(QStringList, memo);
    QFETCH(QString, codAtivacao);

    BoundConsole bound;
    const bool mfe = entry == kMfe;
    const QString command = mfe ? QStringLiteral("ConsultarStatusOperacionalMFE") : QStringLiteral("ConsultarStatusOperacional");
    bound.module.setReply(command, reply);
    auto *statusMemo = bound.find<QPlainTextEdit>(QStringLiteral("MemoStatus"));
    statusMemo->setPlainText(QStringLiteral("listagem anterior"));
    bound.answerPrompt(code, !code.isEmpty());
    bool hiddenAtPrompt = false;
    QString textAtPrompt;
    bound.console.interaction.dialogSteps.head() = [step = bound.console.interaction.dialogSteps.head(), statusMemo,
                                                    &hiddenAtPrompt, &textAtPrompt](QDialog &dialog) {
        hiddenAtPrompt = statusMemo->isHidden();
        textAtPrompt = statusMemo->toPlainText();
        step(dialog);
    };
    bound.click(entry);

    QCOMPARE(hiddenAtPrompt, mfe);
    QCOMPARE(textAtPrompt, QString());
    QCOMPARE(bound.find<QStackedWidget>(QStringLiteral("PageControl"))->currentWidget()->objectName(),
             QStringLiteral("TabStatus"));
    QCOMPARE(bound.find<QLabel>(QStringLiteral("Panel10"))->text(),
             mfe ? QStringLiteral("STATUS OPERACIONAL MFE") : QStringLiteral("STATUS OPERACIONAL"));
    QCOMPARE(statusMemo->verticalScrollBarPolicy(), mfe ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    QVERIFY(!statusMemo->isHidden());
    QCOMPARE(memoLines(statusMemo), memo);
    QCOMPARE(bound.console.window().state().CodAtivacao, codAtivacao);
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtCodAtiv4"))->text(), code.trimmed());

    const bool sent = OperationFrame::isCodeLong(code);
    // Replies in these rows are UTF-8, and the raw reply is shown so.
    const QString received = QString::fromUtf8(reply).replace(QStringLiteral("{sessao}"), bound.sessionNumber());
    events.replaceInStrings(kRawReply, QStringLiteral("message: ") + received);
    QCOMPARE(bound.console.interaction.events, QStringList{QStringLiteral("dialog: FValida")} + events);
    QCOMPARE(bound.statusText().isEmpty(), !sent); // emptied by the entry, the reply once sent
    const QList<FakeModule::Call> calls = bound.module.calls();
    QCOMPARE(calls.size(), sent ? 1 : 0);
    QCOMPARE(bound.sessionNumber() == QLatin1String("000000"), !sent);
    if (sent) {
        QCOMPARE(calls.first().exportName, command);
        QCOMPARE(calls.first().arguments,
                 (QList<QVariant>{bound.sessionNumber().toInt(), code.trimmed().toLatin1()}));
    }
}

void TestStatusPage::mfeStatusOverIntegrador()
{
    ConsoleFixture console;
    FakeIntegrador integrador(console.clock);
    integrador.replyWith(QString::fromUtf8(StatusReplies::mfe())); // the module's text, shown as on the library road
    integrador.installOn(console.clock);
    console.start();
    console.interaction.dialogSteps.enqueue([](QDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("EdtCodigo"))->setText(QStringLiteral("12345678"));
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("BtnTrocarCod")), Qt::LeftButton);
    });
    QTest::mouseClick(console.find<QPushButton>(kMfe), Qt::LeftButton);

    QCOMPARE(integrador.requests().size(), 1);
    QVERIFY(integrador.requests().first().bytes.contains("<Metodo Nome=\"ConsultarStatusOperacionalMFE\">"));
    QVERIFY(integrador.requests().first().bytes.contains("<Valor>12345678</Valor>"));
    QCOMPARE(memoLines(console.find<QPlainTextEdit>(QStringLiteral("MemoStatus"))),
             memoLines(StatusReplies::mfeListing()));
    QCOMPARE(console.interaction.messages(), QStringList());
}

void TestStatusPage::memoShownAfterAnError()
{
    // An error that ends the MF-e entry at the handler's edge does not leave
    // the page without its memo.
    BoundConsole bound;
    bound.console.interaction.dialogSteps.enqueue([](QDialog &) { throw std::runtime_error("falha no diálogo"); });
    bound.click(kMfe);
    QVERIFY(!bound.find<QPlainTextEdit>(QStringLiteral("MemoStatus"))->isHidden());
    QCOMPARE(bound.messages(), QStringList{QStringLiteral("falha no diálogo")});
}

QTEST_MAIN(TestStatusPage)
#include "tst_statuspage.moc"
