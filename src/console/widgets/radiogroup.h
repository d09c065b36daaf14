#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio buttons, one per item in item order, laid out in
// columns; its choice is the item index (-1: none).
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString &objectName, const QString &caption, const QStringList &items, int columns,
               QWidget *parent);

    int itemIndex() const;
    // -1 clears the choice.
    void setItemIndex(int index);
    QRadioButton *item(int index) const;
    int count() const;

Q_SIGNALS:
    // The choice changed, by the technician or by the program.
    void itemIndexChanged(int index);

private:
    QButtonGroup *buttons_;
};
