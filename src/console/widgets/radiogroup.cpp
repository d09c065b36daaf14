#include "console/widgets/radiogroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString &objectName, const QString &caption, const QStringList &items, int columns,
                       QWidget *parent)
    : QGroupBox(caption, parent)
    , buttons_(new QButtonGroup(this))
{
    setObjectName(objectName);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(2);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int index = 0; index < items.size(); ++index) {
        auto *button = new QRadioButton(items.at(index), this);
        button->setObjectName(objectName + QString::number(index));
        buttons_->addButton(button, index);
        grid->addWidget(button, index % rows, index / rows);
    }
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            Q_EMIT itemIndexChanged(id);
    });
}

int RadioGroup::itemIndex() const
{
    return buttons_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = buttons_->button(index)) {
        button->setChecked(true);
        return;
    }
    if (QAbstractButton *checked = buttons_->checkedButton()) {
        buttons_->setExclusive(false);
        checked->setChecked(false);
        buttons_->setExclusive(true);
    }
}

QRadioButton *RadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton *>(buttons_->button(index));
}

int RadioGroup::count() const
{
    return int(buttons_->buttons().size());
}
