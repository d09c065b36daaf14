#include "console/widgets/signatureinput.h"

#include "console/frame/interaction.h"
#include "console/widgets/labelededit.h"
#include "console/widgets/radiogroup.h"
#include "console/widgets/widgetfactory.h"
#include "settings/signaturefile.h"
#include "settings/texttrim.h"

#include <QLabel>
#include <QPushButton>

namespace {
const QString kTexto = QStringLiteral("Texto");
const QString kArquivo = QStringLiteral("Arquivo");
}

SignatureInput::SignatureInput(QWidget *parent, Interaction &interaction, const Layout &layout)
    : QObject(parent)
    , LblAssinatura(WidgetFactory::label(parent, QStringLiteral("LblAssinatura"),
                                         QStringLiteral("Assinatura do Aplicativo Comercial:"), layout.label))
    , rgAssinatura(WidgetFactory::radioGroup(parent, QStringLiteral("rgAssinatura"), QStringLiteral("Forma de envio:"),
                                             {kTexto, kArquivo}, layout.group, 2))
    , EdtAssinatura(
          WidgetFactory::labeledEdit(parent, QStringLiteral("EdtAssinatura"), QStringLiteral("Texto:"), layout.edit))
    , Button3(WidgetFactory::pickerButton(parent, QStringLiteral("Button3"), layout.button))
    , interaction_(interaction)
{
    rgAssinatura->setItemIndex(Texto);
    Button3->hide();

    connect(rgAssinatura, &RadioGroup::itemIndexChanged, this, &SignatureInput::rgAssinaturaClick);
    connect(Button3, &QPushButton::clicked, this, &SignatureInput::Button3Click);
}

std::optional<QString> SignatureInput::read() const
{
    if (rgAssinatura->itemIndex() != Arquivo)
        return TextTrim::trim(EdtAssinatura->text());
    const SignatureFile::Result file = SignatureFile::read(EdtAssinatura->text());
    if (!file.read) {
        interaction_.showMessage(file.message);
        EdtAssinatura->setFocus();
        return std::nullopt;
    }
    return file.signature;
}

void SignatureInput::rgAssinaturaClick(int index)
{
    EdtAssinatura->clear();
    EdtAssinatura->setCaption(index == Arquivo ? kArquivo : kTexto);
    Button3->setVisible(index == Arquivo);
}

void SignatureInput::Button3Click()
{
    const QString fileName = interaction_.chooseOpenFile(QString(), QString());
    if (!fileName.isEmpty())
        EdtAssinatura->setText(fileName);
}
