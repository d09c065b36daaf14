#pragma once

#include "console/consolepage.h"

class LabeledEdit;

// Page 6: the module's network configuration.
class NetworkPage : public ConsolePage
{
    Q_OBJECT

public:
    explicit NetworkPage(QWidget *parent = nullptr);

    LabeledEdit *Edtproxy_senha;
};
