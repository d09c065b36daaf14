#pragma once

#include <QLineEdit>

class QLabel;

// An edit with its caption label above it, or beside it on its left; the
// label follows the edit's visibility and place, so hiding the edit hides
// its caption too.
class LabeledEdit : public QLineEdit
{
    Q_OBJECT

public:
    LabeledEdit(const QString &objectName, const QString &caption, QWidget *parent);

    void place(int left, int top, int width);
    void placeBeside(int left, int top, int width);
    void setCaption(const QString &caption);
    // Where a caption above, or beside, a control of this geometry stands.
    static QRect captionAbove(const QRect &control);
    static QRect captionBeside(const QRect &control);
    void setVisible(bool visible) override;
    // The caption above the edit, for pages that change its text or colour.
    QLabel *label() const { return label_; }

private:
    QLabel *label_;
};
