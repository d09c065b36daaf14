#include "channel/commandtable.h"
#include "channel/integradorrequest.h"
#include "integradorfixture.h"
#include "integradorrequestdocument.h"
#include "samplearguments.h"
#include "testfiles.h"

#include <QTest>

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(CommandArguments)

namespace {

const QString kIdentificador = QStringLiteral("20899986"); // TestClock's default time, 10:20:30.400

} // namespace

class TestIntegradorRequest : public QObject
{
    Q_OBJECT

private:
    // Sends through the exchange with a fake that answers at once and returns
    // the one request file the exchange wrote.
    struct Sent {
        QString fileName;
        QByteArray bytes;
    };
    Sent sendAnswered(Command command, qint32 sessao, const CommandArguments &arguments)
    {
        IntegradorFixture f;
        f.answerWith(QStringLiteral("{sessao}|ok"));
        const QByteArray reply = f.exchange.send(command, sessao, arguments);
        if (reply.isEmpty() || f.fake.requests().size() != 1)
            return {};
        const QString fileName = f.fake.requests().first().fileName;
        return {fileName, TestFiles::read(f.prefix.input() + u'/' + fileName)};
    }

private Q_SLOTS:
    void referenceDocument_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<qint32>("sessao");
        QTest::addColumn<CommandArguments>("arguments");
        QTest::addColumn<QString>("reference");

        QTest::newRow("AtivarSAT: subComando under string")
            << Command::AtivarSAT << 42
            << CommandArguments{1, QByteArray("12345678"), QByteArray("16716114000172"), 35}
            << "AtivarSAT20899986.xml";
        QTest::newRow("EnviarDadosVenda: CDATA and nrDocumento")
            << Command::EnviarDadosVenda << 123456
            << CommandArguments{QByteArray("12345678"), QByteArray("<CFe><infCFe versaoDadosEnt=\"0.07\"/></CFe>")}
            << "EnviarDadosVenda20899986.xml";
        QTest::newRow("ConsultarSAT: numeroSessao only")
            << Command::ConsultarSAT << 7 << CommandArguments{} << "ConsultarMFe20899986.xml";
        QTest::newRow("ConsultarStatusOperacional: other indents")
            << Command::ConsultarStatusOperacional << 999998 << CommandArguments{QByteArray("12345678")}
            << "ConsultarStatusOperacional20899986.xml";
        QTest::newRow("TrocarCodigoDeAtivacao: its own prefix")
            << Command::TrocarCodigoDeAtivacao << 1
            << CommandArguments{QByteArray("12345678"), 1, QByteArray("87654321"), QByteArray("87654321")}
            << "TrocarCodigoAtivacao20899986.xml";
    }

    void referenceDocument()
    {
        QFETCH(Command, command);
        QFETCH(qint32, sessao);
        QFETCH(CommandArguments, arguments);
        QFETCH(QString, reference);

        const Sent sent = sendAnswered(command, sessao, arguments);
        QCOMPARE(sent.fileName, reference);
        QCOMPARE(sent.bytes, TestFiles::read(QStringLiteral(TEST_DATA_DIR "/integrador/") + reference));
    }

    void statusRoutinesDifferOnlyInNames()
    {
        const CommandArguments arguments{QByteArray("12345678")};
        const Sent plain = sendAnswered(Command::ConsultarStatusOperacional, 5, arguments);
        const Sent mfe = sendAnswered(Command::ConsultarStatusOperacionalMFE, 5, arguments);
        QCOMPARE(mfe.fileName, "ConsultarStatusOperacionalMFE" + kIdentificador + ".xml");
        QCOMPARE(QByteArray(mfe.bytes).replace("ConsultarStatusOperacionalMFE", "ConsultarStatusOperacional"),
                 plain.bytes);
    }

    void methodTable_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("metodo");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("parameters");

        const QString sessao = QStringLiteral("numeroSessao");
        const QString codigo = QStringLiteral("codigoDeAtivacao");
        QTest::newRow("AtivarSAT") << Command::AtivarSAT << "AtivarSAT" << "AtivarSAT"
                                   << QStringList{sessao, "subComando", codigo, "CNPJ", "cUF"};
        QTest::newRow("EnviarDadosVenda") << Command::EnviarDadosVenda << "EnviarDadosVenda" << "EnviarDadosVenda"
                                          << QStringList{sessao, codigo, "dadosVenda", "nrDocumento"};
        QTest::newRow("CancelarUltimaVenda")
            << Command::CancelarUltimaVenda << "CancelarUltimaVenda" << "CancelarUltimaVenda"
            << QStringList{sessao, codigo, "chave", "dadosCancelamento"};
        QTest::newRow("ConsultarSAT") << Command::ConsultarSAT << "ConsultarMFe" << "ConsultarMFe"
                                      << QStringList{sessao};
        QTest::newRow("TesteFimAFim") << Command::TesteFimAFim << "TesteFimAFim" << "TesteFimaFim"
                                      << QStringList{sessao, codigo, "dadosVenda"};
        QTest::newRow("ConsultarStatusOperacional")
            << Command::ConsultarStatusOperacional << "ConsultarStatusOperacional" << "ConsultarStatusOperacional"
            << QStringList{sessao, codigo};
        QTest::newRow("ConsultarNumeroSessao")
            << Command::ConsultarNumeroSessao << "ConsultarNumeroSessao" << "ConsultarNumeroSessao"
            << QStringList{sessao, codigo, "cNumeroDeSessao"};
        QTest::newRow("ConfigurarInterfaceDeRede")
            << Command::ConfigurarInterfaceDeRede << "ConfigurarInterfaceDeRede" << "ConfigurarInterfaceDeRede"
            << QStringList{sessao, codigo, "dadosConfiguracao", "nrDocumento"};
        QTest::newRow("AssociarAssinatura")
            << Command::AssociarAssinatura << "AssociarAssinatura" << "AssociarAssinatura"
            << QStringList{sessao, codigo, "cnpjValue", "assinaturaCNPJs"};
        QTest::newRow("AtualizarSoftwareSAT")
            << Command::AtualizarSoftwareSAT << "AtualizarSoftwareSAT" << "AtualizarSoftwareSAT"
            << QStringList{sessao, codigo};
        QTest::newRow("ExtrairLogs") << Command::ExtrairLogs << "ExtrairLogs" << "ExtrairLogs"
                                     << QStringList{sessao, codigo};
        QTest::newRow("BloquearSAT") << Command::BloquearSAT << "BloquearSAT" << "BloquearSAT"
                                     << QStringList{sessao, codigo};
        QTest::newRow("DesbloquearSAT") << Command::DesbloquearSAT << "DesbloquearSAT" << "DesbloquearSAT"
                                        << QStringList{sessao, codigo};
        QTest::newRow("TrocarCodigoDeAtivacao")
            << Command::TrocarCodigoDeAtivacao << "TrocarCodigoDeAtivacao" << "TrocarCodigoAtivacao"
            << QStringList{sessao, codigo, "opcao", "novoCodigo", "confNovoCodigo"};
        QTest::newRow("ConfigurarInterfaceDeRedeMFE")
            << Command::ConfigurarInterfaceDeRedeMFE << "ConfigurarInterfaceDeRedeMFE"
            << "ConfigurarInterfaceDeRedeMFE" << QStringList{sessao, codigo, "dadosConfiguracao", "nrDocumento"};
        QTest::newRow("ConsultarStatusOperacionalMFE")
            << Command::ConsultarStatusOperacionalMFE << "ConsultarStatusOperacionalMFE"
            << "ConsultarStatusOperacionalMFE" << QStringList{sessao, codigo};
    }

    void methodTable()
    {
        QFETCH(Command, command);
        QFETCH(QString, metodo);
        QFETCH(QString, prefix);
        QFETCH(QStringList, parameters);

        const Sent sent = sendAnswered(command, 42, SampleArguments::of(command));
        QCOMPARE(sent.fileName, prefix + kIdentificador + ".xml");
        const IntegradorRequestDocument document(sent.bytes);
        QVERIFY(document.isValid());
        QCOMPARE(document.identificador(), kIdentificador);
        QCOMPARE(document.metodo(), metodo);
        QCOMPARE(document.parameterNames(), parameters);
        QCOMPARE(document.value("numeroSessao"), QByteArray("42"));
        if (parameters.contains("nrDocumento"))
            QCOMPARE(document.value("nrDocumento"), QByteArray("01"));
    }

    void valuesReadBackUnchanged_data()
    {
        QTest::addColumn<QByteArray>("codigo");
        QTest::addColumn<QByteArray>("dados");

        QTest::newRow("plain") << QByteArray("12345678") << QByteArray("<CFe/>");
        QTest::newRow("ampersand and angle brackets") << QByteArray("a&b<c>d") << QByteArray("x & y < z > w");
        QTest::newRow("already an entity") << QByteArray("&amp;&lt;") << QByteArray("&amp;");
        QTest::newRow("CDATA end inside") << QByteArray("]]>") << QByteArray("<a>]]></a>");
        QTest::newRow("CDATA ends in a row") << QByteArray("x") << QByteArray("]]>]]>]]]>>");
        QTest::newRow("CDATA opener inside") << QByteArray("<![CDATA[") << QByteArray("<![CDATA[x]]>");
        QTest::newRow("quotes and apostrophes") << QByteArray("\"'\"") << QByteArray("\"'");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }

    void valuesReadBackUnchanged()
    {
        QFETCH(QByteArray, codigo);
        QFETCH(QByteArray, dados);

        const IntegradorRequest request(CommandTable::row(Command::EnviarDadosVenda).integrador, kIdentificador);
        const IntegradorRequestDocument document(request.document(9, {codigo, dados}));
        QVERIFY(document.isValid());
        QCOMPARE(document.value("codigoDeAtivacao"), codigo);
        QCOMPARE(document.value("dadosVenda"), dados);
    }

    // The document declares UTF-8: ANSI arguments are written as the same characters in UTF-8.
    void accentedValuesAreUtf8_data()
    {
        QTest::addColumn<QByteArray>("ansi");
        QTest::addColumn<QByteArray>("utf8");

        QTest::newRow("Portuguese accents") << QByteArray("Ativa\xe7\xe3o \xc9") << QByteArray("Ativa\xc3\xa7\xc3\xa3o \xc3\x89");
        QTest::newRow("euro sign and copyright") << QByteArray("\x80 \xa9") << QByteArray("\xe2\x82\xac \xc2\xa9");
        QTest::newRow("ASCII unchanged") << QByteArray("12345678") << QByteArray("12345678");
    }

    void accentedValuesAreUtf8()
    {
        QFETCH(QByteArray, ansi);
        QFETCH(QByteArray, utf8);

        const IntegradorRequest request(CommandTable::row(Command::EnviarDadosVenda).integrador, kIdentificador);
        const QByteArray bytes = request.document(9, {ansi, QByteArray("<CFe/>")});
        QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n"));
        QVERIFY(bytes.contains("          <Valor>" + utf8 + "</Valor>\r\n"));
    }

    // A document in CDATA carries the characters that the module reads from
    // the same bytes through the library: its own encoding, as XML reads it.
    void documentsAsXmlReadsThem_data()
    {
        QTest::addColumn<QByteArray>("dados");
        QTest::addColumn<QByteArray>("utf8");

        const QByteArray config = "<config><proxy_user>a\xc3\xa7\xc3\xa3o</proxy_user></config>";
        QTest::newRow("UTF-8 declared, as the network pages write it")
            << "<?xml version=\"1.0\" encoding=\"utf-8\"?>" + config
            << "<?xml version=\"1.0\" encoding=\"utf-8\"?>" + config;
        QTest::newRow("UTF-8 without a declaration") << config << config;
        QTest::newRow("windows-1252 declared")
            << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1252\"?><CFe>S\xe3o \x80</CFe>")
            << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1252\"?><CFe>S\xc3\xa3o \xe2\x82\xac</CFe>");
        QTest::newRow("ANSI bytes under a UTF-8 declaration become replacement characters")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><CFe>S\xe3o</CFe>")
            << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><CFe>S\xef\xbf\xbdo</CFe>");
    }

    void documentsAsXmlReadsThem()
    {
        QFETCH(QByteArray, dados);
        QFETCH(QByteArray, utf8);

        const IntegradorRequest request(CommandTable::row(Command::EnviarDadosVenda).integrador, kIdentificador);
        const QByteArray bytes = request.document(9, {QByteArray("12345678"), dados});
        QVERIFY(bytes.contains("          <Valor><![CDATA[" + utf8 + "]]></Valor>\r\n"));
    }

    void escapedForms()
    {
        const IntegradorRequest request(CommandTable::row(Command::EnviarDadosVenda).integrador, kIdentificador);
        const QByteArray document = request.document(9, {QByteArray("a&b<c>d"), QByteArray("x]]>y")});
        QVERIFY(document.contains("          <Valor>a&amp;b&lt;c&gt;d</Valor>\r\n"));
        QVERIFY(document.contains("          <Valor><![CDATA[x]]]]><![CDATA[>y]]></Valor>\r\n"));
    }

    void textArgumentsEndAtNul()
    {
        const IntegradorRequest request(CommandTable::row(Command::BloquearSAT).integrador, kIdentificador);
        const IntegradorRequestDocument document(request.document(9, {QByteArray("abc\0def", 7)}));
        QCOMPARE(document.value("codigoDeAtivacao"), QByteArray("abc"));
    }

    void negativeIntegers()
    {
        const IntegradorRequest request(CommandTable::row(Command::ConsultarNumeroSessao).integrador, kIdentificador);
        const IntegradorRequestDocument document(request.document(-5, {QByteArray("12345678"), qint32(-123)}));
        QCOMPARE(document.value("numeroSessao"), QByteArray("-5"));
        QCOMPARE(document.value("cNumeroDeSessao"), QByteArray("-123"));
    }
};

QTEST_GUILESS_MAIN(TestIntegradorRequest)
#include "tst_integradorrequest.moc"
