#include "consulta/Trova.h"

#include "compat/vbformat.h"

bool NelIntervallo(QStringView testo, Intervallo r)
{
    const qint32 v = ValoreIntero(testo);
    return v >= r.minimo && v <= r.massimo;
}

QString MessaggioIntervallo(Intervallo r)
{
    return QStringLiteral("inserisci un numero tra %1 e %2 !").arg(r.minimo).arg(r.massimo);
}

ObiettiviLetti LeggiObiettivi(const std::array<QString, 6>& testi)
{
    ObiettiviLetti o;
    for (size_t j = 0; j < testi.size(); ++j) {
        if (testi[j].isEmpty())
            continue;
        if (!NelIntervallo(testi[j], kIntervalloObiettivo)) {
            o.rifiutato = int(j);
            o.valori.fill(0);
            o.attiva = false;
            return o;
        }
        o.valori[j] = ValoreIntero(testi[j]);
        o.attiva = true;
    }
    return o;
}

void ConfermaNumeri(StatoTabellone& s, const std::array<bool, 91>& spuntati)
{
    s.NumeriCercati.fill(false);
    s.PresenzeNumeri.fill(0);
    s.TrovaNumeri = false;
    for (int n = 1; n <= 90; ++n)
        if (spuntati[size_t(n)]) {
            s.NumeriCercati[size_t(n)] = true;
            s.TrovaNumeri = true;
        }
    if (s.TrovaNumeri)
        s.TrovaSomme = s.TrovaDistanze = false;
}

namespace {

// The targets become the search and its counts restart; with targets, the
// other two searches stop.
void conferma(std::array<int, 6>& cercati, std::array<qint32, 6>& totali, bool& attiva, bool& altra,
              bool& terza, const ObiettiviLetti& o)
{
    cercati = o.valori;
    totali.fill(0);
    attiva = o.attiva;
    if (attiva)
        altra = terza = false;
}

} // namespace

void ConfermaSomme(StatoTabellone& s, const ObiettiviLetti& o)
{
    conferma(s.SommeCercate, s.TotaleSomme, s.TrovaSomme, s.TrovaNumeri, s.TrovaDistanze, o);
}

void ConfermaDistanze(StatoTabellone& s, const ObiettiviLetti& o)
{
    conferma(s.DistanzeCercate, s.TotaleDistanze, s.TrovaDistanze, s.TrovaNumeri, s.TrovaSomme, o);
}

std::vector<std::pair<QString, QString>> NumeriTrovati(const StatoTabellone& s)
{
    std::vector<std::pair<QString, QString>> righe;
    for (int n = 1; n <= 90; ++n)
        if (s.NumeriCercati[size_t(n)])
            righe.emplace_back(compat::vbFormat(n, u"@@@"),
                               compat::vbFormat(double(s.PresenzeNumeri[size_t(n)]), u"@@@@"));
    return righe;
}
