#pragma once

#include <QDialog>

struct ConsoleState;

// The end-to-end test dialog; its entries are read by the test page.
class TFFimAFim : public QDialog
{
    Q_OBJECT

public:
    TFFimAFim(ConsoleState &state, QWidget *parent = nullptr);

private:
    ConsoleState &state_;
};
