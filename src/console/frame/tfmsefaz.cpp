#include "console/frame/tfmsefaz.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TFMSefaz::TFMSefaz(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , MemoSefaz(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("FMSefaz"));
    setWindowTitle(QStringLiteral("Quorvel (Mensagem Sefaz)"));
    resize(447, 129);

    MemoSefaz->setObjectName(QStringLiteral("MemoSefaz"));
    MemoSefaz->setReadOnly(true);
    MemoSefaz->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MemoSefaz);
}
