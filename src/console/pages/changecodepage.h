#pragma once

#include "console/pages/consolepage.h"

class LabeledEdit;
class QCheckBox;
class QPushButton;
class QTextEdit;
class Reply;

// Page 1: change of the activation code, proven by the current code or the
// emergency code. Its controls stay locked until CheckMudaCodigo is ticked,
// and a successful change locks them again.
class ChangeCodePage : public ConsolePage
{
    Q_OBJECT

public:
    ChangeCodePage(PageContext &context, QWidget *parent);

    void BtnCodAtivacaoClick();

protected:
    // TabCodAtivaShow: the enabled states follow CheckMudaCodigo again.
    void shown() override;

private:
    void BtnTrocarCodClick();
    void CheckMudaCodigoClick(bool checked);
    void CheckemergenciaClick(bool checked);
    bool checkNewCode();
    void showResult(const Reply &reply);
    void lock();
    void clearCodes();

    QCheckBox *CheckMudaCodigo;
    LabeledEdit *EdtCodigo;
    QCheckBox *Checkemergencia;
    LabeledEdit *EdtNovoCodigo;
    LabeledEdit *EdtNovoCodigo2;
    QPushButton *BtnTrocarCod;
    QTextEdit *Memo2;
};
