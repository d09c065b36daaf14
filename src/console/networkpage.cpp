#include "console/networkpage.h"

#include "console/labelededit.h"

NetworkPage::NetworkPage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabConfRede"), QStringLiteral("Panel8"), QStringLiteral("CONFIGURAÇÕES DE REDE"), parent)
    , Edtproxy_senha(new LabeledEdit(QStringLiteral("Edtproxy_senha"), QStringLiteral("Senha do Proxy:"), this))
{
    Edtproxy_senha->place(330, 330, 200);
    Edtproxy_senha->setEchoMode(QLineEdit::Password);
}
