#include "console/pages/consolepage.h"

#include "console/frame/interaction.h"
#include "console/widgets/widgetfactory.h"
#include "console/widgets/widgetstyle.h"
#include "settings/clientdataset.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextEdit>

namespace {
constexpr int kFootNoteHeight = 100;
}

ConsolePage::ConsolePage(PageContext &context, const QString &objectName, const QString &titleBarName,
                         const QString &title, QWidget *parent)
    : QWidget(parent)
    , context_(context)
    , titleBar_(new QLabel(title, this))
{
    setObjectName(objectName);
    resize(kWidth, kHeight);
    WidgetStyle::setSilverBackground(this);

    titleBar_->setObjectName(titleBarName);
    titleBar_->setGeometry(0, 0, kWidth, kTitleHeight);
    titleBar_->setAlignment(Qt::AlignCenter);
    titleBar_->setAutoFillBackground(true);
    QPalette grey = titleBar_->palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    grey.setColor(QPalette::WindowText, Qt::white);
    titleBar_->setPalette(grey);
    titleBar_->setFont(WidgetStyle::tahoma(12, true));

    if (auto *pageControl = qobject_cast<QStackedWidget *>(parent)) {
        connect(pageControl, &QStackedWidget::currentChanged, this, [this] {
            if (isCurrentPage())
                shown();
        });
    }
}

void ConsolePage::showPage()
{
    if (auto *pageControl = qobject_cast<QStackedWidget *>(parentWidget()))
        pageControl->setCurrentWidget(this);
}

bool ConsolePage::isCurrentPage() const
{
    const auto *pageControl = qobject_cast<const QStackedWidget *>(parentWidget());
    return pageControl && pageControl->currentWidget() == this;
}

void ConsolePage::setTitle(const QString &title)
{
    titleBar_->setText(title);
}

QString ConsolePage::title() const
{
    return titleBar_->text();
}

void ConsolePage::postSettings() const
{
    if (!cds().Post())
        interaction().showMessage(cds().errorText());
}

void ConsolePage::setDefaultButton(QPushButton *button)
{
    defaultButton_ = button;
    button->setDefault(true);
}

void ConsolePage::setTabChain(std::initializer_list<QWidget *> controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

QTextEdit *ConsolePage::footNote(const QString &name, const QString &warning)
{
    return WidgetFactory::noteMemo(this, name,
                                   {QString(), QStringLiteral("ATENÇÃO:"), QStringLiteral(" "), warning, QString()},
                                   {0, kHeight - kFootNoteHeight, kWidth, kFootNoteHeight});
}

void ConsolePage::keyPressEvent(QKeyEvent *event)
{
    // Edits pass Enter on to their parent; it ends here.
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    auto *focused = qobject_cast<QPushButton *>(window()->focusWidget());
    QPushButton *target = focused && isAncestorOf(focused) ? focused : defaultButton_;
    if (target && target->isVisible() && target->isEnabled())
        target->click();
    event->accept();
}

void ConsolePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    titleBar_->resize(width(), kTitleHeight);
}
