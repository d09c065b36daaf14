#include "console/tffimafim.h"

#include "console/consolestate.h"

TFFimAFim::TFFimAFim(ConsoleState &state, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
    , state_(state)
{
    setObjectName(QStringLiteral("FFimAFim"));
    setWindowTitle(QStringLiteral("MFE - VANTEL (Testes FimAFim)"));
    setFixedSize(368, 286);
    state_.Cancelado = 1;
}
