#include "console/widgets/maskededit.h"

const QString MaskedEdit::kCnpjMask = QStringLiteral("99.999.999/9999-99;_");

MaskedEdit::MaskedEdit(const QString &objectName, const QString &caption, const QString &inputMask, QWidget *parent)
    : LabeledEdit(objectName, caption, parent)
{
    setInputMask(inputMask);
}

QString MaskedEdit::digits() const
{
    QString typed;
    for (const QChar character : text()) {
        if (character.isDigit())
            typed.append(character);
    }
    return typed;
}
