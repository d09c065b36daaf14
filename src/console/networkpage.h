#pragma once

#include "console/consolepage.h"

class LabeledEdit;

// Page 6: the module's network configuration.
class NetworkPage : public ConsolePage
{
    Q_OBJECT

public:
    NetworkPage(PageContext &context, QWidget *parent);

    LabeledEdit *Edtproxy_senha;
};
