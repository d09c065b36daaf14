#include "console/frame/consolestate.h"
#include "console/frame/tfvalida.h"
#include "console/frame/widgetinteraction.h"
#include "console/widgets/labelededit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
const QString kTitle = QStringLiteral("Vantel - Programa de Ativação MFE");
}

// The program's own interaction, driven through real message boxes and a
// real modal dialog run.
class TestWidgetInteraction : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void messageBoxCarriesTitleAndText();
    void markupShownAsText_data();
    void markupShownAsText();
    void confirmation_data();
    void confirmation();
    void dialogRunsModally();

private:
    // Answers the next modal message box with the button whose role is given,
    // after recording its caption and text.
    void answerNextBox(QMessageBox::StandardButton button);

    QString caption_;
    QString text_;
    Qt::TextFormat format_ = Qt::AutoText;
};

void TestWidgetInteraction::answerNextBox(QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, this, [this, button] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        caption_ = box->windowTitle();
        text_ = box->text();
        format_ = box->textFormat();
        box->button(button)->click();
    });
}

void TestWidgetInteraction::messageBoxCarriesTitleAndText()
{
    WidgetInteraction interaction(kTitle);
    answerNextBox(QMessageBox::Ok);
    interaction.showMessage(QStringLiteral("Falha na comunicação. \n\rVerifique."));
    QCOMPARE(caption_, QStringLiteral("Vantel - Programa de Ativação MFE"));
    QCOMPARE(text_, QStringLiteral("Falha na comunicação. \n\rVerifique."));
}

void TestWidgetInteraction::markupShownAsText_data()
{
    QTest::addColumn<bool>("confirmation");
    QTest::newRow("message") << false;
    QTest::newRow("confirmation") << true;
}

void TestWidgetInteraction::markupShownAsText()
{
    QFETCH(bool, confirmation);
    const QString text = QStringLiteral("123456|08001|<b>x</b> &lt;y&gt;||");
    WidgetInteraction interaction(kTitle);
    answerNextBox(QMessageBox::Ok);
    if (confirmation)
        QVERIFY(interaction.confirm(text));
    else
        interaction.showMessage(text);
    QCOMPARE(format_, Qt::PlainText);
    QCOMPARE(text_, text);
}

void TestWidgetInteraction::confirmation_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("button");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("OK") << QMessageBox::Ok << true;
    QTest::newRow("Cancel") << QMessageBox::Cancel << false;
}

void TestWidgetInteraction::confirmation()
{
    QFETCH(QMessageBox::StandardButton, button);
    QFETCH(bool, accepted);
    WidgetInteraction interaction(kTitle);
    answerNextBox(button);
    QCOMPARE(interaction.confirm(QStringLiteral("Confirma?")), accepted);
    QCOMPARE(text_, QStringLiteral("Confirma?"));
}

void TestWidgetInteraction::dialogRunsModally()
{
    ConsoleState state;
    TFValida prompt(state);
    WidgetInteraction interaction(kTitle);
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
