#pragma once

#include "console/consolepage.h"

class QComboBox;
class QLabel;

// Page 2: activation of a module that has not been activated yet.
class ActivationPage : public ConsolePage
{
    Q_OBJECT

public:
    explicit ActivationPage(QWidget *parent = nullptr);

    QLabel *LblUF;
    QComboBox *cbo;
};
