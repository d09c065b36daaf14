#include "consoletexts.h"
#include "logmemoconsole.h"
#include "fakeintegrador.h"

#include "console/tfativacao.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>

namespace {

constexpr int kPageBloq = 4;
const QString kFailure = QStringLiteral(
    "message: Falha na comunicação. \n\rVerifique se o DriverMFE e o Integrador estão em execução.");
const QString kWarning = QStringLiteral(
    "confirm: Atenção:\n\rVerifique se após finalizar esta função o LED \"MFE Bloqueado\" está piscando.\n\r"
    "Isto indica que o processo de DESATIVAÇÂO foi concluído na retaguarda da SEFAZ.\n\r"
    "Para que o MFE recupere as configurações de fábrica você deve agora pressionar o botão reset por 5 segundos.\n\r"
    "Por favor aguarde.\n\rEsta função pode demorar alguns minutos.\n\n\rClique OK para continuar.");

struct BlockingConsole : LogMemoConsole {
    BlockingConsole()
        : LogMemoConsole(QStringLiteral("BtnBloquearSAT"))
    {
    }
    QLineEdit *code() { return find<QLineEdit>(QStringLiteral("EdtCodAtiv6")); }
    // Types the code and presses the button, or Enter in the code edit.
    void act(const QString &action, const QString &typed)
    {
        code()->setText(typed);
        if (action == QLatin1String("Enter"))
            QTest::keyClick(code(), Qt::Key_Return);
        else
            click(action);
    }
};

} // namespace

class TestBlockingPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void entryClearsAndFocuses();
    void commands_data();
    void commands();
    void shortCode_data();
    void shortCode();
    void deactivationCancelled();
    void overIntegrador();
};

void TestBlockingPage::defaultState()
{
    BlockingConsole bound;
    QCOMPARE(bound.console.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), kPageBloq);
    QCOMPARE(bound.find<QWidget>(QStringLiteral("Panel6"))->property("text").toString(),
             QStringLiteral("BLOQUEAR/DESBLOQUEAR"));
    QCOMPARE(bound.code()->echoMode(), QLineEdit::Password);
    QCOMPARE(bound.code()->maxLength(), 32767);
    QCOMPARE(bound.find<QWidget>(QStringLiteral("EdtCodAtiv6Label"))->property("text").toString(),
             QStringLiteral("Digite o Código de Ativação do MFE:"));
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BitBtn5"))->text(), QStringLiteral("Desbloquear"));
    QVERIFY(bound.find<QPushButton>(QStringLiteral("BitBtn5"))->isDefault());
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BitBloquSAT"))->text(), QStringLiteral("Bloquear"));
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BitDesatSAT"))->text(), QStringLiteral("Desativar"));
    QCOMPARE(bound.find<QTextEdit>(QStringLiteral("Memo1"))->toPlainText(),
             QStringLiteral("\nATENÇÃO: \nESTAS OPÇÕES REFEREM-SE APENAS AO BLOQUEIO PELO CONTRIBUINTE. AS \n"
                            "MESMAS NÃO TEM  EFEITO PARA CASOS  DE BLOQUEIO PELA SEFAZ, OU \n"
                            "BLOQUEIO AUTONOMO OU BLOQUEIO DEVIDO A ERRO DO CÓDIGO DE \nATIVAÇÃO.\n\n"));
    QCOMPARE(bound.find<QTextEdit>(QStringLiteral("Memo1"))->focusPolicy(), Qt::NoFocus);
    QStringList order;
    for (QWidget *widget = bound.code(); order.size() < 4; widget = widget->nextInFocusChain())
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
    QCOMPARE(order, (QStringList{"EdtCodAtiv6", "BitBtn5", "BitBloquSAT", "BitDesatSAT"}));
}

void TestBlockingPage::entryClearsAndFocuses()
{
    BlockingConsole bound;
    bound.code()->setText(QStringLiteral("digitado"));
    bound.click(QStringLiteral("BtnPrincipal"));
    bound.click(QStringLiteral("BtnBloquearSAT"));
    QCOMPARE(bound.code()->text(), QString());
    QVERIFY(bound.code()->hasFocus());
}

void TestBlockingPage::commands_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("exportName");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("block: the module's message") << "BitBloquSAT" << QByteArray("{sessao}|16000|Bloqueado \xc3\xa9||")
                                                 << "BloquearSAT" << QStringList{"message: Bloqueado é"};
    QTest::newRow("unblock") << "BitBtn5" << QByteArray("{sessao}|17000|Desbloqueado||") << "DesbloquearSAT"
                             << QStringList{"message: Desbloqueado"};
    QTest::newRow("Enter unblocks") << "Enter" << QByteArray("{sessao}|17003|Sem bloqueio||") << "DesbloquearSAT"
                                    << QStringList{"message: Sem bloqueio"};
    QTest::newRow("block failure code") << "BitBloquSAT" << QByteArray("{sessao}|16002|Falha||") << "BloquearSAT"
                                        << QStringList{"message: Falha"};
    QTest::newRow("block busy, two fields") << "BitBloquSAT" << QByteArray("{sessao}|16098") << "BloquearSAT"
                                            << QStringList{kFailure};
    QTest::newRow("unblock busy") << "BitBtn5" << QByteArray("{sessao}|17098|x||") << "DesbloquearSAT"
                                  << QStringList{kFailure};
    QTest::newRow("busy code of the other command") << "BitBtn5" << QByteArray("{sessao}|16098|ocupado||")
                                                    << "DesbloquearSAT" << QStringList{"message: ocupado"};
    QTest::newRow("16000 with two fields: the raw reply") << "BitBloquSAT" << QByteArray("000001|16000")
                                                          << "BloquearSAT" << QStringList{"message: 000001|16000"};
    QTest::newRow("tax authority message") << "BitBtn5" << QByteArray("{sessao}|17000|ok|C9|Sefaz") << "DesbloquearSAT"
                                           << QStringList{"message: ok", "dialog: FMSefaz"};
    QTest::newRow("confirmed deactivation blocks") << "BitDesatSAT" << QByteArray("{sessao}|16000|Bloqueado||")
                                                   << "BloquearSAT" << QStringList{kWarning, "message: Bloqueado"};
}

void TestBlockingPage::commands()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, reply);
    QFETCH(QString, exportName);
    QFETCH(QStringList, events);

    BlockingConsole bound;
    bound.module.setReply(exportName, reply);
    bound.act(action, QStringLiteral(" abcdefgh "));

    QCOMPARE(bound.console.interaction.events, events);
    const QList<FakeModule::Call> calls = bound.module.calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().exportName, exportName);
    QCOMPARE(calls.first().arguments, (QList<QVariant>{bound.sessionNumber().toInt(), QByteArray("abcdefgh")}));
    QCOMPARE(bound.code()->text(), QString());
    QCOMPARE(bound.logMemo(), QString());
}

void TestBlockingPage::shortCode_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("events");

    const QString shortCode = QStringLiteral("message: ") + ConsoleTexts::kCodigoCurto;
    QTest::newRow("block") << "BitBloquSAT" << QStringList{shortCode};
    QTest::newRow("Enter") << "Enter" << QStringList{shortCode};
    QTest::newRow("confirmed deactivation") << "BitDesatSAT" << QStringList{kWarning, shortCode};
}

void TestBlockingPage::shortCode()
{
    QFETCH(QString, action);
    QFETCH(QStringList, events);

    BlockingConsole bound;
    bound.act(action, QStringLiteral(" 1234567 "));
    QCOMPARE(bound.console.interaction.events, events);
    QVERIFY(bound.module.calls().isEmpty());
    QCOMPARE(bound.code()->text(), QString());
    QVERIFY(bound.code()->hasFocus());
    QCOMPARE(bound.logMemo(), LogMemoConsole::kEarlierLog);
}

void TestBlockingPage::deactivationCancelled()
{
    BlockingConsole bound;
    bound.console.interaction.confirmations.enqueue(false);
    bound.act(QStringLiteral("BitDesatSAT"), QStringLiteral("12345678"));
    QCOMPARE(bound.console.interaction.events, QStringList{kWarning});
    QVERIFY(bound.module.calls().isEmpty());
    QCOMPARE(bound.code()->text(), QStringLiteral("12345678"));
    QCOMPARE(bound.logMemo(), LogMemoConsole::kEarlierLog);
}

void TestBlockingPage::overIntegrador()
{
    ConsoleFixture console;
    FakeIntegrador integrador(console.clock);
    integrador.replyWith(QStringLiteral("{sessao}|16000|Bloqueado pelo contribuinte||"));
    integrador.installOn(console.clock);
    console.start();
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BtnBloquearSAT")), Qt::LeftButton);
    console.find<QLineEdit>(QStringLiteral("EdtCodAtiv6"))->setText(QStringLiteral("12345678"));
    QTest::mouseClick(console.find<QPushButton>(QStringLiteral("BitBloquSAT")), Qt::LeftButton);
    QCOMPARE(console.interaction.messages(), QStringList{QStringLiteral("Bloqueado pelo contribuinte")});
    QCOMPARE(integrador.requests().size(), 1);
    QVERIFY(integrador.requests().first().fileName.startsWith(QStringLiteral("BloquearSAT")));
}

QTEST_MAIN(TestBlockingPage)
#include "tst_blockingpage.moc"
