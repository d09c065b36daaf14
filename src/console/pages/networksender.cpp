#include "console/pages/networksender.h"

#include "channel/retornosat.h"
#include "console/frame/interaction.h"
#include "console/frame/operationframe.h"
#include "platform/ansicodepage.h"
#include "settings/confrede.h"
#include "settings/texttrim.h"

#include <QFile>
#include <QLineEdit>

NetworkSender::NetworkSender(OperationFrame &frame, const QString &programFolder)
    : frame_(frame)
    , programFolder_(programFolder)
{
}

bool NetworkSender::write(const QString &fileName, const QByteArray &document) const
{
    const QString problem = TConfRede::save(programFolder_, fileName, document);
    if (!problem.isEmpty())
        frame_.interaction().showMessage(problem);
    return problem.isEmpty();
}

void NetworkSender::remove(const QString &fileName) const
{
    QFile::remove(programFolder_ + fileName);
}

bool NetworkSender::exists(const QString &fileName) const
{
    return QFile::exists(programFolder_ + fileName);
}

std::optional<QByteArray> NetworkSender::read(const QString &fileName) const
{
    const TConfRede::ReadBack document = TConfRede::readBack(programFolder_, fileName);
    if (!document.message.isEmpty()) {
        frame_.interaction().showMessage(document.message);
        return std::nullopt;
    }
    return document.text;
}

void NetworkSender::send(Command command, QLineEdit &codeEdit, const QByteArray &payload) const
{
    const Reply reply = frame_.send(
        command, {AnsiCodePage::fromUnicode(TextTrim::withoutControls(codeEdit.text())), payload}, false);
    frame_.readReply(reply, [&] { showOutcome(command, reply); });
    frame_.mostrastatus(reply.text());
    codeEdit.clear();
}

void NetworkSender::showOutcome(Command command, const Reply &reply) const
{
    if (frame_.showResult(command, reply, {}))
        return;
    const int message = TRetornoSAT::mensagem + TRetornoSAT::shift(reply.fields());
    frame_.interaction().showMessage(reply.displayField(message));
}
