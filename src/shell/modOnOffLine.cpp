#include "shell/modOnOffLine.h"

#include "compat/AppError.h"
#include "compat/ui/Platform.h"

const QString DescrizioneErroreOffLine = QStringLiteral("Errore richiamando la modalità off-line");

void ImpostaOffLine(bool offline)
{
    if (offline)
        return;
    if (!compat::platform().net().setOnline())
        throw compat::AppError{ErroreOffLine, DescrizioneErroreOffLine, {}};
}
