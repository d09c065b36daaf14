#include "channel/commandtable.h"
#include "channel/temposintegrador.h"

#include <QTest>
#include <iterator>

Q_DECLARE_METATYPE(Command)

class TestCommandTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The module library's export table: the binding resolves each entry by this name.
    void exportNamesInLibraryOrder_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QString>("exportName");

        const char *const names[] = {
            "ComunicarCertificadoICPBRASIL",
            "EnviarDadosVenda",
            "CancelarUltimaVenda",
            "ConsultarSAT",
            "TesteFimAFim",
            "ConsultarStatusOperacional",
            "ConsultarNumeroSessao",
            "AssociarAssinatura",
            "AtualizarSoftwareSAT",
            "ExtrairLogs",
            "BloquearSAT",
            "DesbloquearSAT",
            "TrocarCodigoDeAtivacao",
            "ConfigurarInterfaceDeRede",
            "AtivarSAT",
            "ConfigurarInterfaceDeRedeMFE",
            "ConsultarStatusOperacionalMFE",
        };
        QCOMPARE(kCommandCount, int(std::size(names)));
        for (int index = 0; index < kCommandCount; ++index)
            QTest::addRow("%d %s", index + 1, names[index]) << static_cast<Command>(index) << names[index];
    }

    void exportNamesInLibraryOrder()
    {
        QFETCH(Command, command);
        QFETCH(QString, exportName);

        QCOMPARE(QString::fromLatin1(CommandTable::exportName(command)), exportName);
        QCOMPARE(CommandTable::quotedName(command), u'"' + exportName + u'"');
    }

    void rowOfACommand_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<QByteArray>("metodoNome");
        QTest::addColumn<QByteArray>("filePrefix");
        QTest::addColumn<QString>("busyCode");
        QTest::addColumn<bool>("extraBusyField");
        QTest::addColumn<int>("waitSeconds");

        QTest::newRow("ConsultarSAT goes as ConsultarMFe")
            << Command::ConsultarSAT << QByteArray("ConsultarMFe") << QByteArray("ConsultarMFe") << "08098" << false
            << 14;
        QTest::newRow("EnviarDadosVenda, extra busy field")
            << Command::EnviarDadosVenda << QByteArray("EnviarDadosVenda") << QByteArray("EnviarDadosVenda")
            << "06098" << true << 40;
        QTest::newRow("TesteFimAFim, prefix spelled otherwise")
            << Command::TesteFimAFim << QByteArray("TesteFimAFim") << QByteArray("TesteFimaFim") << "09098" << false
            << 50;
        QTest::newRow("AtivarSAT, family 04 first")
            << Command::AtivarSAT << QByteArray("AtivarSAT") << QByteArray("AtivarSAT") << "04098" << false << 330;
        QTest::newRow("AssociarAssinatura, longest wait")
            << Command::AssociarAssinatura << QByteArray("AssociarAssinatura") << QByteArray("AssociarAssinatura")
            << "13098" << false << 1830;
        QTest::newRow("ConsultarStatusOperacionalMFE shares family 10")
            << Command::ConsultarStatusOperacionalMFE << QByteArray("ConsultarStatusOperacionalMFE")
            << QByteArray("ConsultarStatusOperacionalMFE") << "10098" << false << 34;
    }

    void rowOfACommand()
    {
        QFETCH(Command, command);
        QFETCH(QByteArray, metodoNome);
        QFETCH(QByteArray, filePrefix);
        QFETCH(QString, busyCode);
        QFETCH(bool, extraBusyField);
        QFETCH(int, waitSeconds);

        const CommandRow &row = CommandTable::row(command);
        QCOMPARE(QByteArray(row.integrador.metodoNome), metodoNome);
        QCOMPARE(QByteArray(row.integrador.filePrefix), filePrefix);
        QCOMPARE(CommandTable::busyCode(command), busyCode);
        QCOMPARE(row.extraBusyField, extraBusyField);
        QCOMPARE(TemposIntegrador::totalSeconds(row.temposRow), qint64(waitSeconds));
    }

    void certificateCommandIsNotCarriedByTheIntegrador()
    {
        const CommandRow &row = CommandTable::row(Command::ComunicarCertificadoICPBRASIL);
        QVERIFY(!row.integrador.metodoNome);
        QVERIFY(!row.signature);
        QCOMPARE(row.temposRow, 0);
    }

    void everyArgumentReachesTheRequestOnce_data()
    {
        QTest::addColumn<Command>("command");
        for (int index = 0; index < kCommandCount; ++index) {
            const auto command = static_cast<Command>(index);
            if (CommandTable::row(command).integrador.metodoNome)
                QTest::newRow(CommandTable::exportName(command)) << command;
        }
    }

    // Each argument of the export reaches the request once, an "int" parameter
    // only from an integer argument; nrDocumento alone reads none.
    void everyArgumentReachesTheRequestOnce()
    {
        QFETCH(Command, command);
        const CommandRow &row = CommandTable::row(command);

        QVector<int> uses(row.argumentCount());
        for (int index = 0; index < row.integrador.parameterCount(); ++index) {
            const IntegradorParameter &parameter = row.integrador.parameters[std::size_t(index)];
            if (parameter.form == IntegradorParameter::Form::FixedDocumento) {
                QCOMPARE(parameter.argument, -1);
                continue;
            }
            QVERIFY2(parameter.argument >= 0 && parameter.argument < row.argumentCount(), parameter.name);
            ++uses[parameter.argument];
            if (parameter.type == IntegradorParameter::Type::Int)
                QCOMPARE(row.signature[parameter.argument], 'i');
        }
        QCOMPARE(uses, QVector<int>(row.argumentCount(), 1));
    }
};

QTEST_GUILESS_MAIN(TestCommandTable)
#include "tst_commandtable.moc"
