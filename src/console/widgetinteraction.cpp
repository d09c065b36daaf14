#include "console/widgetinteraction.h"

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

void WidgetInteraction::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle_, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool WidgetInteraction::confirm(const QString &text)
{
    QMessageBox box(QMessageBox::Question, applicationTitle_, text, QMessageBox::Ok | QMessageBox::Cancel, parent_);
    return box.exec() == QMessageBox::Ok;
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
