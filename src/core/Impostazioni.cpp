#include "core/Impostazioni.h"

clsIni& IniImpostazioni()
{
    static clsIni ini;
    return ini;
}

QString LeggiImpostazione(const QString&, const QString& sezione, const QString& chiave,
                          const QString& predefinito)
{
    clsIni& ini = IniImpostazioni();
    ini.setApplicationKey(sezione);
    return ini.GetValue(chiave, predefinito);
}

void SalvaImpostazione(const QString&, const QString& sezione, const QString& chiave,
                       const std::optional<QString>& valore)
{
    clsIni& ini = IniImpostazioni();
    ini.setApplicationKey(sezione);
    ini.SetValue(chiave, valore);
}
