#pragma once

#include <QString>

class ClientDataSet;
class Interaction;
class OperationFrame;

// All a page receives of the main window: the road of an operation, the
// settings dataset, the interaction seam and the program's folder. Pages never see TFAtivacao;
// what one page changes on another goes through signals the window connects.
struct PageContext {
    OperationFrame &frame;
    ClientDataSet &cds;
    Interaction &interaction;
    QString programFolder; // ends with a separator; the console's own files live here
};
