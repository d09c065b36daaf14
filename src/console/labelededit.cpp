#include "console/labelededit.h"

#include <QLabel>

namespace {
constexpr int kLabelHeight = 16;
constexpr int kEditHeight = 21;
}

LabeledEdit::LabeledEdit(const QString &objectName, const QString &caption, QWidget *parent)
    : QLineEdit(parent)
    , label_(new QLabel(caption, parent))
{
    setObjectName(objectName);
    label_->setObjectName(objectName + QStringLiteral("Label"));
    label_->setBuddy(this);
}

void LabeledEdit::place(int left, int top, int width)
{
    setGeometry(left, top, width, kEditHeight);
    label_->setGeometry(left, top - kLabelHeight, width, kLabelHeight);
}

void LabeledEdit::setCaption(const QString &caption)
{
    label_->setText(caption);
}

void LabeledEdit::setVisible(bool visible)
{
    QLineEdit::setVisible(visible);
    label_->setVisible(visible);
}
