#pragma once

#include <QWidget>

class QLabel;

// One page of the main window's page control: a title bar 25 pixels high
// across the top (grey, white bold Tahoma 12 pt, centred caption) over a
// silver background. The page classes put their controls below it.
class ConsolePage : public QWidget
{
    Q_OBJECT

public:
    ConsolePage(const QString &objectName, const QString &titleBarName, const QString &title,
                QWidget *parent = nullptr);

    // Makes this page the page control's current page.
    void showPage();

    static constexpr int kWidth = 640;
    static constexpr int kHeight = 465;
    static constexpr int kTitleHeight = 25;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *titleBar_;
};
