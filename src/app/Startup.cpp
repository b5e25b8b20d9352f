#include "app/Startup.h"

#include "app/Calvane.h"
#include "app/frmScreen.h"
#include "app/frmsetC.h"

namespace tavrik {

TWorkbenchForms CreateWorkbenchForms(TApplication& application)
{
    TWorkbenchForms forms;
    forms.Calvane = application.CreateForm<TCalvane>();
    forms.frmsetC = application.CreateForm<TfrmsetC>();
    forms.frmScreen = application.CreateForm<TfrmScreen>();
    forms.Calvane->SetDialogs(forms.frmsetC, forms.frmScreen);
    return forms;
}

} // namespace tavrik
