#include "console/consolepage.h"

#include "console/widgetstyle.h"

#include <QLabel>
#include <QPalette>
#include <QStackedWidget>

ConsolePage::ConsolePage(const QString &objectName, const QString &titleBarName, const QString &title,
                         QWidget *parent)
    : QWidget(parent)
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
}

void ConsolePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    titleBar_->resize(width(), kTitleHeight);
}

void ConsolePage::showPage()
{
    if (auto *pageControl = qobject_cast<QStackedWidget *>(parentWidget()))
        pageControl->setCurrentWidget(this);
}
