#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// While an operation waits for its reply, the windows stay painted but the
// technician's clicks and keys reach no widget: they are dropped, not
// delivered after the wait. A request to close a window meanwhile is held;
// the operation's end closes it. Each held request is announced, so that a
// repeated one can be answered at once.
class InputBlock : public QObject
{
    Q_OBJECT

public:
    // Starts and ends the block over the whole application; both may repeat.
    void hold();
    void release();
    // The window whose close was held, once; null when there was none.
    QWidget *takeHeldClose();

Q_SIGNALS:
    // A request to close window was held; requests counts those held for
    // that window since the block started, this one included.
    void closeHeld(QWidget *window, int requests);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool holding_ = false;
    QPointer<QWidget> heldClose_;
    int heldCloses_ = 0;
};
