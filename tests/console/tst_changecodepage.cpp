#include "boundconsole.h"
#include "consoletexts.h"
#include "integradorconsole.h"
#include "pageinput.h"

#include "console/frame/operationframe.h"
#include "console/widgets/widgetstyle.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>

namespace {

const QString kSuccess = QStringLiteral("message: Código de Ativação alterado com sucesso.");
const QStringList kDependents = {"EdtCodigo", "EdtNovoCodigo", "EdtNovoCodigo2", "Checkemergencia", "BtnTrocarCod"};
// Unlocked; the proving code is not checked, so an empty one is sent.
const QStringList kValid = {"CheckMudaCodigo=1", "EdtCodigo=", "EdtNovoCodigo= abcdefgh ", "EdtNovoCodigo2= abcdefgh"};
// After a reply the page cannot read: still unlocked, the codes as typed.
const QStringList kCodesKept = {"CheckMudaCodigo=1", "EdtNovoCodigo= abcdefgh ", "EdtNovoCodigo2= abcdefgh"};

QStringList enabledDependents(const BoundConsole &bound)
{
    QStringList enabled;
    for (const QString &name : kDependents) {
        if (bound.find<QWidget>(name)->isEnabled())
            enabled << name;
    }
    return enabled;
}

} // namespace

class TestChangeCodePage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void lockAndEmergencyLabel();
    void change_data();
    void change();
    void changeOverIntegrador();
    void integradorFoldersMissing();
};

void TestChangeCodePage::defaultState()
{
    BoundConsole bound;
    QCOMPARE(PageInput::state(bound.console, {"BtnTrocarCod"}), QStringList{"BtnTrocarCod=Validar"});
    bound.click(QStringLiteral("BtnCodAtivacao"));
    QCOMPARE(bound.find<QStackedWidget>(QStringLiteral("PageControl"))->currentIndex(), 1);
    QCOMPARE(PageInput::state(bound.console, {"BtnTrocarCod"}), QStringList{"BtnTrocarCod=Trocar"});
    QVERIFY(bound.find<QPushButton>(QStringLiteral("BtnTrocarCod"))->isDefault());
    QCOMPARE(enabledDependents(bound), QStringList());
    QCOMPARE(bound.find<QLabel>(QStringLiteral("EdtNovoCodigo2Label"))->text(), QStringLiteral("Confirme o Novo Código de Ativação:"));
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtNovoCodigo2"))->maxLength(), 32);
    QCOMPARE(bound.find<QLineEdit>(QStringLiteral("EdtNovoCodigo2"))->echoMode(), QLineEdit::Password);
    QCOMPARE(bound.find<QTextEdit>(QStringLiteral("Memo2"))->focusPolicy(), Qt::NoFocus);
    const QStringList named = {"CheckMudaCodigo", "EdtCodigo", "Checkemergencia", "EdtNovoCodigo", "EdtNovoCodigo2",
                               "BtnTrocarCod"};
    QCOMPARE(PageInput::tabOrder(bound.console, named), named);
}

void TestChangeCodePage::lockAndEmergencyLabel()
{
    BoundConsole bound;
    bound.click(QStringLiteral("BtnCodAtivacao"));
    PageInput::fill(bound.console, {"CheckMudaCodigo=1", "Checkemergencia=1"});
    QCOMPARE(enabledDependents(bound), kDependents);
    QCOMPARE(PageInput::state(bound.console, {"focus"}), QStringList{"focus=EdtCodigo"});
    auto *label = bound.find<QLabel>(QStringLiteral("EdtCodigoLabel"));
    QCOMPARE(label->text(), QStringLiteral("Digite o Código de Ativação de Emergência:"));
    QCOMPARE(WidgetStyle::textColour(label), QColor(255, 0, 0));

    // Leaving and entering again keeps both ticks.
    bound.click(QStringLiteral("BtnAtivacao"));
    bound.click(QStringLiteral("BtnCodAtivacao"));
    QCOMPARE(enabledDependents(bound), kDependents);
    PageInput::fill(bound.console, {"CheckMudaCodigo=0"});
    QCOMPARE(enabledDependents(bound), QStringList());
    QCOMPARE(label->text(), QStringLiteral("Digite o Código de Ativação de Emergência:"));
    PageInput::fill(bound.console, {"Checkemergencia=0"});
    QCOMPARE(label->text(), QStringLiteral("Digite o Código de Ativação atual:"));
    QCOMPARE(WidgetStyle::textColour(label), QApplication::palette().color(QPalette::WindowText));
}

void TestChangeCodePage::change_data()
{
    QTest::addColumn<QStringList>("entries"); // over kValid
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("opcao");           // 0: nothing sent
    QTest::addColumn<QStringList>("after");

    const QString refused = QStringLiteral("message: Erro ao tentar alterar o código de ativação.");
    const QStringList locked = {"CheckMudaCodigo=0", "Checkemergencia=0", "EdtCodigoLabel=Digite o Código de Ativação atual:",
                                "EdtCodigo=", "EdtNovoCodigo=", "EdtNovoCodigo2="};
    const QStringList emergencyKept = {"CheckMudaCodigo=1", "Checkemergencia=1", "EdtCodigo=", "EdtNovoCodigo=",
                                       "EdtNovoCodigo2=", "focus=EdtCodigo"};
    QTest::newRow("new code of 7 within blanks") << QStringList{"EdtNovoCodigo= abcdefg "} << QByteArray()
        << QStringList{"message: Novo código de ativação deve ter no mínimo 8 caracteres."} << 0
        << QStringList{"EdtNovoCodigo=", "EdtNovoCodigo2=", "focus=EdtNovoCodigo"};
    QTest::newRow("confirmation differs in case") << QStringList{"EdtNovoCodigo2=ABCDEFGH"} << QByteArray()
        << QStringList{"message: Erro na confirmação do novo Código de Ativação."} << 0
        << QStringList{"EdtNovoCodigo=", "EdtNovoCodigo2=", "focus=EdtNovoCodigo"};
    QTest::newRow("18000 with the current code") << QStringList() << QByteArray("{sessao}|18000") << QStringList{kSuccess}
        << 1 << locked;
    QTest::newRow("18000 with the emergency code") << QStringList{"Checkemergencia=1"}
        << QByteArray("{sessao}|18000|ok|C1|Sefaz") << QStringList{kSuccess, "dialog: FMSefaz"} << 2 << locked;
    QTest::newRow("18098") << QStringList{"Checkemergencia=1"} << QByteArray("{sessao}|18098|ocupado||")
        << QStringList{"message: " + ConsoleTexts::kFalhaComunicacao} << 2 << emergencyKept;
    QTest::newRow("other code") << QStringList() << QByteArray("{sessao}|18001|erro||") << QStringList{refused} << 1
        << QStringList{"CheckMudaCodigo=1", "EdtCodigo=", "EdtNovoCodigo=", "EdtNovoCodigo2=", "focus=EdtCodigo"};
    QTest::newRow("one field, shown as received") << QStringList() << QByteArray("{sessao}")
                                                  << QStringList{"message: 681972"} << 1 << kCodesKept;
}

void TestChangeCodePage::change()
{
    QFETCH(QStringList, entries);
    QFETCH(QByteArray, reply);
    QFETCH(QStringList, events);
    QFETCH(int, opcao);
    QFETCH(QStringList, after);

    BoundConsole bound;
    bound.module.setReply(QStringLiteral("TrocarCodigoDeAtivacao"), reply);
    bound.click(QStringLiteral("BtnCodAtivacao"));
    PageInput::fill(bound.console, kValid + entries);
    bound.click(QStringLiteral("BtnTrocarCod"));

    QCOMPARE(bound.console.interaction.events, events);
    QCOMPARE(PageInput::state(bound.console, after), after);
    QCOMPARE(enabledDependents(bound), bound.find<QAbstractButton>(QStringLiteral("CheckMudaCodigo"))->isChecked()
                                           ? kDependents : QStringList());
    if (opcao == 0) {
        QVERIFY(bound.module.calls().isEmpty());
        return;
    }
    QCOMPARE(bound.module.calls().size(), 1);
    QCOMPARE(bound.module.calls().first().arguments,
             (QVariantList{681972, QByteArray(""), opcao, QByteArray("abcdefgh"), QByteArray("abcdefgh")}));
    QCOMPARE(bound.statusText(), QString::fromLatin1(reply.replace("{sessao}", "681972")));
    QVERIFY(!QApplication::overrideCursor());
}

void TestChangeCodePage::changeOverIntegrador()
{
    IntegradorConsole road(QStringLiteral("{sessao}|18000|ok||"));
    QTest::mouseClick(road.console.find<QPushButton>(QStringLiteral("BtnCodAtivacao")), Qt::LeftButton);
    PageInput::fill(road.console, {"CheckMudaCodigo=1", "Checkemergencia=1", "EdtCodigo=12345678",
                                   "EdtNovoCodigo=87654321", "EdtNovoCodigo2=87654321"});
    QTest::mouseClick(road.console.find<QPushButton>(QStringLiteral("BtnTrocarCod")), Qt::LeftButton);
    QCOMPARE(road.requestParameters(), (QStringList{"numeroSessao=681972", "codigoDeAtivacao=12345678", "opcao=2",
                                                    "novoCodigo=87654321", "confNovoCodigo=87654321"}));
    QCOMPARE(road.console.interaction.events, QStringList{kSuccess});
    QCOMPARE(road.waitStates.first(), ConsoleTexts::kAguardando + QStringLiteral(" (wait cursor)"));
}

void TestChangeCodePage::integradorFoldersMissing()
{
    // The exchange's fixed text has no result code: it is shown as received.
    IntegradorConsole road(QStringLiteral("{sessao}|18000|ok||"));
    QVERIFY(QDir(road.console.prefix.path()).removeRecursively());
    QTest::mouseClick(road.console.find<QPushButton>(QStringLiteral("BtnCodAtivacao")), Qt::LeftButton);
    PageInput::fill(road.console, kValid);
    QTest::mouseClick(road.console.find<QPushButton>(QStringLiteral("BtnTrocarCod")), Qt::LeftButton);
    QCOMPARE(road.console.interaction.events,
             QStringList{QStringLiteral("message: Diretórios do Integrador não estão presentes.\n\rVerifique se o "
                                        "Integrador está devidamente instalado.")});
    QCOMPARE(PageInput::state(road.console, kCodesKept), kCodesKept);
    QVERIFY(!QApplication::overrideCursor());
}

QTEST_MAIN(TestChangeCodePage)
#include "tst_changecodepage.moc"
