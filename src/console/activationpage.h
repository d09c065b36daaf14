#pragma once

#include "console/consolepage.h"

class QComboBox;
class QLabel;

// Page 2: activation of a module that has not been activated yet.
class ActivationPage : public ConsolePage
{
    Q_OBJECT

public:
    ActivationPage(PageContext &context, QWidget *parent);

    QLabel *LblUF;
    QComboBox *cbo;
};
