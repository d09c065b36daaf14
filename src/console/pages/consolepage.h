#pragma once

#include "console/pages/pagecontext.h"

#include <QWidget>
#include <initializer_list>

class QLabel;
class QPushButton;
class QTextEdit;

// One page of the main window's page control: a title bar 25 pixels high
// across the top (grey, white bold Tahoma 12 pt, centred caption) over a
// silver background. The page classes put their controls below it.
//
// A page is built with the page control as its parent and reaches the rest
// of the console only through its PageContext.
class ConsolePage : public QWidget
{
    Q_OBJECT

public:
    ConsolePage(PageContext &context, const QString &objectName, const QString &titleBarName, const QString &title,
                QWidget *parent);

    // Makes this page the page control's current page.
    void showPage();
    bool isCurrentPage() const;
    void setTitle(const QString &title);
    QString title() const;

    static constexpr int kWidth = 640;
    static constexpr int kHeight = 465;
    static constexpr int kTitleHeight = 25;

protected:
    // The page's show handler: runs each time the page becomes the current
    // page (not when it is made current again while it already is).
    virtual void shown() {}

    // Enter anywhere on the page presses this button, as on the original
    // forms; a focused push button is pressed itself instead.
    void setDefaultButton(QPushButton *button);
    // Tab order along the controls, in the order given.
    void setTabChain(std::initializer_list<QWidget *> controls);
    // The green notice at the page's foot: "ATENÇÃO:" above the warning.
    QTextEdit *footNote(const QString &name, const QString &warning);

    OperationFrame &frame() const { return context_.frame; }
    ClientDataSet &cds() const { return context_.cds; }
    Interaction &interaction() const { return context_.interaction; }
    const QString &programFolder() const { return context_.programFolder; }
    // Posts the record, which writes the settings file; a file that cannot be
    // written is reported at once, and the operation goes on.
    void postSettings() const;

    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    PageContext &context_;
    QLabel *titleBar_;
    QPushButton *defaultButton_ = nullptr;
};
