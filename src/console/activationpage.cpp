#include "console/activationpage.h"

#include <QComboBox>
#include <QLabel>

ActivationPage::ActivationPage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabAtivar"), QStringLiteral("Panel3"), QStringLiteral("ATIVAÇÃO DO MFE"), parent)
{
    LblUF = new QLabel(QStringLiteral("UF:"), this);
    LblUF->setObjectName(QStringLiteral("LblUF"));
    LblUF->setGeometry(330, 194, 60, 16);
    cbo = new QComboBox(this);
    cbo->setObjectName(QStringLiteral("cbo"));
    cbo->setGeometry(330, 210, 60, 21);
    cbo->setEditable(false);
    LblUF->setBuddy(cbo);
}
