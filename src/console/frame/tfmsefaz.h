#pragma once

#include <QDialog>

class QPlainTextEdit;

// Shows the tax authority's code and message of a reply.
class TFMSefaz : public QDialog
{
    Q_OBJECT

public:
    explicit TFMSefaz(QWidget *parent = nullptr);

    QPlainTextEdit *MemoSefaz;
};
