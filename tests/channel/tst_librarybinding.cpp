#include "channel/librarybinding.h"
#include "fakemodule.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(CommandArguments)
Q_DECLARE_METATYPE(LibraryBinding::Outcome)

namespace {

const QByteArray kAnsiText("A\xe7\xe3o \xc9 \x80", 8); // "Ação É €" in Windows-1252

} // namespace

class TestLibraryBinding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void bindOutcome_data();
    void bindOutcome();
    void nameIsAppendedToProgramFolderUnchanged();
    void bindsOnlyOnce();

    void commandReachesLibrary_data();
    void commandReachesLibrary();
    void nullResultGivesEmptyReply();
    void replyBytesComeBackUnchanged();
    void missingExportThrows_data();
    void missingExportThrows();
    void certificateCommandIsNeverCalled();

private:
    QString programFolder() const { return programFolder_->path() + QLatin1Char('/'); }
    void bindFake(LibraryBinding &binding);

    std::unique_ptr<QTemporaryDir> programFolder_;
    std::unique_ptr<QTemporaryDir> scriptFolder_;
    std::unique_ptr<FakeModule> module_;
};

void TestLibraryBinding::init()
{
    programFolder_ = std::make_unique<QTemporaryDir>();
    scriptFolder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(programFolder_->isValid());
    QVERIFY(scriptFolder_->isValid());
    module_ = std::make_unique<FakeModule>(scriptFolder_->path());
}

void TestLibraryBinding::bindFake(LibraryBinding &binding)
{
    QVERIFY(FakeModule::installInto(QStringLiteral(FAKE_MFE_LIBRARY), programFolder(), QStringLiteral("mfe.so")));
    QCOMPARE(binding.bind(programFolder(), QStringLiteral("mfe.so")), LibraryBinding::Outcome::Loaded);
}

void TestLibraryBinding::bindOutcome_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<LibraryBinding::Outcome>("outcome");
    QTest::addColumn<QString>("arquivoDll");

    QTest::newRow("library") << "mfe.so" << LibraryBinding::Outcome::Loaded << "mfe.so";
    QTest::newRow("missing file") << "absent.so" << LibraryBinding::Outcome::NotFound << "";
    QTest::newRow("folder of that name") << "folder" << LibraryBinding::Outcome::NotFound << "";
    QTest::newRow("empty name") << "" << LibraryBinding::Outcome::NotFound << "";
    QTest::newRow("text file") << "x.so" << LibraryBinding::Outcome::NotLoadable << "";
}

void TestLibraryBinding::bindOutcome()
{
    QFETCH(QString, name);
    QFETCH(LibraryBinding::Outcome, outcome);
    QFETCH(QString, arquivoDll);
    QVERIFY(FakeModule::installInto(QStringLiteral(FAKE_MFE_LIBRARY), programFolder(), QStringLiteral("mfe.so")));
    QVERIFY(QDir(programFolder()).mkdir(QStringLiteral("folder")));
    QFile text(programFolder() + QStringLiteral("x.so"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a library\n");
    text.close();

    LibraryBinding binding;
    QCOMPARE(binding.bind(programFolder(), name), outcome);
    QCOMPARE(binding.ArquivoDll(), arquivoDll);
}

void TestLibraryBinding::nameIsAppendedToProgramFolderUnchanged()
{
    const QString name = QStringLiteral("sub/dir/mfe.so");
    QVERIFY(FakeModule::installInto(QStringLiteral(FAKE_MFE_LIBRARY), programFolder(), name));

    LibraryBinding inSubFolder;
    QCOMPARE(inSubFolder.bind(programFolder(), name), LibraryBinding::Outcome::Loaded);
    QCOMPARE(inSubFolder.ArquivoDll(), name);

    // Only the program's folder is searched, not the sub-folder's files by bare name.
    LibraryBinding bareName;
    QCOMPARE(bareName.bind(programFolder(), QStringLiteral("mfe.so")), LibraryBinding::Outcome::NotFound);
}

void TestLibraryBinding::bindsOnlyOnce()
{
    LibraryBinding notFound;
    QCOMPARE(notFound.bind(programFolder(), QStringLiteral("mfe.so")), LibraryBinding::Outcome::NotFound);
    QVERIFY(FakeModule::installInto(QStringLiteral(FAKE_MFE_LIBRARY), programFolder(), QStringLiteral("mfe.so")));
    QCOMPARE(notFound.bind(programFolder(), QStringLiteral("mfe.so")), LibraryBinding::Outcome::NotFound);
    QVERIFY(notFound.ArquivoDll().isEmpty());

    LibraryBinding loaded;
    bindFake(loaded);
    QCOMPARE(loaded.bind(programFolder(), QStringLiteral("absent.so")), LibraryBinding::Outcome::Loaded);
    QCOMPARE(loaded.ArquivoDll(), QStringLiteral("mfe.so"));
}

void TestLibraryBinding::commandReachesLibrary_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<qint32>("numeroSessao");
    QTest::addColumn<CommandArguments>("arguments");
    QTest::addColumn<QString>("exportName");
    QTest::addColumn<QList<QVariant>>("received");

    const QByteArray code("12345678");
    QTest::newRow("EnviarDadosVenda") << Command::EnviarDadosVenda << 42
        << CommandArguments{code, QByteArray("<CFe/>")} << "EnviarDadosVenda"
        << QList<QVariant>{42, code, QByteArray("<CFe/>")};
    QTest::newRow("CancelarUltimaVenda") << Command::CancelarUltimaVenda << 1
        << CommandArguments{code, QByteArray("CFe351"), QByteArray("<CFeCanc/>")} << "CancelarUltimaVenda"
        << QList<QVariant>{1, code, QByteArray("CFe351"), QByteArray("<CFeCanc/>")};
    QTest::newRow("ConsultarSAT") << Command::ConsultarSAT << 999998 << CommandArguments{} << "ConsultarSAT"
        << QList<QVariant>{999998};
    QTest::newRow("TesteFimAFim") << Command::TesteFimAFim << 7 << CommandArguments{code, kAnsiText}
        << "TesteFimAFim" << QList<QVariant>{7, code, kAnsiText};
    QTest::newRow("ConsultarStatusOperacional") << Command::ConsultarStatusOperacional << 10
        << CommandArguments{code} << "ConsultarStatusOperacional" << QList<QVariant>{10, code};
    QTest::newRow("ConsultarNumeroSessao") << Command::ConsultarNumeroSessao << 11
        << CommandArguments{code, qint32(123456)} << "ConsultarNumeroSessao" << QList<QVariant>{11, code, 123456};
    QTest::newRow("AssociarAssinatura") << Command::AssociarAssinatura << 13
        << CommandArguments{code, QByteArray("1122233300019916"), QByteArray("SGR-SAT")} << "AssociarAssinatura"
        << QList<QVariant>{13, code, QByteArray("1122233300019916"), QByteArray("SGR-SAT")};
    QTest::newRow("AtualizarSoftwareSAT") << Command::AtualizarSoftwareSAT << 14 << CommandArguments{code}
        << "AtualizarSoftwareSAT" << QList<QVariant>{14, code};
    QTest::newRow("ExtrairLogs") << Command::ExtrairLogs << 15 << CommandArguments{code} << "ExtrairLogs"
        << QList<QVariant>{15, code};
    QTest::newRow("BloquearSAT") << Command::BloquearSAT << 16 << CommandArguments{code} << "BloquearSAT"
        << QList<QVariant>{16, code};
    QTest::newRow("DesbloquearSAT") << Command::DesbloquearSAT << 17 << CommandArguments{code} << "DesbloquearSAT"
        << QList<QVariant>{17, code};
    QTest::newRow("TrocarCodigoDeAtivacao") << Command::TrocarCodigoDeAtivacao << 18
        << CommandArguments{code, qint32(2), QByteArray("novo1234"), QByteArray("novo1234")}
        << "TrocarCodigoDeAtivacao" << QList<QVariant>{18, code, 2, QByteArray("novo1234"), QByteArray("novo1234")};
    QTest::newRow("ConfigurarInterfaceDeRede") << Command::ConfigurarInterfaceDeRede << 12
        << CommandArguments{code, QByteArray("<config/>")} << "ConfigurarInterfaceDeRede"
        << QList<QVariant>{12, code, QByteArray("<config/>")};
    QTest::newRow("AtivarSAT") << Command::AtivarSAT << 4
        << CommandArguments{qint32(1), code, QByteArray("11222333000181"), qint32(35)} << "AtivarSAT"
        << QList<QVariant>{4, 1, code, QByteArray("11222333000181"), 35};
    QTest::newRow("ConfigurarInterfaceDeRedeMFE") << Command::ConfigurarInterfaceDeRedeMFE << 120
        << CommandArguments{code, QByteArray("<config><tipoInter>ETHE</tipoInter></config>")}
        << "ConfigurarInterfaceDeRedeMFE"
        << QList<QVariant>{120, code, QByteArray("<config><tipoInter>ETHE</tipoInter></config>")};
    QTest::newRow("ConsultarStatusOperacionalMFE") << Command::ConsultarStatusOperacionalMFE << 100
        << CommandArguments{kAnsiText} << "ConsultarStatusOperacionalMFE" << QList<QVariant>{100, kAnsiText};
    QTest::newRow("empty text") << Command::BloquearSAT << 5 << CommandArguments{QByteArray()} << "BloquearSAT"
        << QList<QVariant>{5, QByteArray("")};
}

void TestLibraryBinding::commandReachesLibrary()
{
    QFETCH(Command, command);
    QFETCH(qint32, numeroSessao);
    QFETCH(CommandArguments, arguments);
    QFETCH(QString, exportName);
    QFETCH(QList<QVariant>, received);
    LibraryBinding binding;
    bindFake(binding);
    module_->setReply(exportName, "{sessao}|" + exportName.toLatin1() + "|ok||");

    const QByteArray reply = binding.call(command, numeroSessao, arguments);

    QCOMPARE(reply, QByteArray::number(numeroSessao).rightJustified(6, '0') + '|' + exportName.toLatin1() + "|ok||");
    const QList<FakeModule::Call> calls = module_->calls();
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().exportName, exportName);
    QCOMPARE(calls.first().arguments, received);
}

void TestLibraryBinding::nullResultGivesEmptyReply()
{
    LibraryBinding binding;
    bindFake(binding);
    module_->setNullReply(QStringLiteral("ConsultarSAT"));

    QCOMPARE(binding.call(Command::ConsultarSAT, 42, {}), QByteArray());
    QCOMPARE(module_->calls().size(), 1);
}

void TestLibraryBinding::replyBytesComeBackUnchanged()
{
    LibraryBinding binding;
    bindFake(binding);
    const QByteArray reply = "000042|10000|Resposta com sucesso|||" + kAnsiText + "|\xc3\xa7";
    module_->setReply(QStringLiteral("ExtrairLogs"), reply);

    QCOMPARE(binding.call(Command::ExtrairLogs, 42, {QByteArray("12345678")}), reply);
}

void TestLibraryBinding::missingExportThrows_data()
{
    QTest::addColumn<bool>("attemptLoad");
    QTest::newRow("nothing bound") << false;
    QTest::newRow("file not loadable") << true;
}

void TestLibraryBinding::missingExportThrows()
{
    QFETCH(bool, attemptLoad);
    LibraryBinding binding;
    if (attemptLoad) {
        QFile text(programFolder() + QStringLiteral("x.so"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("MZ");
        text.close();
        QCOMPARE(binding.bind(programFolder(), QStringLiteral("x.so")), LibraryBinding::Outcome::NotLoadable);
    }

    try {
        binding.call(Command::ConsultarSAT, 1, {});
        QFAIL("an empty entry was called");
    } catch (const std::runtime_error &error) {
        QVERIFY(QString::fromUtf8(error.what()).contains(QStringLiteral("\"ConsultarSAT\"")));
    }
}

void TestLibraryBinding::certificateCommandIsNeverCalled()
{
    LibraryBinding binding;
    bindFake(binding);

    QVERIFY_THROWS_EXCEPTION(std::runtime_error, binding.call(Command::ComunicarCertificadoICPBRASIL, 1, {}));
    QVERIFY(module_->calls().isEmpty());
}

QTEST_GUILESS_MAIN(TestLibraryBinding)
#include "tst_librarybinding.moc"
