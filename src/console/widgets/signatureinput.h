#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>

class Interaction;
class LabeledEdit;
class QLabel;
class QPushButton;
class QWidget;
class RadioGroup;

// How the commercial application's signature is given, on the association
// page and in the end-to-end test dialog alike: the "Texto"/"Arquivo" group,
// the edit that holds the signature or the file's name, and the "..." button
// that picks the file. The controls are children of the parent given.
class SignatureInput : public QObject
{
    Q_OBJECT

public:
    // Items of rgAssinatura.
    enum Form { Texto, Arquivo };

    struct Layout {
        QPoint label;
        QRect group;
        QRect edit;
        QRect button;
    };

    SignatureInput(QWidget *parent, Interaction &interaction, const Layout &layout);

    // The signature typed, trimmed, or read from the file the edit names;
    // nothing once the technician was told why the file cannot be read (the
    // edit then has the focus).
    std::optional<QString> read() const;

    QLabel *LblAssinatura;
    RadioGroup *rgAssinatura;
    LabeledEdit *EdtAssinatura;
    QPushButton *Button3;

private:
    // The edit is emptied and captioned after the choice; "..." only for a file.
    void rgAssinaturaClick(int index);
    void Button3Click();

    Interaction &interaction_;
};
