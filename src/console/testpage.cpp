#include "console/testpage.h"

#include "console/labelededit.h"
#include "console/widgetfactory.h"
#include "console/widgetstyle.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int kMemoLeft = 8;
constexpr int kMemoTop = 150;
constexpr int kBrowseWidth = 25;
constexpr int kBrowseHeight = 21;
}

TestPage::TestPage(PageContext &context, QWidget *parent)
    : ConsolePage(context, QStringLiteral("TabTeste"), QStringLiteral("Panel4"), QString(), parent)
{
    LblCFeFile = new LabeledEdit(QStringLiteral("LblCFeFile"), QStringLiteral("XML da CFe a ser transmitida/Cancelada:"), this);
    LblCFeFile->place(kMemoLeft, 50, 440);
    Button1 = new QPushButton(QStringLiteral("..."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(452, 50, kBrowseWidth, kBrowseHeight);

    LblCFeDir = new LabeledEdit(QStringLiteral("LblCFeDir"), QStringLiteral("Diretório com os XMLs a serem transmitidos:"), this);
    LblCFeDir->place(kMemoLeft, 90, 440);
    BtnDir = new QPushButton(QStringLiteral("..."), this);
    BtnDir->setObjectName(QStringLiteral("BtnDir"));
    BtnDir->setGeometry(452, 90, kBrowseWidth, kBrowseHeight);

    BitBtn10 = WidgetFactory::button(this, QStringLiteral("BitBtn10"), QStringLiteral("Enviar CFe"), 8, 116);
    BitBtn8 = WidgetFactory::button(this, QStringLiteral("BitBtn8"), QStringLiteral("Cancelar CFe"), 142, 116);
    BtnEnviaDir = WidgetFactory::button(this, QStringLiteral("BtnEnviaDir"), QStringLiteral("Enviar todos do Dir."), 276, 116);

    Label15 = new QLabel(QStringLiteral("Sessão:"), this);
    Label15->setObjectName(QStringLiteral("Label15"));
    Label15->setGeometry(500, 34, 60, 16);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(500, 50, 80, 21);
    Edit1->setMaxLength(6);
    Edit1->setAlignment(Qt::AlignCenter);
    Label15->setBuddy(Edit1);

    MemoCFe = new QPlainTextEdit(this);
    MemoCFe->setObjectName(QStringLiteral("MemoCFe"));
    MemoCFe->setReadOnly(true);
    MemoCFe->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoCFe->setFont(WidgetStyle::lucidaConsole(8));
    MemoCFe->setGeometry(kMemoLeft, kMemoTop, kWidth - 2 * kMemoLeft, kMemoDesignHeight);
    memoBottomMargin_ = kHeight - kMemoTop - kMemoDesignHeight;
}

void TestPage::setAdministratorRowVisible(bool visible)
{
    for (QWidget *control : {static_cast<QWidget *>(LblCFeFile), static_cast<QWidget *>(LblCFeDir),
                             static_cast<QWidget *>(Button1), static_cast<QWidget *>(BitBtn10),
                             static_cast<QWidget *>(BitBtn8), static_cast<QWidget *>(BtnDir),
                             static_cast<QWidget *>(BtnEnviaDir)})
        control->setVisible(visible);
}

void TestPage::setMemoHeight(int height)
{
    memoBottomMargin_ = qMax(0, this->height() - kMemoTop - height);
    MemoCFe->resize(MemoCFe->width(), height);
}

void TestPage::showSessionNumber(const QString &numSessao)
{
    Edit1->setText(numSessao);
}

void TestPage::resizeEvent(QResizeEvent *event)
{
    ConsolePage::resizeEvent(event);
    placeMemo();
}

void TestPage::placeMemo()
{
    MemoCFe->setGeometry(kMemoLeft, kMemoTop, qMax(0, width() - 2 * kMemoLeft),
                         qMax(0, height() - kMemoTop - memoBottomMargin_));
}
