#include "consolefixture.h"

#include "console/frame/consolestate.h"
#include "console/frame/tffimafim.h"
#include "console/tfativacao.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/maskededit.h"
#include "console/widgets/radiogroup.h"
#include "console/widgets/signatureinput.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// The dialog as start-up builds it, with stored CNPJs and signature.
struct DialogConsole {
    ConsoleFixture console;
    TFFimAFim *dialog = nullptr;

    DialogConsole()
    {
        console.start();
        ClientDataSet &cds = console.window().cds();
        cds.setFieldAsString(QStringLiteral("CNPJContribuinte"), QStringLiteral("58204716000190"));
        cds.setFieldAsString(QStringLiteral("CNPJSH"), QStringLiteral("73618924000120"));
        cds.setFieldAsString(QStringLiteral("Assinatura"), QStringLiteral("ASSINADO"));
        dialog = console.window().FFimAFim;
    }
    QString signatureCaption() const
    {
        return dialog->findChild<QLabel *>(QStringLiteral("EdtAssinaturaLabel"))->text();
    }
};

} // namespace

class TestTFFimAFim : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultState();
    void showingRefillsStoredEntries();
    void signatureChoice_data();
    void signatureChoice();
    void signatureFilePicker_data();
    void signatureFilePicker();
};

void TestTFFimAFim::defaultState()
{
    DialogConsole fixture;
    TFFimAFim *dialog = fixture.dialog;
    QCOMPARE(dialog->windowTitle(), QStringLiteral("MFE - VANTEL (Testes FimAFim)"));
    QCOMPARE(dialog->size(), QSize(368, 286));
    QVERIFY(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(dialog->rgAssinatura->itemIndex(), SignatureInput::Texto);
    QCOMPARE(dialog->rgAssinatura->title(), QStringLiteral("Forma de envio:"));
    QCOMPARE(fixture.signatureCaption(), QStringLiteral("Texto:"));
    QCOMPARE(dialog->EdtAssinatura->maxLength(), 344);
    QCOMPARE(dialog->EdtIEContrib->inputMask(), QStringLiteral("999.999.999.999;_"));
    QVERIFY(dialog->Button3->isHidden());
    QVERIFY(dialog->BtnOk->isDefault());
    QCOMPARE(dialog->LblAssinatura->text(), QStringLiteral("Assinatura do Aplicativo Comercial:"));
    QCOMPARE(fixture.console.window().state().Cancelado, 1);

    const QStringList named{"EdtCNPJContrib2", "EdtIEContrib", "EdtCNPJSw", "rgAssinatura", "EdtAssinatura",
                            "Button3", "BtnOk"};
    QStringList order;
    for (QWidget *widget = dialog->EdtCNPJContrib2; order.size() < named.size(); widget = widget->nextInFocusChain()) {
        QWidget *control = qobject_cast<QRadioButton *>(widget) ? widget->parentWidget() : widget;
        if (named.contains(control->objectName()) && !order.contains(control->objectName()))
            order << control->objectName();
    }
    QCOMPARE(order, named);
}

void TestTFFimAFim::showingRefillsStoredEntries()
{
    DialogConsole fixture;
    TFFimAFim *dialog = fixture.dialog;
    fixture.console.interaction.dialogSteps.enqueue([dialog](QDialog &) {
        dialog->EdtCNPJContrib2->setText(QStringLiteral("11111111111111"));
        dialog->EdtIEContrib->setText(QStringLiteral("123456789012"));
        dialog->rgAssinatura->setItemIndex(SignatureInput::Arquivo);
    });
    fixture.console.interaction.runDialog(*dialog);
    fixture.console.interaction.runDialog(*dialog);

    QCOMPARE(dialog->EdtCNPJContrib2->digits(), QStringLiteral("58204716000190"));
    QCOMPARE(dialog->EdtCNPJSw->digits(), QStringLiteral("73618924000120"));
    QCOMPARE(dialog->EdtAssinatura->text(), QStringLiteral("ASSINADO"));
    QCOMPARE(dialog->EdtIEContrib->digits(), QStringLiteral("123456789012"));
    QCOMPARE(dialog->rgAssinatura->itemIndex(), SignatureInput::Arquivo);
    QCOMPARE(fixture.console.window().state().Cancelado, 1);
}

void TestTFFimAFim::signatureChoice_data()
{
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("browse");

    QTest::newRow("file") << QList<int>{1} << "Arquivo" << true;
    QTest::newRow("file, then text") << QList<int>{1, 0} << "Texto" << false;
}

void TestTFFimAFim::signatureChoice()
{
    QFETCH(QList<int>, choices);
    QFETCH(QString, caption);
    QFETCH(bool, browse);

    DialogConsole fixture;
    for (int choice : choices) {
        fixture.dialog->EdtAssinatura->setText(QStringLiteral("algo"));
        fixture.dialog->rgAssinatura->item(choice)->click();
    }
    QVERIFY(fixture.dialog->EdtAssinatura->text().isEmpty());
    QCOMPARE(fixture.signatureCaption(), caption);
    QCOMPARE(!fixture.dialog->Button3->isHidden(), browse);
}

void TestTFFimAFim::signatureFilePicker_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("text");
    QTest::newRow("chosen") << "/tmp/assinatura.txt" << "/tmp/assinatura.txt";
    QTest::newRow("cancelled") << "" << "antes";
}

void TestTFFimAFim::signatureFilePicker()
{
    QFETCH(QString, choice);
    QFETCH(QString, text);

    DialogConsole fixture;
    fixture.dialog->rgAssinatura->setItemIndex(SignatureInput::Arquivo);
    fixture.dialog->EdtAssinatura->setText(QStringLiteral("antes"));
    fixture.console.interaction.fileChoices.enqueue(choice);
    fixture.dialog->Button3->click();
    QCOMPARE(fixture.console.interaction.events, QStringList{QStringLiteral("open file: ")});
    QCOMPARE(fixture.dialog->EdtAssinatura->text(), text);
}

QTEST_MAIN(TestTFFimAFim)
#include "tst_tffimafim.moc"
