#pragma once

#include "console/widgets/labelededit.h"

// A labelled edit with an input mask whose literals are only for the eye:
// the operations use the characters typed into the mask's places.
class MaskedEdit : public LabeledEdit
{
    Q_OBJECT

public:
    MaskedEdit(const QString &objectName, const QString &caption, const QString &inputMask, QWidget *parent);

    // The typed characters without the mask's literals; a partly filled mask
    // gives fewer characters.
    QString digits() const;

    // The mask of a CNPJ: 14 digits shown as 99.999.999/9999-99.
    static const QString kCnpjMask;
};
