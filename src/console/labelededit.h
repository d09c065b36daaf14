#pragma once

#include <QLineEdit>

class QLabel;

// An edit with its caption label above it; the label follows the edit's
// visibility and place, so hiding the edit hides its caption too.
class LabeledEdit : public QLineEdit
{
    Q_OBJECT

public:
    LabeledEdit(const QString &objectName, const QString &caption, QWidget *parent);

    void place(int left, int top, int width);
    void setCaption(const QString &caption);
    void setVisible(bool visible) override;

private:
    QLabel *label_;
};
