#pragma once

#include "console/pages/consolepage.h"

class LabeledEdit;
class MaskedEdit;
class QLabel;
class QPushButton;
class QTextEdit;
class RadioGroup;
class SignatureInput;

// Page 3: association of the commercial application's signature, typed as
// text or read from a file. The signature and the software house's CNPJ are
// stored before the command is sent.
class AssociationPage : public ConsolePage
{
    Q_OBJECT

public:
    AssociationPage(PageContext &context, QWidget *parent);

    void BtnAssocAssinClick();

protected:
    void shown() override;

private:
    void BitAssociarClick();
    void storeSignature(const QString &signature);

    LabeledEdit *EdtCodAtiv3;
    MaskedEdit *EdtCNPJContrib2;
    MaskedEdit *EdtCNPJSw;
    // Builds the four controls that follow.
    SignatureInput *signature_;
    QLabel *LblAssinatura;
    RadioGroup *rgAssinatura;
    LabeledEdit *EdtAssinatura;
    QPushButton *Button3;
    QPushButton *BitAssociar;
    QTextEdit *Memo4;
};
