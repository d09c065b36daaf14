#include "channel/commandchannel.h"
#include "channel/commandsignature.h"
#include "channel/commandtable.h"
#include "fakemodule.h"
#include "samplearguments.h"
#include "temporarywineprefix.h"
#include "testclock.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

Q_DECLARE_METATYPE(Command)
Q_DECLARE_METATYPE(CommandArguments)

class TestCommandChannel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each command's row, written out in SampleArguments, is the one list it
    // accepts: one argument more or less, or another type, is refused.
    void eachCommandAcceptsItsRowOnly_data()
    {
        QTest::addColumn<Command>("command");
        for (int index = 0; index < kCommandCount; ++index)
            QTest::newRow(CommandTable::exportName(static_cast<Command>(index))) << static_cast<Command>(index);
    }

    void eachCommandAcceptsItsRowOnly()
    {
        QFETCH(Command, command);
        const QByteArray types = SampleArguments::typesOf(command);

        QCOMPARE(CommandSignature::accepts(command, SampleArguments::of(types)),
                 command != Command::ComunicarCertificadoICPBRASIL);
        QVERIFY(!CommandSignature::accepts(command, SampleArguments::of(types + 't')));
        QVERIFY(!CommandSignature::accepts(command, SampleArguments::of(types + 'i')));
        for (qsizetype index = 0; index < types.size(); ++index) {
            QByteArray changed = types;
            changed[index] = types.at(index) == 'i' ? 't' : 'i';
            QVERIFY(!CommandSignature::accepts(command, SampleArguments::of(changed)));
            QVERIFY(!CommandSignature::accepts(command, SampleArguments::of(QByteArray(types).remove(index, 1))));
        }
    }

    void bothRoadsRefuseAMismatch_data()
    {
        QTest::addColumn<bool>("library");
        QTest::addColumn<Command>("command");
        QTest::addColumn<CommandArguments>("arguments");
        QTest::addColumn<QString>("message");

        const struct {
            const char *name;
            Command command;
            CommandArguments arguments;
            const char *message;
        } rows[] = {
            {"argument to ConsultarSAT", Command::ConsultarSAT, {QByteArray("x")},
             "Argumentos inválidos para o comando \"ConsultarSAT\"."},
            {"missing argument", Command::EnviarDadosVenda, {QByteArray("12345678")},
             "Argumentos inválidos para o comando \"EnviarDadosVenda\"."},
            {"extra argument", Command::BloquearSAT, {QByteArray("12345678"), QByteArray("x")},
             "Argumentos inválidos para o comando \"BloquearSAT\"."},
            {"text for integer", Command::AtivarSAT,
             {QByteArray("1"), QByteArray("12345678"), QByteArray("11222333000181"), qint32(35)},
             "Argumentos inválidos para o comando \"AtivarSAT\"."},
            {"integer for text", Command::ConsultarStatusOperacional, {qint32(12345678)},
             "Argumentos inválidos para o comando \"ConsultarStatusOperacional\"."},
            {"AtivarSAT in wrong order", Command::AtivarSAT,
             {QByteArray("12345678"), qint32(1), QByteArray("11222333000181"), qint32(35)},
             "Argumentos inválidos para o comando \"AtivarSAT\"."},
            {"certificate command", Command::ComunicarCertificadoICPBRASIL, {},
             "Argumentos inválidos para o comando \"ComunicarCertificadoICPBRASIL\"."},
        };
        for (const auto &row : rows) {
            for (const bool library : {true, false}) {
                QTest::addRow("%s, %s", library ? "library" : "Integrador", row.name)
                    << library << row.command << row.arguments << QString::fromUtf8(row.message);
            }
        }
    }

    // Nothing reaches the library, no request file is written.
    void bothRoadsRefuseAMismatch()
    {
        QFETCH(bool, library);
        QFETCH(Command, command);
        QFETCH(CommandArguments, arguments);
        QFETCH(QString, message);

        TemporaryWinePrefix prefix;
        QTemporaryDir programFolder;
        QTemporaryDir scriptFolder;
        FakeModule module(scriptFolder.path());
        TestClock clock;
        CommandChannel channel(clock);
        if (library) {
            const QString folder = programFolder.path() + u'/';
            QVERIFY(FakeModule::installInto(QStringLiteral(FAKE_MFE_LIBRARY), folder, QStringLiteral("mfe.so")));
            QCOMPARE(channel.binding().bind(folder, QStringLiteral("mfe.so")), LibraryBinding::Outcome::Loaded);
        }

        try {
            channel.call(command, 1, arguments);
            QFAIL("the call was sent");
        } catch (const std::runtime_error &error) {
            QCOMPARE(QString::fromUtf8(error.what()), message);
        }
        QVERIFY(module.calls().isEmpty());
        QVERIFY(QDir(prefix.input()).isEmpty());
        QCOMPARE(clock.pauseCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestCommandChannel)
#include "tst_commandchannel.moc"
