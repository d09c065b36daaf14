#pragma once

#include <QDialog>

class ClientDataSet;
class Interaction;
class LabeledEdit;
class MaskedEdit;
class QLabel;
class QPushButton;
class RadioGroup;
struct ConsoleState;

// The end-to-end test dialog. It reports how it was closed in Cancelado; the
// test page reads its edits.
class TFFimAFim : public QDialog
{
    Q_OBJECT

public:
    TFFimAFim(ConsoleState &state, ClientDataSet &cds, Interaction &interaction, QWidget *parent = nullptr);

    // The production test takes every entry; the activation test only the
    // taxpayer's CNPJ.
    void setProductionEntries(bool enabled);

    static const QString kIeMask;

    MaskedEdit *EdtCNPJContrib2;
    MaskedEdit *EdtIEContrib;
    MaskedEdit *EdtCNPJSw;
    QLabel *LblAssinatura;
    RadioGroup *rgAssinatura;
    LabeledEdit *EdtAssinatura;
    QPushButton *Button3;
    QPushButton *BtnOk;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void BtnOkClick();

    ConsoleState &state_;
    ClientDataSet &cds_;
};
