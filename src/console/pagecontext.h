#pragma once

class ClientDataSet;
class Interaction;
class OperationFrame;

// All a page receives of the main window: the road of an operation, the
// settings dataset and the interaction seam. Pages never see TFAtivacao;
// what one page changes on another goes through signals the window connects.
struct PageContext {
    OperationFrame &frame;
    ClientDataSet &cds;
    Interaction &interaction;
};
