#pragma once

#include "channel/librarybinding.h"
#include "console/consolepage.h"

class OperationFrame;
class QLabel;
class QPushButton;

// Page 0: the module check's status line, the library labels of the binding
// and the version footer.
class HomePage : public ConsolePage
{
    Q_OBJECT

public:
    // BtnPrincipal is the left-column button whose colour tells the last check.
    HomePage(OperationFrame &frame, QPushButton &BtnPrincipal, QWidget *parent = nullptr);

    // The library labels and the version label tell the road in use.
    void showBinding(LibraryBinding::Outcome outcome, const QString &name);

    void BtnPrincipalClick();
    void BtnStatusACClick();

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

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showOperating(bool operating);
    QLabel *makeLibraryLabel(const QString &name, int top, const QColor &colour);
    void placeFooter();

    OperationFrame &frame_;
    QPushButton &BtnPrincipal_;
};
