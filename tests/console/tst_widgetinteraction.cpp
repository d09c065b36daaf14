#include "console/consolestate.h"
#include "console/labelededit.h"
#include "console/tfativacao.h"
#include "console/tfvalida.h"
#include "console/widgetinteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The program's own interaction, driven through real message boxes and a
// real modal dialog run.
class TestWidgetInteraction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageBoxCarriesTitleAndText();
    void confirmation_data();
    void confirmation();
    void dialogRunsModally();

private:
    // Answers the next modal message box with the button whose role is given,
    // after recording its caption and text.
    void answerNextBox(QMessageBox::StandardButton button);

    QString caption_;
    QString text_;
};

void TestWidgetInteraction::answerNextBox(QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, this, [this, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        caption_ = box->windowTitle();
        text_ = box->text();
        box->button(button)->click();
    });
}

void TestWidgetInteraction::messageBoxCarriesTitleAndText()
{
    WidgetInteraction interaction(TFAtivacao::kApplicationTitle);
    answerNextBox(QMessageBox::Ok);
    interaction.showMessage(QStringLiteral("Falha na comunicação. \n\rVerifique."));
    QCOMPARE(caption_, QStringLiteral("Vantel - Programa de Ativação MFE"));
    QCOMPARE(text_, QStringLiteral("Falha na comunicação. \n\rVerifique."));
}

void TestWidgetInteraction::confirmation_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("OK") << int(QMessageBox::Ok) << true;
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << false;
}

void TestWidgetInteraction::confirmation()
{
    QFETCH(int, button);
    QFETCH(bool, accepted);
    WidgetInteraction interaction(TFAtivacao::kApplicationTitle);
    answerNextBox(QMessageBox::StandardButton(button));
    QCOMPARE(interaction.confirm(QStringLiteral("Confirma?")), accepted);
    QCOMPARE(text_, QStringLiteral("Confirma?"));
}

void TestWidgetInteraction::dialogRunsModally()
{
    ConsoleState state;
    TFValida prompt(state);
    WidgetInteraction interaction(TFAtivacao::kApplicationTitle);
    QTimer::singleShot(0, &prompt, [&prompt] {
        QVERIFY(prompt.isModal() || QApplication::activeModalWidget() == &prompt);
        QTest::keyClicks(prompt.EdtCodigo, QStringLiteral("codigo-secreto"));
        prompt.BtnTrocarCod->click();
    });
    interaction.runDialog(prompt);
    QCOMPARE(state.Cancelado, 0);
    QCOMPARE(state.CodAtivacao, QStringLiteral("codigo-secreto"));
}

QTEST_MAIN(TestWidgetInteraction)
#include "tst_widgetinteraction.moc"
