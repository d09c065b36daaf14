#include "integradorfixture.h"
#include "samplearguments.h"
#include "smallfilesystem.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <thread>
#include <utility>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

Q_DECLARE_METATYPE(Command)

namespace {

const QByteArray kMissingFolders = "Diret\xf3rios do Integrador n\xe3o est\xe3o presentes.\n\r"
                                   "Verifique se o Integrador est\xe1 devidamente instalado.";

// The busy reply of a five-field command, from its definition.
QByteArray busy(const QByteArray &sessaoAndCode)
{
    return sessaoAndCode + "|SAT em processamento. Tente novamente.||";
}


QStringList inputFiles(const TemporaryWinePrefix &prefix)
{
    return QDir(prefix.input()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

// The identifier from its definition, independent of the code under test.
QString expectedIdentifier(const QTime &time)
{
    const quint32 seed = quint32(time.hour() * 9999 + time.minute() * 34463 + time.second() + time.msec() * 16959)
        % 65536u;
    const quint32 state = seed * 134775813u + 1u;
    const quint64 draw = (quint64(state) * 99999998u) >> 32;
    return QString::number(draw + 1).rightJustified(8, u'0');
}

// What a hostile or careless neighbour leaves in Output under a "*.xml" name.
enum class Hostile { OtherReply, LargeOtherReply, BrokenFile, Folder, Fifo, LinkToErrorReply, LinkToDevice };

QByteArray otherReply(qsizetype padding = 0)
{
    return FakeIntegrador::replyDocument(QStringLiteral("1"), QStringLiteral("000001|08000|alheia|||")
                                         + QString(padding, u'A'));
}

bool createHostile(Hostile kind, const QString &path, const QString &elsewhere)
{
    switch (kind) {
    case Hostile::OtherReply:
        return TestFiles::write(path, otherReply());
    case Hostile::LargeOtherReply:
        return TestFiles::write(path, otherReply(8 * 1024 * 1024));
    case Hostile::BrokenFile:
        return TestFiles::write(path, "<Integrador><Identificador>");
    case Hostile::Folder:
        return QDir().mkdir(path);
    case Hostile::Fifo:
#ifdef Q_OS_UNIX
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#else
        return false;
#endif
    case Hostile::LinkToErrorReply: // taken if it were read
        return TestFiles::write(elsewhere, FakeIntegrador::replyDocument({}, {}, "erro de outro lugar"))
            && QFile::link(elsewhere, path);
    case Hostile::LinkToDevice:
        return QFile::link(QStringLiteral("/dev/zero"), path);
    }
    return false;
}

// Virtual milliseconds of one ConsultarSAT answered by the fixture's fake; -1 for another reply.
qint64 answeredIn(IntegradorFixture &f, qint32 sessao)
{
    const qint64 start = f.clock.elapsed();
    const QByteArray reply = f.exchange.send(Command::ConsultarSAT, sessao, {});
    return reply == QByteArray::number(sessao).rightJustified(6, '0') + "|08000|ok|||" ? f.clock.elapsed() - start
                                                                                        : -1;
}

// The same over an empty Output folder.
qint64 answeredInEmptyFolder()
{
    IntegradorFixture f;
    f.answerWith(QStringLiteral("{sessao}|08000|ok|||"));
    return answeredIn(f, 1);
}

constexpr qint64 kVisitPause = 300;

QDateTime at(const QTime &time)
{
    return QDateTime(QDate(2026, 12, 7), time);
}

} // namespace

class TestIntegradorExchange : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void identifierFromTimeOfDay_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::newRow("10:20:30.400") << QTime(10, 20, 30, 400);
        QTest::newRow("midnight") << QTime(0, 0, 0, 0);
        QTest::newRow("last millisecond") << QTime(23, 59, 59, 999);
        QTest::newRow("noon") << QTime(12, 0, 0, 0);
        QTest::newRow("07:05:09.001") << QTime(7, 5, 9, 1);
    }

    void identifierFromTimeOfDay()
    {
        QFETCH(QTime, time);
        IntegradorFixture f;
        f.clock.setNow(at(time));
        f.generator.seed(12345); // left over from an earlier draw: must not matter
        const QString identifier = f.exchange.GeraIdentificador();
        QCOMPARE(identifier.size(), 8);
        QCOMPARE(identifier, expectedIdentifier(time));
        QVERIFY(identifier.toInt() >= 1 && identifier.toInt() <= 99999998);
    }

    void identifierWorkedExample()
    {
        // Seed (10 x 9999 + 20 x 34463 + 30 + 400 x 16959) mod 65536 = 36240.
        const QTime time(10, 20, 30, 400);
        IntegradorFixture f;
        f.clock.setNow(at(time));
        QCOMPARE(f.exchange.GeraIdentificador(), QStringLiteral("20899986"));
    }

    void identifierOnlyDependsOnTimeOfDay()
    {
        IntegradorFixture f;
        f.clock.setNow(QDateTime(QDate(2020, 1, 2), QTime(10, 20, 30, 400)));
        const QString first = f.exchange.GeraIdentificador();
        f.clock.setNow(QDateTime(QDate(2031, 6, 9), QTime(10, 20, 30, 400)));
        QCOMPARE(f.exchange.GeraIdentificador(), first);
    }

    void busyReplyAtDeadline_data()
    {
        QTest::addColumn<Command>("command");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<bool>("extraField");

        QTest::newRow("AtivarSAT") << Command::AtivarSAT << 5 << 30 << QByteArray("04098") << false;
        QTest::newRow("EnviarDadosVenda") << Command::EnviarDadosVenda << 0 << 40 << QByteArray("06098") << true;
        QTest::newRow("CancelarUltimaVenda") << Command::CancelarUltimaVenda << 0 << 33 << QByteArray("07098") << true;
        QTest::newRow("ConsultarSAT") << Command::ConsultarSAT << 0 << 14 << QByteArray("08098") << false;
        QTest::newRow("TesteFimAFim") << Command::TesteFimAFim << 0 << 50 << QByteArray("09098") << false;
        QTest::newRow("ConsultarStatusOperacional")
            << Command::ConsultarStatusOperacional << 0 << 34 << QByteArray("10098") << false;
        QTest::newRow("ConsultarNumeroSessao")
            << Command::ConsultarNumeroSessao << 0 << 50 << QByteArray("11098") << false;
        QTest::newRow("ConfigurarInterfaceDeRede")
            << Command::ConfigurarInterfaceDeRede << 0 << 50 << QByteArray("12098") << false;
        QTest::newRow("AssociarAssinatura") << Command::AssociarAssinatura << 30 << 30 << QByteArray("13098") << false;
        QTest::newRow("AtualizarSoftwareSAT")
            << Command::AtualizarSoftwareSAT << 30 << 30 << QByteArray("14098") << false;
        QTest::newRow("ExtrairLogs") << Command::ExtrairLogs << 0 << 50 << QByteArray("15098") << false;
        QTest::newRow("BloquearSAT") << Command::BloquearSAT << 5 << 30 << QByteArray("16098") << false;
        QTest::newRow("DesbloquearSAT") << Command::DesbloquearSAT << 0 << 50 << QByteArray("17098") << false;
        QTest::newRow("TrocarCodigoDeAtivacao")
            << Command::TrocarCodigoDeAtivacao << 0 << 50 << QByteArray("18098") << false;
        QTest::newRow("ConfigurarInterfaceDeRedeMFE")
            << Command::ConfigurarInterfaceDeRedeMFE << 0 << 50 << QByteArray("12098") << false;
        QTest::newRow("ConsultarStatusOperacionalMFE")
            << Command::ConsultarStatusOperacionalMFE << 0 << 34 << QByteArray("10098") << false;
    }

    // A silent Integrador: the busy reply comes exactly when the virtual clock
    // reaches the write time plus the command's waiting time, and the request
    // is taken back from Input, where nobody would wait for its reply.
    void busyReplyAtDeadline()
    {
        QFETCH(Command, command);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(QByteArray, code);
        QFETCH(bool, extraField);

        IntegradorFixture f;
        const QDateTime written = f.clock.now();
        const QDateTime deadline = written.addSecs(minutes * 60 + seconds);
        QStringList waitingInInput;
        // Skips the long idle stretch; the last second still goes in small pauses.
        f.clock.onPause = [&f, &deadline, &waitingInInput] {
            if (waitingInInput.isEmpty())
                waitingInInput = inputFiles(f.prefix);
            if (f.clock.now() < deadline.addSecs(-1))
                f.clock.setNow(deadline.addSecs(-1));
        };

        const QByteArray reply = f.exchange.send(command, 42, SampleArguments::of(command));

        const QByteArray expected = busy("000042|" + code + (extraField ? "|0000" : ""));
        QCOMPARE(reply, expected);
        QCOMPARE(reply.split('|').size(), extraField ? 6 : 5);
        QCOMPARE(f.exchange.LimiteEspera(), f.clock.elapsed());
        QCOMPARE(f.clock.now(), deadline);
        QVERIFY(f.clock.pauseCount() >= 4); // the last second in safety-net pauses
        QCOMPARE(waitingInInput.size(), 1);
        QVERIFY(inputFiles(f.prefix).isEmpty());
    }

    // The console ends during the wait: the request is taken back at once,
    // from another thread; the wait still ends in the busy reply.
    void requestWithdrawnDuringTheWait()
    {
        IntegradorFixture f;
        QStringList beforeWithdrawal;
        f.clock.onPause = [&f, &beforeWithdrawal] {
            if (!beforeWithdrawal.isEmpty())
                return;
            beforeWithdrawal = inputFiles(f.prefix);
            std::thread([&f] { f.exchange.closeRequests(); }).join();
            QVERIFY(inputFiles(f.prefix).isEmpty());
        };
        QCOMPARE(f.exchange.send(Command::BloquearSAT, 42, {QByteArray("12345678")}), busy("000042|16098"));
        QCOMPARE(beforeWithdrawal, QStringList{"BloquearSAT20899986.xml"});
        QVERIFY(inputFiles(f.prefix).isEmpty());
        // Closed before a request is written, as when the end comes first: none is.
        QCOMPARE(f.exchange.send(Command::DesbloquearSAT, 43, {QByteArray("12345678")}),
                 QByteArray("Diret\xf3rios do Integrador n\xe3o est\xe3o presentes.\n\r"
                            "Verifique se o Integrador est\xe1 devidamente instalado."));
        QVERIFY(inputFiles(f.prefix).isEmpty());
    }

    void busyReplyPadsSessionNumber()
    {
        IntegradorFixture f;
        QCOMPARE(f.exchange.send(Command::ConsultarSAT, 7, {}), busy("000007|08098"));
    }

    // Between empty listings the exchange waits for the Output folder to
    // change; on the test clock no change is seen, so each wait lasts the
    // safety-net poll, the last one cut to end on the deadline.
    void waitsForTheOutputFolderBetweenEmptyListings()
    {
        IntegradorFixture f;
        const QDateTime deadline = f.clock.now().addSecs(14);
        QList<qint64> pauses;
        qint64 previous = 0;
        f.clock.onPause = [&] {
            if (pauses.isEmpty())
                f.clock.advance(30); // a slow listing
            pauses << f.clock.pausedMilliseconds() - previous;
            previous = f.clock.pausedMilliseconds();
        };
        f.exchange.send(Command::ConsultarSAT, 1, {});
        QCOMPARE(pauses.size(), 56);
        QCOMPARE(pauses.count(250), 55);
        QCOMPARE(pauses.last(), 220);
        QCOMPARE(f.clock.now(), deadline);
    }

    // As the module library hands its texts: UTF-8, shown "decoded from UTF-8".
    void returnsTheIntegradorReplyAsUtf8()
    {
        IntegradorFixture f;
        f.answerWith(QString::fromUtf8("{sessao}|08000|MF-e em operação|||"));

        const QByteArray reply = f.exchange.send(Command::ConsultarSAT, 42, {});

        QCOMPARE(reply, QByteArray("000042|08000|MF-e em opera\xc3\xa7\xc3\xa3o|||"));
        QCOMPARE(f.exchange.RespostaIntegrador(), QString::fromUtf8("000042|08000|MF-e em operação|||"));
        QVERIFY(QDir(f.prefix.output()).isEmpty()); // the taken reply is deleted
        QCOMPARE(inputFiles(f.prefix), QStringList{"ConsultarMFe20899986.xml"});
    }

    // The fake answers during the first wait (the 250 ms poll); its reply is
    // read once it has stayed unchanged for 300 ms, not at a later poll.
    void replyIsReadOnceSettled()
    {
        QCOMPARE(answeredInEmptyFolder(), 250 + kVisitPause);
    }

    void returnsIntegradorErrorText()
    {
        IntegradorFixture f;
        f.fake.replyWithError(QStringLiteral("Componente MF-e indisponivel"));
        f.fake.installOn(f.clock);
        QCOMPARE(f.exchange.send(Command::BloquearSAT, 42, {QByteArray("12345678")}),
                 QByteArray("Componente MF-e indisponivel"));
    }

    void lateReplyBeforeDeadlineIsTaken()
    {
        IntegradorFixture f;
        f.fake.setDelay(39000);
        f.answerWith(QStringLiteral("{sessao}|06000|ok|||"));
        const QDateTime start = f.clock.now();

        QCOMPARE(f.exchange.send(Command::EnviarDadosVenda, 3, SampleArguments::of(Command::EnviarDadosVenda)),
                 QByteArray("000003|06000|ok|||"));
        QVERIFY(f.clock.now() >= start.addSecs(39));
        QVERIFY(f.clock.now() < start.addSecs(40).addMSecs(300));
    }

    void replyTooLateGivesBusyReply()
    {
        IntegradorFixture f;
        f.fake.setDelay(14000);
        f.answerWith(QStringLiteral("{sessao}|08000|ok|||"));
        const QDateTime start = f.clock.now();
        QCOMPARE(f.exchange.send(Command::ConsultarSAT, 3, {}), busy("000003|08098"));
        QCOMPARE(f.clock.now(), start.addSecs(14));
        QCOMPARE(f.fake.requests().size(), 1);
        QCOMPARE(f.fake.answeredCount(), 0);
    }

    void brokenReplyIsPassedOver()
    {
        IntegradorFixture f;
        f.fake.replyBroken("<Integrador><Identificador><Valor>20899986</Valor>");
        f.fake.installOn(f.clock);
        QCOMPARE(f.exchange.send(Command::ConsultarSAT, 3, {}), busy("000003|08098"));
        QCOMPARE(QDir(f.prefix.output()).entryList(QDir::Files), QStringList{"ConsultarMFe20899986.xml"});
    }

    void missingInputFolder()
    {
        IntegradorFixture f(TemporaryWinePrefix::Folders::WithoutInput);
        const QDateTime start = f.clock.now();
        QCOMPARE(f.exchange.send(Command::AtivarSAT, 42, {1, QByteArray("12345678"), QByteArray("1"), 35}),
                 kMissingFolders);
        QCOMPARE(f.clock.pauseCount(), 0);
        QCOMPARE(f.clock.now(), start);
        QVERIFY(!f.exchange.LimiteEspera());
    }

    void requestPathTakenByAFolder()
    {
        IntegradorFixture f;
        QVERIFY(QDir(f.prefix.input()).mkdir("ConsultarMFe20899986.xml"));
        QCOMPARE(f.exchange.send(Command::ConsultarSAT, 42, {}), kMissingFolders);
        QCOMPARE(f.clock.pauseCount(), 0);
    }

    void fullInputFolderAnswersAtOnce()
    {
        IntegradorFixture f;
        SmallFileSystem disk(f.prefix.input());
        if (!disk.isMounted())
            QSKIP("mounting a small file system needs root");
        QVERIFY(disk.fill());
        QCOMPARE(f.exchange.send(Command::ConsultarSAT, 42, {}), kMissingFolders);
        QCOMPARE(f.clock.pauseCount(), 0);
        QCOMPARE(inputFiles(f.prefix), QStringList{SmallFileSystem::kFiller}); // no empty request left
    }

    // Without knowing what Output held, every old file would count as new:
    // nothing is sent.
    void outputThatCannotBeListedSendsNothing_data()
    {
        QTest::addColumn<bool>("fileInItsPlace");
        QTest::newRow("missing") << false;
        QTest::newRow("a file in its place") << true;
    }

    void outputThatCannotBeListedSendsNothing()
    {
        QFETCH(bool, fileInItsPlace);

        IntegradorFixture f(TemporaryWinePrefix::Folders::WithoutOutput);
        if (fileInItsPlace)
            QVERIFY(TestFiles::write(f.prefix.output(), FakeIntegrador::replyDocument({}, {}, "erro")));
        QCOMPARE(f.exchange.send(Command::ConsultarSAT, 42, {}), kMissingFolders);
        QCOMPARE(f.clock.pauseCount(), 0);
        QVERIFY(inputFiles(f.prefix).isEmpty());
    }

    // A time sync that sets the time of day forward or back during the wait
    // neither ends it early nor holds the reply back.
    void clockStepsNeitherEndNorStretchTheWait_data()
    {
        QTest::addColumn<qint64>("step");
        QTest::addColumn<bool>("answered");
        QTest::newRow("an hour forward, answered") << qint64(3600000) << true;
        QTest::newRow("an hour back, answered") << qint64(-3600000) << true;
        QTest::newRow("a day forward, silent") << qint64(86400000) << false;
        QTest::newRow("a day back, silent") << qint64(-86400000) << false;
    }

    void clockStepsNeitherEndNorStretchTheWait()
    {
        QFETCH(qint64, step);
        QFETCH(bool, answered);

        IntegradorFixture f;
        if (answered)
            f.fake.replyWith(QStringLiteral("{sessao}|08000|ok|||"));
        else
            f.fake.staySilent();
        f.clock.onPause = [&f, step, stepped = false]() mutable {
            if (!std::exchange(stepped, true))
                f.clock.stepTimeOfDay(step);
            f.fake.poll();
        };
        const qint64 start = f.clock.elapsed();
        const QByteArray reply = f.exchange.send(Command::ConsultarSAT, 1, {});
        QCOMPARE(reply, answered ? QByteArray("000001|08000|ok|||") : busy("000001|08098"));
        QCOMPARE(f.clock.elapsed() - start, answered ? 250 + kVisitPause : 14000);
        QCOMPARE(inputFiles(f.prefix).size(), answered ? 1 : 0);
    }

    void requestOfTheSameNameIsReplaced()
    {
        IntegradorFixture f;
        const QString path = f.prefix.input() + "/ConsultarMFe20899986.xml";
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
        old.close();
        f.answerWith(QStringLiteral("ok"));
        QCOMPARE(f.exchange.send(Command::ConsultarSAT, 7, {}), QByteArray("ok"));
        QCOMPARE(TestFiles::read(path), TestFiles::read(TEST_DATA_DIR "/integrador/ConsultarMFe20899986.xml"));
    }

    void hostileEntriesInOutput_data()
    {
        QTest::addColumn<Hostile>("kind");

        QTest::newRow("reply to another request") << Hostile::OtherReply;
        QTest::newRow("large reply to another request") << Hostile::LargeOtherReply;
        QTest::newRow("not a document") << Hostile::BrokenFile;
        QTest::newRow("folder") << Hostile::Folder;
#ifdef Q_OS_UNIX
        QTest::newRow("FIFO") << Hostile::Fifo;
        QTest::newRow("link to an error reply") << Hostile::LinkToErrorReply;
        QTest::newRow("link to a device") << Hostile::LinkToDevice;
#endif
    }

    // The entry appears during the first command's wait, with its reply.
    // Each command gets its own reply, as soon as over an empty folder.
    void hostileEntriesInOutput()
    {
        QFETCH(Hostile, kind);

        const qint64 empty = answeredInEmptyFolder();
        IntegradorFixture f;
        f.fake.replyWith(QStringLiteral("{sessao}|08000|ok|||"));
        const QString entry = f.prefix.output() + QStringLiteral("/Alheia.xml");
        bool created = false;
        f.clock.onPause = [&] {
            if (!created)
                created = createHostile(kind, entry, f.prefix.path() + QStringLiteral("/elsewhere.xml"));
            f.fake.poll();
        };

        QCOMPARE(answeredIn(f, 1), empty);
        QVERIFY(created);
        QCOMPARE(answeredIn(f, 2), empty);
        QCOMPARE(answeredIn(f, 3), empty);
        QCOMPARE(QDir(f.prefix.output()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 QStringList{"Alheia.xml"});
    }

    void manyStaleRepliesCostNothingOnceSeen()
    {
        IntegradorFixture f;
        for (int index = 0; index < 50; ++index) {
            const QString path = f.prefix.output() + QStringLiteral("/Alheia%1.xml").arg(index);
            QVERIFY(TestFiles::write(path, otherReply()) && f.clock.date(path));
        }
        QCOMPARE(f.exchange.send(Command::ConsultarSAT, 1, {}), busy("000001|08098")); // no one answers

        f.answerWith(QStringLiteral("{sessao}|08000|ok|||"));
        QCOMPARE(answeredIn(f, 2), answeredInEmptyFolder());
        QCOMPARE(QDir(f.prefix.output()).entryList(QDir::Files).size(), 50);
    }

    // Started over an Output folder that others share: 200 old replies, an
    // error without identifier dated ahead of the clock, and files that keep
    // changing (complete errors without identifier); either error would be
    // taken if it were read. The reply comes as soon as over an empty folder.
    void oldAndChangingFilesDoNotDelayTheReply()
    {
        const qint64 empty = answeredInEmptyFolder();
        IntegradorFixture f;
        const QString output = f.prefix.output();
        for (int index = 0; index < 200; ++index) {
            const QString path = output + QStringLiteral("/Alheia%1.xml").arg(index, 3, 10, QLatin1Char('0'));
            QVERIFY(TestFiles::write(path, otherReply()) && f.clock.date(path, 60000));
        }
        const QString oldError = output + QStringLiteral("/Erro.xml");
        QVERIFY(TestFiles::write(oldError, FakeIntegrador::replyDocument({}, {}, "erro antigo"))
                && f.clock.date(oldError, -10000));
        int rewrites = 0;
        const auto rewrite = [&] {
            ++rewrites;
            for (int index = 0; index < 5; ++index) {
                const QString path = output + QStringLiteral("/Escrevendo%1.xml").arg(index);
                const QString erro = QStringLiteral("escrevendo ") + QString(rewrites, u'x');
                QVERIFY(TestFiles::write(path, FakeIntegrador::replyDocument({}, {}, erro)) && f.clock.date(path));
            }
        };
        rewrite();
        f.fake.replyWith(QStringLiteral("{sessao}|08000|ok|||"));
        f.clock.onPause = [&] {
            rewrite();
            f.fake.poll();
        };

        QCOMPARE(answeredIn(f, 1), empty);
        QCOMPARE(QDir(output).entryList(QDir::Files).size(), 206);
    }

    // A reply seen while it was being written is read again once it changes.
    void partlyWrittenReplyIsReadWhenComplete_data()
    {
        QTest::addColumn<bool>("sameSize");
        QTest::newRow("grown") << false;
        QTest::newRow("same size, written later") << true;
    }

    void partlyWrittenReplyIsReadWhenComplete()
    {
        QFETCH(bool, sameSize);

        IntegradorFixture f;
        const QString path = f.prefix.output() + QStringLiteral("/ConsultarMFe20899986.xml");
        const QByteArray complete = FakeIntegrador::replyDocument(QStringLiteral("20899986"), QStringLiteral("1|08000|ok|||"));
        const QByteArray partial = sameSize ? QByteArray(complete.size(), ' ') : complete.left(40);
        QDateTime readPartial;
        bool rewritten = false;
        f.clock.onPause = [&] {
            if (!readPartial.isValid()) {
                QVERIFY(TestFiles::write(path, partial) && f.clock.date(path));
                readPartial = f.clock.now().addMSecs(kVisitPause);
            } else if (!rewritten && f.clock.now() > readPartial) {
                rewritten = true;
                QVERIFY(TestFiles::write(path, complete) && f.clock.date(path));
            }
        };

        QCOMPARE(f.exchange.send(Command::ConsultarSAT, 1, {}), QByteArray("1|08000|ok|||"));
        QVERIFY(!QFile::exists(path));
    }

    void commandWithoutRoutineSendsNothing()
    {
        IntegradorFixture f;
        QCOMPARE(f.exchange.send(Command::ComunicarCertificadoICPBRASIL, 42, {}), QByteArray());
        QVERIFY(inputFiles(f.prefix).isEmpty());
        QCOMPARE(f.clock.pauseCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestIntegradorExchange)
#include "tst_integradorexchange.moc"
