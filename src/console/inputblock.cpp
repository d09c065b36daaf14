#include "console/inputblock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

void InputBlock::hold()
{
    if (!holding_)
        QCoreApplication::instance()->installEventFilter(this);
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
        heldClose_ = window;
        event->ignore();
        return true;
    }
    return event->isInputEvent() || event->type() == QEvent::Shortcut || event->type() == QEvent::InputMethod;
}
