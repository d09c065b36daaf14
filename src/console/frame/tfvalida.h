#pragma once

#include <QDialog>

struct ConsoleState;
class LabeledEdit;
class QPushButton;

// The activation-code prompt. Its result goes to CodAtivacao and Cancelado.
class TFValida : public QDialog
{
    Q_OBJECT

public:
    TFValida(ConsoleState &state, QWidget *parent = nullptr);

    LabeledEdit *EdtCodigo;
    QPushButton *BtnTrocarCod;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void BtnTrocarCodClick();

    ConsoleState &state_;
};
