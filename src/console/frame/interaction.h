#pragma once

#include <QString>

class QDialog;

// Every message box, confirmation, file or folder dialog, modal dialog run and
// shell "open" of the console goes through this interface, so that tests can
// script the answers and record every text shown.
class Interaction
{
public:
    virtual ~Interaction() = default;

    // A plain OK box with the application title as caption.
    virtual void showMessage(const QString &text) = 0;
    // OK and Cancel; true only for OK.
    virtual bool confirm(const QString &text) = 0;
    // Empty text when the technician cancels.
    virtual QString chooseOpenFile(const QString &title, const QString &filter) = 0;
    virtual QString chooseSaveFile(const QString &title, const QString &filter) = 0;
    virtual QString chooseFolder(const QString &title) = 0;
    // Runs a dialog modally and returns when it is closed.
    virtual void runDialog(QDialog &dialog) = 0;
    // Opens a file or address with its associated program.
    virtual void openWithShell(const QString &path) = 0;
};
