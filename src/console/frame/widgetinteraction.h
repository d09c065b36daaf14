#pragma once

#include "console/frame/interaction.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

// The program's own interaction: Qt's message boxes and file dialogs.
class WidgetInteraction : public Interaction
{
public:
    explicit WidgetInteraction(const QString &applicationTitle);

    // Message boxes are centred on this window once it exists.
    void setParentWindow(QWidget *window);

    void showMessage(const QString &text) override;
    bool confirm(const QString &text) override;
    QString chooseOpenFile(const QString &title, const QString &filter) override;
    QString chooseSaveFile(const QString &title, const QString &filter) override;
    QString chooseFolder(const QString &title) override;
    void runDialog(QDialog &dialog) override;
    void openWithShell(const QString &path) override;

private:
    // Runs a message box of the console's caption; the button pressed.
    int runBox(QMessageBox::Icon icon, const QString &text, QMessageBox::StandardButtons buttons);

    QString applicationTitle_;
    QPointer<QWidget> parent_;
};
