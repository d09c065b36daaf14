#pragma once

#include "channel/librarybinding.h"
#include "console/pages/consolepage.h"

class QLabel;
class QPushButton;

// Page 0: the module check's status line, the library labels of the binding
// and the version footer.
class HomePage : public ConsolePage
{
    Q_OBJECT

public:
    HomePage(PageContext &context, QWidget *parent);

    // The library labels and the version label tell the road in use.
    void showBinding(LibraryBinding::Outcome outcome, const QString &name);

    void BtnPrincipalClick();

Q_SIGNALS:
    // The outcome of a module check; the left-column button takes its colour.
    void moduleChecked(bool operating);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void BtnStatusACClick();
    void showOperating(bool operating);
    void placeFooter();

    QLabel *Label8;
    QLabel *lbloperante;
    QPushButton *BitBtn6;
    QPushButton *BtnStatusAC;
    QLabel *LblDllMfe;
    QLabel *LblDllIntegrador;
    QLabel *LblErroDll;
    QLabel *LblXmlIntegrador;
    QWidget *Panel13;
    QLabel *Label4;
    QLabel *Label7;
};
