#include "shell/modEmail.h"

#include "compat/ui/Platform.h"

bool InviaEmail(const QString& indirizzo)
{
    return compat::platform().shell().mailTo(indirizzo);
}
