#include "console/homepage.h"

#include "channel/retornosat.h"
#include "console/consolestate.h"
#include "console/interaction.h"
#include "console/operationframe.h"
#include "console/widgetstyle.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kFooterHeight = 24;
}

HomePage::HomePage(OperationFrame &frame, QPushButton &BtnPrincipal, QWidget *parent)
    : ConsolePage(QStringLiteral("TabMorvo"), QStringLiteral("Panel7"), QStringLiteral("MFE VANTEL"), parent)
    , frame_(frame)
    , BtnPrincipal_(BtnPrincipal)
{
    Label8 = new QLabel(QStringLiteral("Status:"), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->move(11, 103);
    Label8->setFont(WidgetStyle::tahoma(10, true));
    Label8->adjustSize();

    lbloperante = new QLabel(QStringLiteral("MFE inoperante"), this);
    lbloperante->setObjectName(QStringLiteral("lbloperante"));
    lbloperante->setGeometry(11, 134, 400, 20);
    lbloperante->setFont(WidgetStyle::tahoma(10, true));
    WidgetStyle::setTextColour(lbloperante, WidgetStyle::red());
    lbloperante->hide();

    BitBtn6 = WidgetStyle::button(this, QStringLiteral("BitBtn6"), QStringLiteral("Consultar MFE"), 252, 180);
    BtnStatusAC = WidgetStyle::button(this, QStringLiteral("BtnStatusAC"), QStringLiteral("Enviar Status AC"), 252, 212);
    BtnStatusAC->setEnabled(false);
    BtnStatusAC->hide();

    LblDllMfe = makeLibraryLabel(QStringLiteral("LblDllMfe"), 337, Qt::blue);
    LblDllIntegrador = makeLibraryLabel(QStringLiteral("LblDllIntegrador"), 353, Qt::blue);
    LblErroDll = makeLibraryLabel(QStringLiteral("LblErroDll"), 369, WidgetStyle::red());
    LblXmlIntegrador = makeLibraryLabel(QStringLiteral("LblXmlIntegrador"), 385, Qt::blue);

    auto *footer = new QFrame(this);
    footer->setObjectName(QStringLiteral("Panel13"));
    footer->setFrameShape(QFrame::Panel);
    footer->setFrameShadow(QFrame::Sunken);
    Panel13 = footer;
    Label4 = new QLabel(QStringLiteral("Vantel Sistemas Fiscais"), Panel13);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label7 = new QLabel(QStringLiteral("Versão: 1.0.0.6"), Panel13);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeFooter();

    frame_.onClick(BitBtn6, [this] { BtnPrincipalClick(); });
    frame_.onClick(BtnStatusAC, [this] { BtnStatusACClick(); });
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
    frame_.send(Command::ConsultarSAT, {});
    lbloperante->show();
    OperationFrame::ReplyReading reading;
    reading.readFields = [this] {
        const QString &code = frame_.field(TRetornoSAT::codigoRetorno);
        showOperating(code == QLatin1String("08000"));
        if (code == QLatin1String("08098"))
            frame_.interaction().showMessage(OperationFrame::kFalhaComunicacao);
    };
    reading.beforeRawReply = [this] { showOperating(false); };
    frame_.readReply(reading);
    showPage();
    window()->repaint();
}

void HomePage::BtnStatusACClick()
{
    if (!frame_.askCode())
        return;
    if (frame_.state().CodAtivacao.trimmed().size() < OperationFrame::kCodigoMinimo) {
        frame_.interaction().showMessage(OperationFrame::kCodigoCurto);
        return;
    }
    frame_.CursorWait();
    frame_.state().NumSessao = frame_.geranumsessao();
    frame_.CursorDefault();
    frame_.showSessionNumber();
    frame_.mostrastatus(QStringLiteral("Transmitido comando EnviarStatusAC"));
}

void HomePage::showOperating(bool operating)
{
    lbloperante->setText(operating ? QStringLiteral("MFE em operação") : QStringLiteral("MFE inoperante"));
    const QColor colour = operating ? WidgetStyle::green() : WidgetStyle::red();
    WidgetStyle::setTextColour(lbloperante, colour);
    WidgetStyle::setTextColour(&BtnPrincipal_, colour);
}

QLabel *HomePage::makeLibraryLabel(const QString &name, int top, const QColor &colour)
{
    auto *label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(11, top, 620, 16);
    label->setFont(WidgetStyle::lucidaConsole(10));
    WidgetStyle::setTextColour(label, colour);
    label->hide();
    return label;
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
