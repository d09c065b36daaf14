#include "console/widgets/widgetfactory.h"

#include "console/widgets/labelededit.h"
#include "console/widgets/maskededit.h"
#include "console/widgets/radiogroup.h"
#include "console/widgets/widgetstyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

QLabel *WidgetFactory::label(QWidget *parent, const QString &name, const QString &text, const QPoint &position)
{
    QLabel *label = WidgetFactory::label(parent, name, text, QRect(position, QSize()));
    label->adjustSize();
    return label;
}

QLabel *WidgetFactory::label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    // An outcome or a name is shown as it is, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

LabeledEdit *WidgetFactory::labeledEdit(QWidget *parent, const QString &name, const QString &caption,
                                        const QRect &geometry)
{
    auto *edit = new LabeledEdit(name, caption, parent);
    edit->place(geometry.left(), geometry.top(), geometry.width());
    return edit;
}

LabeledEdit *WidgetFactory::sideLabeledEdit(QWidget *parent, const QString &name, const QString &caption,
                                            const QRect &geometry)
{
    auto *edit = new LabeledEdit(name, caption, parent);
    edit->placeBeside(geometry.left(), geometry.top(), geometry.width());
    return edit;
}

namespace {

QLabel *captionAt(QWidget *control, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, control->parentWidget());
    label->setObjectName(control->objectName() + QStringLiteral("Label"));
    label->setGeometry(geometry);
    label->setBuddy(control);
    return label;
}

} // namespace

QLabel *WidgetFactory::caption(QWidget *control, const QString &text)
{
    return captionAt(control, text, LabeledEdit::captionAbove(control->geometry()));
}

QLabel *WidgetFactory::sideCaption(QWidget *control, const QString &text)
{
    return captionAt(control, text, LabeledEdit::captionBeside(control->geometry()));
}

LabeledEdit *WidgetFactory::passwordEdit(QWidget *parent, const QString &name, const QString &caption,
                                         const QRect &geometry)
{
    LabeledEdit *edit = labeledEdit(parent, name, caption, geometry);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

MaskedEdit *WidgetFactory::maskedEdit(QWidget *parent, const QString &name, const QString &caption,
                                      const QString &mask, const QRect &geometry)
{
    auto *edit = new MaskedEdit(name, caption, mask, parent);
    edit->place(geometry.left(), geometry.top(), geometry.width());
    return edit;
}

MaskedEdit *WidgetFactory::cnpjEdit(QWidget *parent, const QString &name, const QString &caption,
                                    const QRect &geometry)
{
    return maskedEdit(parent, name, caption, MaskedEdit::kCnpjMask, geometry);
}

QComboBox *WidgetFactory::comboBox(QWidget *parent, const QString &name, const QStringList &items,
                                   const QRect &geometry)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(false);
    combo->addItems(items);
    combo->setGeometry(geometry);
    return combo;
}

RadioGroup *WidgetFactory::radioGroup(QWidget *parent, const QString &name, const QString &caption,
                                      const QStringList &items, const QRect &geometry, int columns)
{
    auto *group = new RadioGroup(name, caption, items, columns, parent);
    group->setGeometry(geometry);
    return group;
}

QCheckBox *WidgetFactory::checkBox(QWidget *parent, const QString &name, const QString &caption,
                                   const QRect &geometry)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

QPushButton *WidgetFactory::button(QWidget *parent, const QString &name, const QString &caption, int left, int top)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(left, top, kButtonWidth, kButtonHeight);
    return button;
}

QPushButton *WidgetFactory::pickerButton(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *button = new QPushButton(QStringLiteral("..."), parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QPlainTextEdit *WidgetFactory::memo(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setFont(WidgetStyle::lucidaConsole(8));
    memo->setGeometry(geometry);
    return memo;
}

QTextEdit *WidgetFactory::noteMemo(QWidget *parent, const QString &name, const QStringList &lines,
                                   const QRect &geometry)
{
    auto *memo = new QTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setFrameShape(QFrame::NoFrame);
    WidgetStyle::setTextColour(memo, WidgetStyle::green());
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Text, WidgetStyle::green());
    palette.setColor(QPalette::Base, parent->palette().color(QPalette::Window));
    memo->setPalette(palette);
    memo->setPlainText(lines.join(QLatin1Char('\n')));
    memo->selectAll();
    memo->setAlignment(Qt::AlignHCenter);
    memo->setTextCursor(QTextCursor(memo->document()));
    memo->setGeometry(geometry);
    return memo;
}
