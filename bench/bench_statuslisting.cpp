// The MF-e status listing of a full reply (57 fields, four network documents
// of about 4 KB each, escaped as the module sends them), next to the split of
// the same reply into its field list.

#include "statusreplies.h"

#include "channel/replyfields.h"
#include "decoders/statuslisting.h"
#include "platform/ansicodepage.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kRuns = 200;
constexpr int kDocumentBytes = 4096;

// A network document of about 4 KB with escaped quotes.
QByteArray networkDocument(int number)
{
    QByteArray document = "<?xml version=\\\"1.0\\\" encoding=\\\"UTF-8\\\"?><config><rede>" + QByteArray::number(number)
        + "</rede>";
    for (int item = 0; document.size() < kDocumentBytes - 20; ++item)
        document += "<item id=\\\"" + QByteArray::number(item) + "\\\"><valor>192.168.0." + QByteArray::number(item % 256)
            + "</valor></item>";
    return document + "</config>";
}

QString largeReply()
{
    QList<QByteArray> fields = StatusReplies::mfeFields("000001");
    for (int field = 33; field <= 36; ++field)
        fields[field] = networkDocument(field - 32);
    return AnsiCodePage::toUnicode(fields.join('|') + '|');
}

// Median microseconds of kRuns runs of work.
double medianMicroseconds(const std::function<void()> &work)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e3);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

QStringList split(const QString &reply)
{
    QStringList fields;
    ReplyFields::ExtractStrings2(QByteArrayLiteral("|"), QByteArray(), reply, &fields);
    return fields;
}

} // namespace

int main()
{
    const QString reply = largeReply();
    const QStringList fields = split(reply);
    qsizetype made = 0; // used, so that no run is optimised away
    const double splitting = medianMicroseconds([&] { made += split(reply).size(); });
    const double mfe = medianMicroseconds([&] { made += StatusListing::listMfe(reply).size(); });
    const double sat = medianMicroseconds([&] { made += StatusListing::listSat(fields).size(); });
    std::printf("status reply of %lld characters (57 fields, four network documents of about 4 KB), median of %d runs:\n",
                static_cast<long long>(reply.size()), kRuns);
    std::printf("  split into fields: %8.1f us\n", splitting);
    std::printf("  MF-e listing:      %8.1f us (%.1f times the split)\n", mfe, mfe / splitting);
    std::printf("  SAT listing:       %8.1f us (of the split fields)\n", sat);
    return made > 0 ? 0 : 1;
}
