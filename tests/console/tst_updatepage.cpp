#include "consoletexts.h"
#include "logmemoconsole.h"

#include "console/tfativacao.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>

namespace {

constexpr int kPageAtualizaSW = 10;

struct UpdateConsole : LogMemoConsole {
    UpdateConsole()
        : LogMemoConsole(QStringLiteral("BitAtualizaSW"))
    {
    }
    QLineEdit *code() { return find<QLineEdit>(QStringLiteral("EdtCodAtiv7")); }
    QLabel *outcome() { return find<QLabel>(QStringLiteral("LblAtualiza")); }
    void update(const QByteArray &reply, const QString &typed = QStringLiteral("12345678"))
    {
        module.setReply(QStringLiteral("AtualizarSoftwareSAT"), reply);
        code()->setText(typed);
        QTest::keyClick(code(), Qt::Key_Return);
    }
};

} // namespace

class TestUpdatePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void update_data();
    void update();
    void shortCodeBlanksWithoutHiding_data();
    void shortCodeBlanksWithoutHiding();
    void outcomeKeptUntilLogEntry_data();
    void outcomeKeptUntilLogEntry();
};

void TestUpdatePage::defaultState()
{
    UpdateConsole bound;
    QCOMPARE(bound.console.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), kPageAtualizaSW);
    QCOMPARE(bound.find<QLabel>(QStringLiteral("Panel12"))->text(), QStringLiteral("ATUALIZAR SOFTWARE BÁSICO"));
    QCOMPARE(bound.code()->echoMode(), QLineEdit::Password);
    QVERIFY(bound.code()->hasFocus());
    QCOMPARE(bound.find<QLabel>(QStringLiteral("EdtCodAtiv7Label"))->text(),
             QStringLiteral("Digite o Código de Ativação do MFE:"));
    QCOMPARE(bound.find<QPushButton>(QStringLiteral("BtnAtualizarSW"))->text(), QStringLiteral("Atualizar"));
    QVERIFY(bound.find<QPushButton>(QStringLiteral("BtnAtualizarSW"))->isDefault());
    QVERIFY(bound.outcome()->isHidden());
    QVERIFY(bound.outcome()->font().bold());
    QCOMPARE(bound.outcome()->alignment(), Qt::AlignCenter);
    QCOMPARE(bound.find<QTextEdit>(QStringLiteral("Memo5"))->toPlainText(),
             QStringLiteral("\nATENÇÃO:\n \nESTA FUNÇÃO DEVE SER UTILIZADA APENAS APÓS O MFE ESTAR ATIVADO. \n"));
}

void TestUpdatePage::update_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("events");

    const QStringList none;
    QTest::newRow("14000") << QByteArray("{sessao}|14000|ok||") << "Software Atualizado com Sucesso" << none;
    QTest::newRow("14001") << QByteArray("{sessao}|14001|x||") << "Código de ativação inválido" << none;
    QTest::newRow("14002") << QByteArray("{sessao}|14002|x||") << "Atualização em Andamento" << none;
    QTest::newRow("14003") << QByteArray("{sessao}|14003|x||") << "Erro na atualização" << none;
    QTest::newRow("14004") << QByteArray("{sessao}|14004|x||") << "Arquivo de atualização inválido" << none;
    QTest::newRow("14098 also the failure message")
        << QByteArray("{sessao}|14098") << "MFE em processamento. Tente novamente"
        << QStringList{"message: Falha na comunicação. \n\rVerifique se o DriverMFE e o Integrador estão em execução."};
    QTest::newRow("14099") << QByteArray("{sessao}|14099|x||") << "Erro desconhecido" << none;
    QTest::newRow("other code: blank") << QByteArray("{sessao}|14005|x||") << " " << none;
    QTest::newRow("single field: the raw reply, blank") << QByteArray("sem campos") << " "
                                                        << QStringList{"message: sem campos"};
    QTest::newRow("tax authority message") << QByteArray("{sessao}|14000|ok|C2|M") << "Software Atualizado com Sucesso"
                                           << QStringList{"dialog: FMSefaz"};
}

void TestUpdatePage::update()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, caption);
    QFETCH(QStringList, events);

    UpdateConsole bound;
    bound.update(reply, QStringLiteral(" abcdefgh "));
    QVERIFY(bound.outcome()->isVisible());
    QCOMPARE(bound.outcome()->text(), caption);
    QCOMPARE(bound.console.interaction.events, events);
    QCOMPARE(bound.code()->text(), QString());
    QCOMPARE(bound.logMemo(), QString());
    const QList<FakeModule::Call> calls = bound.module.calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().exportName, QStringLiteral("AtualizarSoftwareSAT"));
    QCOMPARE(calls.first().arguments, (QList<QVariant>{bound.sessionNumber().toInt(), QByteArray("abcdefgh")}));
}

void TestUpdatePage::shortCodeBlanksWithoutHiding_data()
{
    QTest::addColumn<bool>("earlierOutcome");
    QTest::newRow("after an outcome: visible") << true;
    QTest::newRow("first attempt: hidden") << false;
}

void TestUpdatePage::shortCodeBlanksWithoutHiding()
{
    QFETCH(bool, earlierOutcome);
    UpdateConsole bound;
    if (earlierOutcome)
        bound.update("{sessao}|14000|ok||");
    bound.module.clearCalls();
    bound.find<QPlainTextEdit>(QStringLiteral("MemoLogs"))->setPlainText(QStringLiteral("log"));
    bound.console.interaction.events.clear();

    bound.code()->setText(QStringLiteral("1234567 "));
    bound.click(QStringLiteral("BtnAtualizarSW"));
    QCOMPARE(bound.console.interaction.events, QStringList{"message: " + ConsoleTexts::kCodigoCurto});
    QCOMPARE(bound.outcome()->text(), QStringLiteral(" "));
    QCOMPARE(bound.outcome()->isVisible(), earlierOutcome);
    QCOMPARE(bound.code()->text(), QString());
    QVERIFY(bound.code()->hasFocus());
    QVERIFY(bound.module.calls().isEmpty());
    QCOMPARE(bound.logMemo(), QStringLiteral("log"));
}

void TestUpdatePage::outcomeKeptUntilLogEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("whole log") << "BitLogs";
    QTest::newRow("SuperLog") << "BitSuperLog";
}

void TestUpdatePage::outcomeKeptUntilLogEntry()
{
    QFETCH(QString, entry);
    UpdateConsole bound;
    bound.update("{sessao}|14002|x||");
    bound.click(QStringLiteral("BtnPrincipal"));
    bound.click(QStringLiteral("BitAtualizaSW"));
    QCOMPARE(bound.outcome()->text(), QStringLiteral("Atualização em Andamento"));

    bound.answerPrompt(QString(), false);
    bound.click(entry);
    QCOMPARE(bound.outcome()->text(), QStringLiteral(" "));
    QVERIFY(!bound.outcome()->isHidden());
}

QTEST_MAIN(TestUpdatePage)
#include "tst_updatepage.moc"
