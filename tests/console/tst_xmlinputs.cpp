#include "integradorconsole.h"
#include "integradorrequestdocument.h"
#include "pageinput.h"
#include "testfiles.h"
#include "wellformedxml.h"

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QTest>

namespace {

const QString kPrompt = QStringLiteral("EdtCodigo=12345678");
const QString kRefused = QStringLiteral("O arquivo {work}/entrada.txt contém caracteres inválidos.");

// The next dialog: its "name=value" entries, separated by "|", then its default button.
void answerDialog(ConsoleFixture &console, const QString &entries)
{
    console.interaction.dialogSteps.enqueue([entries](QDialog &dialog) {
        PageInput::fill(dialog, entries.split(QLatin1Char('|')));
        for (QPushButton *button : dialog.findChildren<QPushButton *>()) {
            if (button->isDefault())
                button->click();
        }
    });
}

// Everything the console wrote, by name: the requests with the documents they
// carry, the network documents and, once it is closed, the settings file
// unless it is still the one prepared.
QList<QPair<QString, QByteArray>> writtenDocuments(IntegradorConsole &road, const QByteArray &prepared)
{
    QList<QPair<QString, QByteArray>> documents;
    for (const FakeIntegrador::Request &request : road.integrador.requests()) {
        documents.append({request.fileName, request.bytes});
        const IntegradorRequestDocument parsed(request.bytes);
        for (const QString &name : parsed.parameterNames()) {
            for (const QByteArray &piece : parsed.value(name.toLatin1().constData())->split('|')) {
                if (piece.startsWith('<'))
                    documents.append({name, piece});
            }
        }
    }
    for (const QString name : {"ConfRede.xml", "ConfRedeMFE1.xml", "ConfRedeMFE2.xml"}) {
        if (QFile::exists(road.console.programFolder() + name))
            documents.append({name, TestFiles::read(road.console.programFolder() + name)});
    }
    road.console.stop();
    const QByteArray settings = TestFiles::read(road.console.workingFolder() + "/Parametros.xml");
    if (settings != prepared)
        documents.append({"Parametros.xml", settings});
    return documents;
}

} // namespace

class TestXmlInputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyDocumentIsXml_data();
    void everyDocumentIsXml();
};

void TestXmlInputs::everyDocumentIsXml_data()
{
    QTest::addColumn<QByteArray>("settings"); // the working folder's "Parametros.xml" at start; null: none
    QTest::addColumn<QByteArray>("file");     // {work}/entrada.txt; null: none
    QTest::addColumn<QStringList>("steps");   // a button clicked, or a page's "name=value" entry
    QTest::addColumn<QStringList>("dialogs"); // each dialog's entries, in order of showing
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QByteArrayList>("sent"); // pieces of the one request; empty: nothing sent

    const QByteArray none;
    const auto refused = [&none](const char *row, const QByteArray &file, const QStringList &steps,
                                 const QStringList &dialogs) {
        QTest::newRow(row) << none << file << steps << dialogs << QStringList{kRefused} << QByteArrayList();
    };
    const QStringList associate{"BtnAssocAssin", "EdtCodAtiv3=12345678", "EdtCNPJContrib2=58204716000190",
                                "EdtCNPJSw=73618924000120"};
    const QStringList byFile =
        associate + QStringList{"rgAssinatura=1", "EdtAssinatura={work}/entrada.txt", "BitAssociar"};
    const QStringList production{"BtnTestefimafim", "BtnTesteProducao"};
    const QString dialog("EdtCNPJContrib2=58204716000190|EdtIEContrib=123456789012|EdtCNPJSw=73618924000120|");
    const QStringList sale{"BtnTestefimafim", "LblCFeFile={work}/entrada.txt", "BitBtn10"};
    const QStringList cancel{"BtnTestefimafim", "LblCFeFile={work}/entrada.txt", "BitBtn8"};
    const auto cfe = [](const QByteArray &inSignature) {
        return "<CFe><infCFe Id=\"CFe35\"><ide><signAC>S" + inSignature + "GR</signAC></ide></infCFe></CFe>";
    };
    const QByteArray nul(1, '\0');
    QByteArray settings = TestFiles::read(QStringLiteral(TEST_DATA_DIR "/Parametros.default.xml"));
    settings.replace("tipoInter=\"ETHE\" SSID=\"\"", "tipoInter=\"WIFI\" SSID=\"re&#1;de\"");

    refused("control character in a signature file", "assi\x01natura\r\n", byFile, {});
    refused("NUL in a signature file", "assi" + nul + "natura", byFile, {});
    refused("control character in a signature file, end-to-end", "assi\x01natura", production,
            {kPrompt, dialog + "rgAssinatura=1|EdtAssinatura={work}/entrada.txt"});
    refused("NUL in a CF-e file, sale", cfe(nul), sale, {kPrompt});
    refused("control character in a CF-e file, sale", cfe("\x01"), sale, {kPrompt});
    refused("control character in a CF-e file, cancellation", cfe("\x01"), cancel, {kPrompt});
    refused("reference to a control character in a CF-e, cancellation", cfe("&#1;"), cancel, {kPrompt});
    QTest::newRow("reference to a control character in Parametros.xml") << settings << none
        << QStringList{"BtnConfRede", "LblEdtCodRede=12345678", "BitEnviarConfRede"} << QStringList()
        << QStringList{"ok"} << QByteArrayList{"<SSID>rede</SSID>"};
    QTest::newRow("typed control characters, network page") << none << none
        << QStringList{"BtnConfRede", "CbotipoLan=1", "EdtlanIP=10.0.0.5\x01", "LblEdtCodRede=1234\x01" "5678",
                       "BitEnviarConfRede"}
        << QStringList() << QStringList{"ok"} << QByteArrayList{"<lanIP>10.0.0.5</lanIP>", "<Valor>12345678</Valor>"};
    QTest::newRow("typed U+FFFE, U+FFFF and lone surrogates, MF-e network page") << none << none
        << QStringList{"BtnConfRedeMFE", "LblEdtMFECodRede=12345678", "EdtMFEUsuario=us\uFFFEer",
                       "EdtMFESenha=se\uFFFFnha", "EdtMFEPhone=*99#" + QString(QChar(0xDC00)),
                       "EdtMFEAPN=" + QString(QChar(0xD800)) + "apn", "BitEnviarMFEConfRede"}
        << QStringList() << QStringList{"ok"}
        << QByteArrayList{"<usuario>user</usuario><senha>senha</senha><phone>*99#</phone><APN>apn</APN>"};
    QTest::newRow("typed U+FFFF in the signature, association") << none << none
        << associate + QStringList{"EdtAssinatura=assi\uFFFFnatura", "BitAssociar"} << QStringList() << QStringList()
        << QByteArrayList{"<Valor>assinatura</Valor>"};
    QTest::newRow("typed U+FFFE in the signature, end-to-end") << none << none << production
        << QStringList{kPrompt, dialog + "rgAssinatura=0|EdtAssinatura=assi\uFFFEnatura"} << QStringList{"ok"}
        << QByteArrayList{"<signAC>assinatura</signAC>"};
}

void TestXmlInputs::everyDocumentIsXml()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, dialogs);
    QFETCH(QStringList, messages);
    QFETCH(QByteArrayList, sent);

    IntegradorConsole road(QStringLiteral("{sessao}|12000|ok||"));
    const QString work = road.console.workingFolder();
    if (!settings.isNull()) {
        road.console.stop();
        QVERIFY(TestFiles::write(work + "/Parametros.xml", settings));
        road.console.start();
    }
    if (!file.isNull())
        QVERIFY(TestFiles::write(work + "/entrada.txt", file));
    for (const QString &entries : std::as_const(dialogs))
        answerDialog(road.console, QString(entries).replace("{work}", work));
    for (const QString &step : std::as_const(steps)) {
        if (step.contains(QLatin1Char('=')))
            PageInput::fill(road.console, {step});
        else
            road.console.find<QAbstractButton>(step)->click();
    }

    QCOMPARE(road.console.interaction.messages(), messages.replaceInStrings("{work}", work));
    QCOMPARE(road.integrador.requests().size(), sent.isEmpty() ? 0 : 1);
    for (const QByteArray &piece : std::as_const(sent))
        QVERIFY2(road.integrador.requests().first().bytes.contains(piece), piece.constData());
    for (const auto &[name, bytes] : writtenDocuments(road, settings))
        QVERIFY2(WellFormedXml::problem(bytes).isEmpty(), qPrintable(name + ": " + WellFormedXml::problem(bytes)));
}

QTEST_MAIN(TestXmlInputs)
#include "tst_xmlinputs.moc"
