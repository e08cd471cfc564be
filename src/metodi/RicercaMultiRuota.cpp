#include "metodi/RicercaMultiRuota.h"

#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"
#include "core/Esecutore.h"
#include "metodi/MotoreRicerca.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>

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

namespace {

using namespace motore;

// A search set that some run uses, or a single wheel that a pair needs.
struct Insieme {
    std::array<bool, 12> ruote{};
    std::vector<Spia> spie;
    std::vector<Casi> casi;      // per spia; empty for a pair scored by its wheels
    int a = -1, b = -1;          // a pair: its two single wheels
    std::vector<Casi> comuni;    // a pair: the draws where the spia came out on both
};

// A row kept compact until the run's first rows are known.
struct Compatta {
    quint64 totale;
    int formula;
    qint32 casi;
    int spia;
};

// What unit (play set, spia) gives: the rows of each run of that play set.
struct RisultatoUnita {
    std::vector<Compatta> righe;
    std::vector<int> inizio;     // per run of the play set, then the end
};

Casi comuni(const Casi& x, const Casi& y)
{
    // Both lists run from the end backwards.
    Casi c;
    size_t i = 0, j = 0;
    while (i < x.size() && j < y.size()) {
        if (x[i].indice == y[j].indice) {
            c.push_back({x[i].indice, 2});
            ++i;
            ++j;
        } else if (x[i].indice > y[j].indice) {
            ++i;
        } else {
            ++j;
        }
    }
    return c;
}

// A worker's scratch: score tables and the totals of each set for one spia.
struct Scratch {
    Tavolo tavolo;
    std::vector<Totali> totali;
    std::vector<Conteggio> conteggi;
    std::vector<int> pronto;        // the unit for which totali[i] was computed, + 1
    Totali comune, unione;
    std::vector<Totali> coppie;     // per pair of single wheels: the draws on both
    std::vector<quint16> maschera;  // per draw: the single wheels where the spia came out
    std::vector<qint32> toccate;
    std::vector<int> gruppoDi;      // per group key: its list, + 1
    std::vector<Casi> gruppi;
};

// Adds totals formula by formula (presences and quantity never carry).
void aggiungi(Totali& a, const Totali& b)
{
    for (size_t i = 0; i < a.size(); ++i)
        a[i] += b[i];
}

// The totals of the single wheels `singoli` (bit i: insieme singoli[i]) and
// of the draws common to each pair of them, for spia k. A draw where the spia
// came out on one or two of the wheels is scored once: the draws are grouped
// by that set and each group's totals are added into each wheel and pair it
// covers. Draws on more wheels (rare) are scored per wheel and per pair.
// False when stopped.
bool totaliSingoli(const Estrazioni& est, const Finestre* const* f, int nf,
                   const std::vector<Insieme>& insiemi, const std::vector<int>& singoli, size_t k,
                   bool vettoriale, Scratch& s, ContestoUnita* c)
{
    const int ns = static_cast<int>(singoli.size());
    const qint32 tutti = std::numeric_limits<qint32>::max();
    s.maschera.assign(size_t(est.n), 0);
    s.toccate.clear();
    for (int i = 0; i < ns; ++i) {
        const size_t x = size_t(singoli[size_t(i)]);
        Conteggio& conto = s.conteggi[x];
        conto = {};
        for (const Caso& caso : insiemi[x].casi[k]) {
            quint16& m = s.maschera[size_t(caso.indice)];
            if (m == 0)
                s.toccate.push_back(caso.indice);
            m = quint16(m | (1u << i));
            ++conto.casi;
            conto.sortite += caso.sortite;
        }
        s.totali[x].assign(kFormule, 0);
    }
    s.coppie.resize(size_t(ns * ns));
    for (int i = 0; i < ns; ++i)
        for (int j = i + 1; j < ns; ++j)
            s.coppie[size_t(i * ns + j)].assign(kFormule, 0);

    constexpr int kMaschere = 1 << 11;
    s.gruppoDi.assign(size_t(kMaschere + ns + ns * ns), 0);
    std::vector<int> chiavi;
    for (Casi& g : s.gruppi)
        g.clear();
    auto metti = [&](int chiave, qint32 indice) {
        int& g = s.gruppoDi[size_t(chiave)];
        if (g == 0) {
            chiavi.push_back(chiave);
            g = static_cast<int>(chiavi.size());
            if (s.gruppi.size() < chiavi.size())
                s.gruppi.emplace_back();
        }
        s.gruppi[size_t(g - 1)].push_back({indice, 0});
    };
    std::sort(s.toccate.begin(), s.toccate.end(), std::greater<>());
    for (qint32 j : s.toccate) {
        const unsigned m = s.maschera[size_t(j)];
        if (std::popcount(m) <= 2) {
            metti(static_cast<int>(m), j);
            continue;
        }
        for (int a = 0; a < ns; ++a) {
            if (!(m & (1u << a)))
                continue;
            metti(kMaschere + a, j);
            for (int b = a + 1; b < ns; ++b)
                if (m & (1u << b))
                    metti(kMaschere + ns + a * ns + b, j);
        }
    }
    for (size_t g = 0; g < chiavi.size(); ++g) {
        Conteggio nessuno;
        if (!calcolaTotali(est, f, nf, s.gruppi[g], tutti, vettoriale, s.tavolo, s.comune,
                           nessuno, c, false, false))
            return false;
        const int chiave = chiavi[g];
        if (chiave < kMaschere) {
            for (int a = 0; a < ns; ++a) {
                if (!(chiave & (1 << a)))
                    continue;
                aggiungi(s.totali[size_t(singoli[size_t(a)])], s.comune);
                for (int b = a + 1; b < ns; ++b)
                    if (chiave & (1 << b))
                        aggiungi(s.coppie[size_t(a * ns + b)], s.comune);
            }
        } else if (chiave < kMaschere + ns) {
            aggiungi(s.totali[size_t(singoli[size_t(chiave - kMaschere)])], s.comune);
        } else {
            aggiungi(s.coppie[size_t(chiave - kMaschere - ns)], s.comune);
        }
    }
    return true;
}

} // namespace


namespace {

// The positions of the first rows of a list of `n` rows as the window shows
// it: in listing order, or sorted on a sub-item's text with ties in listing order.
template <class Cella>
std::vector<int> primi(int n, const OpzioniMultiRuota& opzioni, Cella cella)
{
    std::vector<int> ordine(size_t(std::max(n, 0)));
    for (int i = 0; i < n; ++i)
        ordine[size_t(i)] = i;
    const int k = opzioni.chiaveOrdinamento;
    if (k >= 1 && k <= 4) {
        std::vector<QString> testi(ordine.size());
        for (int i = 0; i < n; ++i)
            testi[size_t(i)] = cella(i, k);
        std::stable_sort(ordine.begin(), ordine.end(), [&](int a, int b) {
            const int c = QString::compare(testi[size_t(a)], testi[size_t(b)], Qt::CaseInsensitive);
            return opzioni.decrescente ? c > 0 : c < 0;
        });
    }
    ordine.resize(std::min(ordine.size(), size_t(std::clamp(opzioni.righe, 0, 3))));
    return ordine;
}

} // namespace

std::vector<RigaRisultato> primeRighe(std::vector<RigaRisultato> righe,
                                      const OpzioniMultiRuota& opzioni)
{
    const std::vector<int> ordine =
        primi(static_cast<int>(righe.size()), opzioni, [&](int i, int k) {
            const RigaRisultato& r = righe[size_t(i)];
            return k == 1 ? r.presenzeQuantita : k == 2 ? r.percentuale : k == 3 ? r.numero : r.sortite;
        });
    std::vector<RigaRisultato> scelte;
    for (int i : ordine)
        scelte.push_back(std::move(righe[size_t(i)]));
    return scelte;
}

EsitoMultiRuota cercaMultiRuota(const ArchivioMemoria& archivio, const Restrizioni& restrizioni,
                                const CalendarioMensile& calendario, const ParametriRicerca& base,
                                const std::vector<CombinazioneRuote>& combinazioni,
                                const OpzioniMultiRuota& opzioni, const ProgressoMulti& progresso)
{
    EsitoMultiRuota esito;
    // The inputs differ between runs only in their wheels: the first refused
    // run ends the search there, with its one message.
    std::vector<ParametriRicerca> parametri;
    for (const CombinazioneRuote& c : combinazioni) {
        ParametriRicerca p = base;
        p.ruoteRicerca = c.ricerca;
        p.ruoteGioco = c.gioco;
        ControlloRicerca controllo = controllaPosizioni(p);
        if (controllo.ok())
            controllo = controllaParametri(p);
        if (!controllo.ok()) {
            esito.rifiuto = controllo;
            break;
        }
        parametri.push_back(p);
    }
    const int nRun = static_cast<int>(parametri.size());
    if (nRun == 0)
        return esito;
    const ParametriRicerca& p0 = parametri[0];

    Estrazioni est;
    preparaEstrazioni(est, archivio, restrizioni, calendario, p0);
    // The windows of each play wheel, once: a run's windows are their sum.
    std::array<std::unique_ptr<Finestre>, 12> finestre;
    for (const ParametriRicerca& p : parametri)
        for (int w = 1; w <= kRuote; ++w)
            if (p.ruoteGioco[w] && !finestre[w]) {
                std::array<bool, 12> una{};
                una[w] = true;
                finestre[w].reset(new Finestre);
                preparaFinestre(*finestre[w], est, una, p0);
            }

    // The search sets, each once; a pair is scored from its two wheels and
    // the draws where the spia came out on both, unless only the last cases
    // count (then the pair's own cases are needed).
    std::vector<Insieme> insiemi;
    std::vector<int> insiemeDi(nRun);
    auto trova = [&](const std::array<bool, 12>& ruote) {
        for (size_t i = 0; i < insiemi.size(); ++i)
            if (insiemi[i].ruote == ruote)
                return static_cast<int>(i);
        return -1;
    };
    auto diretto = [&](const std::array<bool, 12>& ruote, const ParametriRicerca& p) {
        int i = trova(ruote);
        if (i >= 0 && insiemi[size_t(i)].a < 0)
            return i;
        Insieme s;
        s.ruote = ruote;
        s.spie = spieRicerca(archivio, p);
        s.casi = trovaCasi(est, ruote, p.tipoSpia, s.spie);
        insiemi.push_back(std::move(s));
        return static_cast<int>(insiemi.size()) - 1;
    };
    for (int r = 0; r < nRun; ++r) {
        const ParametriRicerca& p = parametri[size_t(r)];
        const auto& ruote = p.ruoteRicerca;
        const int quante = static_cast<int>(std::count(ruote.begin() + 1, ruote.end(), true));
        if (quante != 2 || p.perSortite || p.numeriUscitiIl) {
            insiemeDi[size_t(r)] = diretto(ruote, p);
            continue;
        }
        int i = trova(ruote);
        if (i < 0) {
            int w[2], n = 0;
            for (int x = 1; x <= kRuote; ++x)
                if (ruote[x])
                    w[n++] = x;
            Insieme s;
            s.ruote = ruote;
            for (int k = 0; k < 2; ++k) {
                std::array<bool, 12> una{};
                una[w[k]] = true;
                (k == 0 ? s.a : s.b) = diretto(una, p);
            }
            s.spie = insiemi[size_t(s.a)].spie;
            const Insieme& x = insiemi[size_t(s.a)];
            const Insieme& y = insiemi[size_t(s.b)];
            for (size_t k = 0; k < s.spie.size(); ++k)
                s.comuni.push_back(comuni(x.casi[k], y.casi[k]));
            insiemi.push_back(std::move(s));
            i = static_cast<int>(insiemi.size()) - 1;
        }
        insiemeDi[size_t(r)] = i;
    }

    // The play sets, each once.
    std::vector<std::array<bool, 12>> giochi;
    std::vector<int> giocoDelRun(nRun);
    for (int r = 0; r < nRun; ++r) {
        const auto& g = parametri[size_t(r)].ruoteGioco;
        auto it = std::find(giochi.begin(), giochi.end(), g);
        if (it == giochi.end()) {
            giochi.push_back(g);
            it = giochi.end() - 1;
        }
        giocoDelRun[size_t(r)] = static_cast<int>(it - giochi.begin());
    }
    // Units go group by group, spia by spia. Pairs of search wheels share
    // their wheels' scores within a play set, so their runs are grouped by
    // play set; otherwise each run is a group and runs complete in run order.
    const bool condiviso = std::any_of(insiemeDi.begin(), insiemeDi.end(),
                                       [&](int i) { return insiemi[size_t(i)].a >= 0; });
    std::vector<int> giocoDelGruppo;
    std::vector<std::vector<int>> runDelGruppo;
    for (int r = 0; r < nRun; ++r) {
        const int g = giocoDelRun[size_t(r)];
        if (!condiviso || g >= static_cast<int>(giocoDelGruppo.size())) {
            giocoDelGruppo.push_back(g);
            runDelGruppo.emplace_back();
        }
        runDelGruppo[size_t(condiviso ? g : r)].push_back(r);
    }
    std::vector<int> posto(nRun, -1);   // the run's place in its group
    std::vector<int> gruppoDi(nRun, -1);
    for (size_t g = 0; g < runDelGruppo.size(); ++g)
        for (size_t q = 0; q < runDelGruppo[g].size(); ++q) {
            posto[size_t(runDelGruppo[g][q])] = static_cast<int>(q);
            gruppoDi[size_t(runDelGruppo[g][q])] = static_cast<int>(g);
        }
    size_t nSpie = 0;
    for (const Insieme& s : insiemi)
        nSpie = std::max(nSpie, s.spie.size());
    const int nUnita = static_cast<int>(runDelGruppo.size()) * static_cast<int>(nSpie);
    // The runs done, as an unbroken prefix in run order, once `unita` units are.
    auto runFatti = [&](int unita) {
        const int gruppi = nSpie == 0 ? nRun : unita / static_cast<int>(nSpie);
        int fatte = 0;
        while (fatte < nRun && gruppoDi[size_t(fatte)] < gruppi)
            ++fatte;
        return fatte;
    };

    // The single wheels the pairs are scored from, and each one's bit.
    std::vector<int> singoli;
    std::vector<int> bitDi(insiemi.size(), -1);
    for (const Insieme& ins : insiemi)
        if (ins.a >= 0)
            for (int x : {ins.a, ins.b})
                if (bitDi[size_t(x)] < 0) {
                    bitDi[size_t(x)] = static_cast<int>(singoli.size());
                    singoli.push_back(x);
                }

    const Scelta scelta = sceltaRighe(p0);
    const qint32 limite = p0.perSortite ? p0.sortite : std::numeric_limits<qint32>::max();
    std::vector<std::unique_ptr<Scratch>> scratch(numeroLavoratori(nUnita, base.thread));

    std::function<bool(const Avanzamento&)> avanzamento;
    if (progresso)
        avanzamento = [&](const Avanzamento& a) { return progresso(runFatti(a.completate), nRun); };
    Esecuzione<RisultatoUnita> run = eseguiUnita<RisultatoUnita>(
        nUnita,
        [&](int u, ContestoUnita& c) -> std::optional<RisultatoUnita> {
            const int gruppo = u / static_cast<int>(nSpie);
            const int gioco = giocoDelGruppo[size_t(gruppo)];
            const int k = u % static_cast<int>(nSpie);
            std::unique_ptr<Scratch>& s = scratch[c.lavoratore()];
            if (!s) {
                s.reset(new Scratch);
                s->totali.resize(insiemi.size());
                s->conteggi.resize(insiemi.size());
                s->pronto.assign(insiemi.size(), 0);
            }
            const Finestre* f[12];
            int nf = 0;
            for (int w = 1; w <= kRuote; ++w)
                if (giochi[size_t(gioco)][w])
                    f[nf++] = finestre[w].get();
            // The totals of a set for this spia, computed once per unit.
            auto totali = [&](int i) -> bool {
                if (s->pronto[size_t(i)] == u + 1)
                    return true;
                s->conteggi[size_t(i)] = {};
                if (!calcolaTotali(est, f, nf, insiemi[size_t(i)].casi[size_t(k)], limite,
                                   base.vettoriale, s->tavolo, s->totali[size_t(i)],
                                   s->conteggi[size_t(i)], &c, false, false))
                    return false;
                s->pronto[size_t(i)] = u + 1;
                return true;
            };
            // The pairs' wheels and common draws, all at once.
            bool raggruppato = false;
            if (!singoli.empty()
                && std::all_of(singoli.begin(), singoli.end(), [&](int x) {
                       return size_t(k) < insiemi[size_t(x)].casi.size();
                   })) {
                if (!totaliSingoli(est, f, nf, insiemi, singoli, size_t(k), base.vettoriale, *s,
                                   &c))
                    return std::nullopt;
                for (int x : singoli)
                    s->pronto[size_t(x)] = u + 1;
                raggruppato = true;
            }
            RisultatoUnita ris;
            for (int r : runDelGruppo[size_t(gruppo)]) {
                ris.inizio.push_back(static_cast<int>(ris.righe.size()));
                const Insieme& ins = insiemi[size_t(insiemeDi[size_t(r)])];
                if (size_t(k) >= ins.spie.size())
                    continue;
                const quint64* t;
                Conteggio conto;
                if (ins.a < 0) {
                    if (!totali(insiemeDi[size_t(r)]))
                        return std::nullopt;
                    t = s->totali[size_t(insiemeDi[size_t(r)])].data();
                    conto = s->conteggi[size_t(insiemeDi[size_t(r)])];
                } else {
                    // The pair's cases are the union of its wheels' cases.
                    if (!totali(ins.a) || !totali(ins.b))
                        return std::nullopt;
                    Conteggio nessuno;
                    const quint64* z;
                    if (raggruppato) {
                        const int ia = std::min(bitDi[size_t(ins.a)], bitDi[size_t(ins.b)]);
                        const int ib = std::max(bitDi[size_t(ins.a)], bitDi[size_t(ins.b)]);
                        z = s->coppie[size_t(ia) * singoli.size() + size_t(ib)].data();
                        nessuno.casi = static_cast<qint32>(ins.comuni[size_t(k)].size());
                    } else {
                        if (!calcolaTotali(est, f, nf, ins.comuni[size_t(k)], limite,
                                           base.vettoriale, s->tavolo, s->comune, nessuno, &c,
                                           false, false))
                            return std::nullopt;
                        z = s->comune.data();
                    }
                    const quint64* x = s->totali[size_t(ins.a)].data();
                    const quint64* y = s->totali[size_t(ins.b)].data();
                    s->unione.resize(kFormule);
                    for (int i = 0; i < kFormule; ++i)
                        s->unione[size_t(i)] = x[i] + y[i] - z[i];
                    t = s->unione.data();
                    const Conteggio& ca = s->conteggi[size_t(ins.a)];
                    const Conteggio& cb = s->conteggi[size_t(ins.b)];
                    conto.casi = ca.casi + cb.casi - nessuno.casi;
                    conto.sortite = ca.sortite + cb.sortite;
                }
                Migliore top[5];
                const int n = righeListate(top, migliori(t, top), scelta);
                for (int j = 0; j < n; ++j)
                    ris.righe.push_back({top[j].totale, top[j].formula, conto.casi, k});
            }
            ris.inizio.push_back(static_cast<int>(ris.righe.size()));
            return ris;
        },
        avanzamento, {base.thread, std::chrono::milliseconds(10)});

    esito.interrotta = run.interrotta;
    const int fatte = runFatti(static_cast<int>(run.risultati.size()));
    if (run.interrotta)
        esito.rifiuto.reset();   // the runs after the stop were never reached

    // Each run's rows, spia by spia; only its first rows get their texts.
    std::vector<std::vector<RigaMulti>> perRun(static_cast<size_t>(fatte));
    esegui(fatte, [&](int r, ContestoUnita&) {
        const Insieme& ins = insiemi[size_t(insiemeDi[size_t(r)])];
        std::vector<Compatta> righe;
        for (size_t k = 0; k < nSpie; ++k) {
            const RisultatoUnita& u = run.risultati[size_t(gruppoDi[size_t(r)]) * nSpie + k];
            const int q = posto[size_t(r)];
            righe.insert(righe.end(), u.righe.begin() + u.inizio[size_t(q)],
                         u.righe.begin() + u.inizio[size_t(q) + 1]);
        }
        const std::vector<int> ordine =
            primi(static_cast<int>(righe.size()), opzioni, [&](int i, int k) {
                const Compatta& x = righe[size_t(i)];
                return cellaRisultato(k, qint64(presenze(x.totale)), qint64(quantita(x.totale)),
                                      x.casi, ins.spie[size_t(x.spia)].valore);
            });
        const CombinazioneRuote& c = combinazioni[size_t(r)];
        for (int i : ordine) {
            const Compatta& x = righe[size_t(i)];
            RigaMulti m;
            m.riga = rigaDi({x.totale, x.formula}, p0.tipoSpia, ins.spie[size_t(x.spia)], x.casi);
            m.flagRicerca = c.ricerca;
            m.flagGioco = c.gioco;
            m.ruoteRicerca = testoRuoteMulti(c.ricerca);
            m.ruoteGioco = testoRuoteMulti(c.gioco);
            m.combinazione = r;
            perRun[size_t(r)].push_back(std::move(m));
        }
        return true;
    }, {}, {base.thread, std::chrono::milliseconds(10)});
    for (auto& v : perRun)
        for (RigaMulti& m : v)
            esito.righe.push_back(std::move(m));
    esito.completate = fatte;
    if (progresso && !run.interrotta)
        progresso(nRun, nRun);
    return esito;
}
