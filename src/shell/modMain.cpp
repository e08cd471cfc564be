#include "shell/modMain.h"

#include "compat/ui/Form.h"
#include "shell/frmMain.h"

QPointer<frmMain> frmPrincipale;

void Main()
{
    frmPrincipale = compat::Forms::get<frmMain>();
    frmPrincipale->vbShow();
}
