#include "console/pages/associationpage.h"

#include "console/frame/interaction.h"
#include "console/frame/operationframe.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/maskededit.h"
#include "console/widgets/radiogroup.h"
#include "console/widgets/signatureinput.h"
#include "console/widgets/widgetfactory.h"
#include "platform/ansicodepage.h"
#include "settings/clientdataset.h"
#include "settings/texttrim.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {

// Built on first use: it holds a constant of another file.
const OperationFrame::ResultTable &results()
{
    static const OperationFrame::ResultTable table = {
        {QStringLiteral("13000"), QStringLiteral("Assinatura do AC Registrada")},
        {QStringLiteral("13001"), QStringLiteral("Código ativação inválido")},
        {QStringLiteral("13002"), QStringLiteral("Erro de comunicação com a SEFAZ")},
        {QStringLiteral("13003"), QStringLiteral("Assinatura fora do padrão informado")},
        {QStringLiteral("13004"), QStringLiteral("Divergencias entre os CNPJs e a assinatura informados")},
        {QStringLiteral("13099"), OperationFrame::kErroDesconhecido},
    };
    return table;
}

} // namespace

AssociationPage::AssociationPage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabAssocAss"), QStringLiteral("Panel5"),
                  QStringLiteral("ASSOCIAR APLIC. COMERCIAL"), parent)
    , EdtCodAtiv3(WidgetFactory::passwordEdit(this, QStringLiteral("EdtCodAtiv3"),
                                              QStringLiteral("Digite o Código de Ativação do MFE:"), {24, 64, 250, 21}))
    , EdtCNPJContrib2(WidgetFactory::cnpjEdit(this, QStringLiteral("EdtCNPJContrib2"),
                                              QStringLiteral("CNPJ do Contribuinte:"), {24, 112, 150, 21}))
    , EdtCNPJSw(WidgetFactory::cnpjEdit(this, QStringLiteral("EdtCNPJSw"), QStringLiteral("CNPJ Software House:"),
                                        {330, 112, 150, 21}))
    , signature_(new SignatureInput(this, interaction(),
                                    {{24, 150}, {24, 168, 250, 45}, {24, 238, 560, 21}, {590, 238, 25, 21}}))
    , LblAssinatura(signature_->LblAssinatura)
    , rgAssinatura(signature_->rgAssinatura)
    , EdtAssinatura(signature_->EdtAssinatura)
    , Button3(signature_->Button3)
    , BitAssociar(WidgetFactory::button(this, QStringLiteral("BitAssociar"), QStringLiteral("A&ssociar"), 255, 280))
    , Memo4(footNote(QStringLiteral("Memo4"),
                     QStringLiteral("ESTA FUNÇÃO DEVE SER UTILIZADA APENAS APÓS O MFE ESTAR ATIVADO. ")))
{
    setDefaultButton(BitAssociar);
    setTabChain({EdtCodAtiv3, EdtCNPJContrib2, EdtCNPJSw, rgAssinatura, EdtAssinatura, Button3, BitAssociar});

    frame().onClick(BitAssociar, [this] { BitAssociarClick(); });
}

void AssociationPage::BtnAssocAssinClick()
{
    EdtCodAtiv3->clear();
    EdtCNPJContrib2->setText(cds().fieldAsString(QStringLiteral("CNPJContribuinte")));
    EdtCNPJSw->setText(cds().fieldAsString(QStringLiteral("CNPJSH")));
    EdtAssinatura->setText(cds().fieldAsString(QStringLiteral("Assinatura")));
    showPage();
}

void AssociationPage::shown()
{
    EdtCodAtiv3->setFocus();
}

void AssociationPage::BitAssociarClick()
{
    if (!frame().checkCnpj(*EdtCNPJContrib2, QStringLiteral("CNPJ Contribuinte inválido."))
        || !frame().checkCnpj(*EdtCNPJSw, QStringLiteral("CNPJ Software House inválido.")))
        return;
    const std::optional<QString> signature = signature_->read();
    if (!signature || !frame().checkCode(*EdtCodAtiv3))
        return;
    // In file mode this looks at the file name: an empty file is sent as it is.
    if (TextTrim::trim(EdtAssinatura->text()).isEmpty()) {
        interaction().showMessage(QStringLiteral("O campo \"Assinatura da Aplic. Comercial\" deve ser preenchido!"));
        EdtAssinatura->setFocus();
        return;
    }
    // Software house first, then the taxpayer.
    const QByteArray cnpjValue = AnsiCodePage::fromUnicode(EdtCNPJSw->digits() + EdtCNPJContrib2->digits());
    storeSignature(*signature);
    const Reply reply = frame().send(Command::AssociarAssinatura,
                                     OperationFrame::codeArgument(*EdtCodAtiv3)
                                         + CommandArguments{cnpjValue, AnsiCodePage::fromUnicode(*signature)});
    frame().readReply(reply, [&] { frame().showResult(Command::AssociarAssinatura, reply, results()); });
}

void AssociationPage::storeSignature(const QString &signature)
{
    cds().Edit();
    cds().setFieldAsString(QStringLiteral("Assinatura"), signature);
    cds().setFieldAsString(QStringLiteral("CNPJSH"), EdtCNPJSw->digits());
    postSettings();
}
