#pragma once

#include "ui/Application.h"

namespace tavrik {

class TCalvane;
class TfrmsetC;
class TfrmScreen;

// The program's three windows, made in the start-up order: the main window first (it becomes
// the application's main form), then the colour dialog and the capture window, both hidden.
struct TWorkbenchForms {
    TCalvane* Calvane = nullptr;
    TfrmsetC* frmsetC = nullptr;
    TfrmScreen* frmScreen = nullptr;
};

TWorkbenchForms CreateWorkbenchForms(TApplication& application);

} // namespace tavrik
