#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class ClientDataSet;
class Interaction;
class LabeledEdit;
class MaskedEdit;
class QLabel;
class QPushButton;
class RadioGroup;
class SignatureInput;
struct ConsoleState;

// The end-to-end test dialog. It reports how it was closed in Cancelado; the
// test page reads its entries.
class TFFimAFim : public QDialog
{
    Q_OBJECT

public:
    TFFimAFim(ConsoleState &state, ClientDataSet &cds, Interaction &interaction, QWidget *parent = nullptr);

    // The production test takes every entry; the activation test only the
    // taxpayer's CNPJ.
    void setProductionEntries(bool enabled);

    // What the technician typed: the digits of the masked edits and the
    // signature edit's text, trimmed.
    struct Entries {
        QString taxpayer;
        QString ie;
        QString softwareHouse;
        QString signature;
    };
    Entries entries() const;
    // The signature typed or read from its file (see SignatureInput::read).
    std::optional<QString> readSignature() const;

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
    SignatureInput *signature_;
};
