#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class LabeledEdit;
class MaskedEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QWidget;
class RadioGroup;

// Builds the controls of a page from (parent, object name, text, geometry),
// so that a page's constructor reads as its control table.
class WidgetFactory
{
public:
    // Shows its text as plain text, sized to it.
    static QLabel *label(QWidget *parent, const QString &name, const QString &text, const QPoint &position);
    // The same at a fixed geometry.
    static QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);
    // The caption stands above the edit; geometry is the edit's.
    static LabeledEdit *labeledEdit(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
    // The caption stands on the left of the edit instead.
    static LabeledEdit *sideLabeledEdit(QWidget *parent, const QString &name, const QString &caption,
                                        const QRect &geometry);
    // A caption above, or on the left of, a control, named after it with
    // "Label" added, as a labelled edit names its caption.
    static QLabel *caption(QWidget *control, const QString &text);
    static QLabel *sideCaption(QWidget *control, const QString &text);
    // An edit that shows "*" for every character.
    static LabeledEdit *passwordEdit(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
    static MaskedEdit *maskedEdit(QWidget *parent, const QString &name, const QString &caption, const QString &mask,
                                  const QRect &geometry);
    static MaskedEdit *cnpjEdit(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
    // Offers only its items; no typed text.
    static QComboBox *comboBox(QWidget *parent, const QString &name, const QStringList &items, const QRect &geometry);
    static RadioGroup *radioGroup(QWidget *parent, const QString &name, const QString &caption,
                                  const QStringList &items, const QRect &geometry, int columns = 1);
    static QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry);
    // A push button of the standard 130 x 29 size.
    static QPushButton *button(QWidget *parent, const QString &name, const QString &caption, int left, int top);
    // The "..." button beside an edit that picks a file or a folder.
    static QPushButton *pickerButton(QWidget *parent, const QString &name, const QRect &geometry);
    // Read-only, fixed-pitch, without line wrapping.
    static QPlainTextEdit *memo(QWidget *parent, const QString &name, const QRect &geometry);
    // A read-only notice in green centred lines, outside the tab order.
    static QTextEdit *noteMemo(QWidget *parent, const QString &name, const QStringList &lines, const QRect &geometry);

    static constexpr int kButtonWidth = 130;
    static constexpr int kButtonHeight = 29;
};
