#pragma once

#include "console/pages/consolepage.h"

class LabeledEdit;
class MaskedEdit;
class QComboBox;
class QLabel;
class QPushButton;
class QTextEdit;
class RadioGroup;
class Reply;

// Page 2: activation of a module that has not been activated yet. The
// taxpayer's CNPJ and state are stored before the confirmation, so they stay
// even when the technician declines or the command fails.
class ActivationPage : public ConsolePage
{
    Q_OBJECT

public:
    ActivationPage(PageContext &context, QWidget *parent);

    void BtnAtivacaoClick();
    // The state list, filled at start-up: item index = TabelaUF row.
    void fillStateList();

protected:
    void shown() override;

private:
    void BitAtivaSATClick();
    void rgTipoCertClick(int index);
    bool checkCodes();
    bool checkCnpjAndState();
    void storeCnpjAndState();
    // The stored state as a row of the list; -1 when it names no row.
    int storedStateRow() const;
    void clearCodes();
    void showResult(const Reply &reply);

    LabeledEdit *EdtCodAtiv2;
    LabeledEdit *EdtCodAtiv2Conf;
    RadioGroup *rgTipoCert;
    MaskedEdit *EdtCNPJContrib;
    QLabel *LblUF;
    QComboBox *cbo;
    QPushButton *BtnAtivar;
    QTextEdit *Memo3;
};
