#include "shell/modCalendario.h"

#include "compat/AppError.h"
#include "core/CalendarioEstrazioni.h"
#include "core/TabellaImpostazioni.h"
#include "shell/modArchivio.h"

std::vector<qint32> IndiceMensile;
std::vector<bool> UltimaDelMese;

qint16 CostruisciIndiceMensile()
{
    const qint32 n = std::max<qint32>(NumeroEstrazioni, 0);
    IndiceMensile.assign(n + 1, 0);
    UltimaDelMese.assign(n + 1, false);
    qint16 massimo = 0;
    compat::vbResumeNext([&] {
        const QString giorni = leggi(imp::GiorniEstrazioneIndice);
        CalendarioMensile c = costruisciIndiceMensile(Archivio(), giorni);
        // The arrays are sized on the draw count the windows use.
        c.IndiceMensile.resize(n + 1, 0);
        c.UltimaDelMese.resize(n + 1, false);
        IndiceMensile = std::move(c.IndiceMensile);
        UltimaDelMese = std::move(c.UltimaDelMese);
        massimo = static_cast<qint16>(c.massimo);
    });
    return massimo;
}
