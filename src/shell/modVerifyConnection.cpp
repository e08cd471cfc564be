#include "shell/modVerifyConnection.h"

#include "compat/ui/Platform.h"

bool VerificaConnessione()
{
    return compat::platform().net().connected();
}
