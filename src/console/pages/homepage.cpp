#include "console/pages/homepage.h"

#include "console/frame/operationframe.h"
#include "console/widgets/widgetfactory.h"
#include "console/widgets/widgetstyle.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kFooterHeight = 24;

QLabel *libraryLabel(QWidget *page, const QString &name, int top, const QColor &colour)
{
    // Plain text: the library name comes from the command line.
    QLabel *label = WidgetFactory::label(page, name, QString(), {11, top, 620, 16});
    label->setFont(WidgetStyle::lucidaConsole(10));
    WidgetStyle::setTextColour(label, colour);
    label->hide();
    return label;
}

QFrame *footerPanel(QWidget *page)
{
    auto *footer = new QFrame(page);
    footer->setObjectName(QStringLiteral("Panel13"));
    footer->setFrameShape(QFrame::Panel);
    footer->setFrameShadow(QFrame::Sunken);
    return footer;
}

} // namespace

HomePage::HomePage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabMorvo"), QStringLiteral("Panel7"), QStringLiteral("MFE VANTEL"), parent)
    , Label8(WidgetFactory::label(this, QStringLiteral("Label8"), QStringLiteral("Status:"), {11, 103}))
    , lbloperante(WidgetFactory::label(this, QStringLiteral("lbloperante"), QStringLiteral("MFE inoperante"),
                                       {11, 134, 400, 20}))
    , BitBtn6(WidgetFactory::button(this, QStringLiteral("BitBtn6"), QStringLiteral("Consultar MFE"), 252, 180))
    , BtnStatusAC(
          WidgetFactory::button(this, QStringLiteral("BtnStatusAC"), QStringLiteral("Enviar Status AC"), 252, 212))
    , LblDllMfe(libraryLabel(this, QStringLiteral("LblDllMfe"), 337, Qt::blue))
    , LblDllIntegrador(libraryLabel(this, QStringLiteral("LblDllIntegrador"), 353, Qt::blue))
    , LblErroDll(libraryLabel(this, QStringLiteral("LblErroDll"), 369, WidgetStyle::red()))
    , LblXmlIntegrador(libraryLabel(this, QStringLiteral("LblXmlIntegrador"), 385, Qt::blue))
    , Panel13(footerPanel(this))
    // The footer's labels are placed by placeFooter. Label7 shows the library
    // name typed on the command line: plain text.
    , Label4(
          WidgetFactory::label(Panel13, QStringLiteral("Label4"), QStringLiteral("Vantel Sistemas Fiscais"), QRect()))
    , Label7(WidgetFactory::label(Panel13, QStringLiteral("Label7"), QStringLiteral("Versão: 1.0.0.6"), QRect()))
{
    Label8->setFont(WidgetStyle::tahoma(10, true));
    Label8->adjustSize();
    lbloperante->setFont(WidgetStyle::tahoma(10, true));
    WidgetStyle::setTextColour(lbloperante, WidgetStyle::red());
    lbloperante->hide();
    BtnStatusAC->setEnabled(false);
    BtnStatusAC->hide();
    Label7->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeFooter();

    frame().onClick(BitBtn6, [this] { BtnPrincipalClick(); });
    frame().onClick(BtnStatusAC, [this] { BtnStatusACClick(); });
}

void HomePage::showBinding(LibraryBinding::Outcome outcome, const QString &name)
{
    for (QLabel *label : {LblDllMfe, LblDllIntegrador, LblErroDll, LblXmlIntegrador})
        label->hide();
    const bool found = outcome != LibraryBinding::Outcome::NotFound;
    LblDllMfe->setText(QStringLiteral("Procurando DLL: \"") + name + QStringLiteral("\" ........ ")
                       + (found ? QStringLiteral("[ OK ]") : QStringLiteral("[ Não encontrada ]")));
    LblDllMfe->show();
    if (outcome == LibraryBinding::Outcome::Loaded) {
        Label7->setText(Label7->text() + QStringLiteral(" (Acesso pela DLL: ") + name + QStringLiteral(")"));
        return;
    }
    // A name that was not found is forgotten before the error is shown.
    LblErroDll->setText(QStringLiteral("--- Erro carga da DLL: ") + (found ? name : QString())
                        + QStringLiteral(" ---"));
    LblErroDll->show();
    LblXmlIntegrador->setText(QStringLiteral("*** Acessado direto ao Integrador ***"));
    LblXmlIntegrador->show();
    Label7->setText(Label7->text() + QStringLiteral(" (Acesso direto ao Integrador)"));
}

void HomePage::BtnPrincipalClick()
{
    showPage();
    const Reply reply = frame().send(Command::ConsultarSAT, {});
    lbloperante->show();
    const bool read = frame().readGuarded(
        reply,
        [&] {
            showOperating(reply.resultCode() == QLatin1String("08000"));
            frame().showResult(Command::ConsultarSAT, reply, {});
        },
        OperationFrame::Guard::Silent);
    if (!read) {
        showOperating(false);
        frame().showRawReply(reply);
    }
    frame().MostraMSefaz(reply);
    showPage();
    window()->repaint();
}

void HomePage::BtnStatusACClick()
{
    if (!frame().promptCode())
        return;
    frame().drawSessionNumber();
    frame().mostrastatus(QStringLiteral("Transmitido comando EnviarStatusAC"));
}

void HomePage::showOperating(bool operating)
{
    lbloperante->setText(operating ? QStringLiteral("MFE em operação") : QStringLiteral("MFE inoperante"));
    const QColor colour = operating ? WidgetStyle::green() : WidgetStyle::red();
    WidgetStyle::setTextColour(lbloperante, colour);
    Q_EMIT moduleChecked(operating);
}

void HomePage::resizeEvent(QResizeEvent *event)
{
    ConsolePage::resizeEvent(event);
    placeFooter();
}

void HomePage::placeFooter()
{
    Panel13->setGeometry(0, height() - kFooterHeight, width(), kFooterHeight);
    const int half = Panel13->width() / 2;
    Label4->setGeometry(6, 0, half - 6, kFooterHeight);
    Label7->setGeometry(half, 0, half - 6, kFooterHeight);
}
