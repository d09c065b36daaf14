#include "console/frame/inputblock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

void InputBlock::hold()
{
    if (!holding_) {
        QCoreApplication::instance()->installEventFilter(this);
        heldCloses_ = 0;
    }
    holding_ = true;
}

void InputBlock::release()
{
    if (holding_)
        QCoreApplication::instance()->removeEventFilter(this);
    holding_ = false;
}

QWidget *InputBlock::takeHeldClose()
{
    QWidget *window = heldClose_;
    heldClose_ = nullptr;
    return window;
}

bool InputBlock::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close) {
        auto *window = qobject_cast<QWidget *>(watched);
        if (!window || !window->isWindow())
            return false;
        heldCloses_ = window == heldClose_ ? heldCloses_ + 1 : 1;
        heldClose_ = window;
        event->ignore();
        Q_EMIT closeHeld(window, heldCloses_);
        return true;
    }
    return event->isInputEvent() || event->type() == QEvent::Shortcut || event->type() == QEvent::InputMethod;
}
