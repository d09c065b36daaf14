#include "console/frame/widgetinteraction.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

WidgetInteraction::WidgetInteraction(const QString &applicationTitle)
    : applicationTitle_(applicationTitle)
{
}

void WidgetInteraction::setParentWindow(QWidget *window)
{
    parent_ = window;
}

int WidgetInteraction::runBox(QMessageBox::Icon icon, const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, applicationTitle_, text, buttons, parent_);
    // Texts come from the module, the Integrador and files: shown as they are, never as markup.
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

void WidgetInteraction::showMessage(const QString &text)
{
    runBox(QMessageBox::NoIcon, text, QMessageBox::Ok);
}

bool WidgetInteraction::confirm(const QString &text)
{
    return runBox(QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

QString WidgetInteraction::chooseOpenFile(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent_, title, QString(), filter);
}

QString WidgetInteraction::chooseSaveFile(const QString &title, const QString &filter)
{
    // The console's only save dialog, for logs, overwrites without asking.
    return QFileDialog::getSaveFileName(parent_, title, QString(), filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

QString WidgetInteraction::chooseFolder(const QString &title)
{
    return QFileDialog::getExistingDirectory(parent_, title);
}

void WidgetInteraction::runDialog(QDialog &dialog)
{
    dialog.exec();
}

void WidgetInteraction::openWithShell(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
