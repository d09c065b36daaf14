#include "console/widgets/labelededit.h"

#include <QLabel>

namespace {
constexpr int kLabelHeight = 16;
constexpr int kEditHeight = 21;
constexpr int kSideCaptionWidth = 100;
constexpr int kSideCaptionGap = 4;
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
    label_->setGeometry(captionAbove(geometry()));
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

void LabeledEdit::placeBeside(int left, int top, int width)
{
    setGeometry(left, top, width, kEditHeight);
    label_->setGeometry(captionBeside(geometry()));
}

QRect LabeledEdit::captionAbove(const QRect &control)
{
    return {control.left(), control.top() - kLabelHeight, control.width(), kLabelHeight};
}

QRect LabeledEdit::captionBeside(const QRect &control)
{
    return {control.left() - kSideCaptionGap - kSideCaptionWidth, control.top(), kSideCaptionWidth,
            control.height()};
}
