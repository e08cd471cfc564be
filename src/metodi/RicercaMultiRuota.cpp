#include "metodi/RicercaMultiRuota.h"

#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"

#include <algorithm>

namespace {

// Candidates 1..11 from the boxes: "Tutte" stands for 1..10.
std::array<bool, 12> candidati(const std::array<bool, 12>& box)
{
    std::array<bool, 12> c{};
    for (int w = 1; w <= 11; ++w)
        c[w] = box[w] || (w <= 10 && box[0]);
    return c;
}

std::array<bool, 12> insieme(std::initializer_list<int> ruote)
{
    std::array<bool, 12> r{};
    for (int w : ruote)
        r[w] = true;
    return r;
}

} // namespace

std::vector<CombinazioneRuote> combinazioniMultiRuota(const std::array<bool, 12>& chkRuota,
                                                      const std::array<bool, 12>& chkRuotaG,
                                                      int ricercaInsieme, int giocoInsieme)
{
    std::vector<std::array<bool, 12>> ricerca;
    if (ricercaInsieme == 0) {
        // "Tutte assieme" ticks "Tutte" first: the ten, with the Nazionale if ticked.
        std::array<bool, 12> tutte{};
        for (int w = 1; w <= 10; ++w)
            tutte[w] = true;
        tutte[11] = chkRuota[11];
        ricerca.push_back(tutte);
    } else {
        const std::array<bool, 12> c = candidati(chkRuota);
        if (ricercaInsieme == 1) {
            for (int i = 1; i <= 11; ++i)
                if (c[i])
                    ricerca.push_back(insieme({i}));
        } else if (ricercaInsieme == 2) {
            for (int i = 1; i <= 10; ++i)
                for (int j = i + 1; j <= 11; ++j)
                    if (c[i] && c[j])
                        ricerca.push_back(insieme({i, j}));
        }
    }

    std::vector<std::array<bool, 12>> gioco;
    const std::array<bool, 12> g = candidati(chkRuotaG);
    if (giocoInsieme == 1) {
        for (int a = 1; a <= 11; ++a)
            if (g[a])
                gioco.push_back(insieme({a}));
    } else if (giocoInsieme == 2) {
        for (int a = 1; a <= 10; ++a)
            for (int b = a + 1; b <= 11; ++b)
                if (g[a] && g[b])
                    gioco.push_back(insieme({a, b}));
    } else if (giocoInsieme == 3) {
        for (int a = 1; a <= 9; ++a)
            for (int b = a + 1; b <= 10; ++b)
                for (int d = b + 1; d <= 11; ++d)
                    if (g[a] && g[b] && g[d])
                        gioco.push_back(insieme({a, b, d}));
    }

    std::vector<CombinazioneRuote> runs;
    runs.reserve(ricerca.size() * gioco.size());
    for (const auto& r : ricerca)
        for (const auto& x : gioco)
            runs.push_back({r, x});
    return runs;
}

QString testoRuoteMulti(const std::array<bool, 12>& ruote)
{
    if (std::all_of(ruote.begin() + 1, ruote.begin() + 11, [](bool b) { return b; }))
        return ruote[11] ? QStringLiteral("Tutte+NZ") : QStringLiteral("Tutte");
    QString t;
    for (int w = 1; w <= 11; ++w)
        if (ruote[w])
            t += (t.isEmpty() ? QString() : QStringLiteral("-")) + siglaRuota(w);
    return t;
}

std::vector<RigaRisultato> primeRighe(std::vector<RigaRisultato> righe,
                                      const OpzioniMultiRuota& opzioni)
{
    const int k = opzioni.chiaveOrdinamento;
    if (k >= 1 && k <= 4) {
        auto cella = [k](const RigaRisultato& r) -> const QString& {
            switch (k) {
            case 1: return r.presenzeQuantita;
            case 2: return r.percentuale;
            case 3: return r.numero;
            default: return r.sortite;
            }
        };
        std::stable_sort(righe.begin(), righe.end(),
                         [&](const RigaRisultato& a, const RigaRisultato& b) {
                             const int c = QString::compare(cella(a), cella(b), Qt::CaseInsensitive);
                             return opzioni.decrescente ? c > 0 : c < 0;
                         });
    }
    const size_t n = static_cast<size_t>(std::clamp(opzioni.righe, 0, 3));
    if (righe.size() > n)
        righe.resize(n);
    return righe;
}

EsitoMultiRuota cercaMultiRuota(const ArchivioMemoria& archivio, const Restrizioni& restrizioni,
                                const CalendarioMensile& calendario, const ParametriRicerca& base,
                                const std::vector<CombinazioneRuote>& combinazioni,
                                const OpzioniMultiRuota& opzioni, const ProgressoMulti& progresso)
{
    EsitoMultiRuota esito;
    const int totale = static_cast<int>(combinazioni.size());
    for (int k = 0; k < totale; ++k) {
        if (progresso && progresso(k, totale)) {
            esito.interrotta = true;
            return esito;
        }
        const CombinazioneRuote& c = combinazioni[size_t(k)];
        ParametriRicerca p = base;
        p.ruoteRicerca = c.ricerca;
        p.ruoteGioco = c.gioco;
        ControlloRicerca controllo = controllaPosizioni(p);
        if (controllo.ok())
            controllo = controllaParametri(p);
        if (!controllo.ok()) {
            esito.rifiuto = controllo;
            return esito;
        }
        EsitoRicerca run = cercaMetodi(archivio, restrizioni, calendario, p);
        if (run.erroreFile) {
            esito.erroreFile = run.erroreFile;
            return esito;
        }
        for (RigaRisultato& r : primeRighe(std::move(run.righe), opzioni)) {
            RigaMulti m;
            m.riga = std::move(r);
            m.flagRicerca = c.ricerca;
            m.flagGioco = c.gioco;
            m.ruoteRicerca = testoRuoteMulti(c.ricerca);
            m.ruoteGioco = testoRuoteMulti(c.gioco);
            m.combinazione = k;
            esito.righe.push_back(std::move(m));
        }
        esito.completate = k + 1;
    }
    if (progresso)
        progresso(totale, totale);
    return esito;
}
