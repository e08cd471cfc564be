#include "metodi/RicercaMultiRuota.h"

#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"
#include "core/Esecutore.h"
#include "metodi/MotorePresenze.h"
#include "metodi/MotoreRicerca.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <limits>
#include <mutex>
#include <span>

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
    std::vector<qint32> comuni;  // a pair, per spia: the draws where it came out on both
};

// A row kept compact until the run's first rows are known.
struct Compatta {
    quint64 totale;
    int formula;
    qint32 casi;
    int spia;
};

// What a unit (play set, block of spias) gives: for each spia of the block,
// the rows of each run of that play set.
struct RisultatoUnita {
    std::vector<Compatta> righe;
    std::vector<int> inizio;     // per spia and run, then the end
};

// How many draws two case lists share.
qint32 comuni(const Casi& x, const Casi& y)
{
    // Both lists run from the end backwards.
    qint32 c = 0;
    size_t i = 0, j = 0;
    while (i < x.size() && j < y.size()) {
        if (x[i].indice == y[j].indice) {
            ++c;
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

// The formulas of one run and spia that could still rank among the rows
// listed, with their presences, and then their quantities.
struct Classifica {
    std::vector<int> formule;
    std::vector<IndiceFormula> indici;
    std::vector<quint64> presenze, quantita;
    unsigned ruote = 0;          // a pair: its single wheels' bits
    Conteggio conto;

    void vuota()
    {
        formule.clear();
        indici.clear();
        ruote = 0;
        conto = {};
    }
    void scegli(const quint32* p, quint32 soglia, bool vettoriale)
    {
        formuleCandidate(p, soglia, formule, vettoriale);
        indici.clear();
        presenze.resize(formule.size());
        quantita.assign(formule.size(), 0);
        for (size_t c = 0; c < formule.size(); ++c) {
            indici.emplace_back(formule[c]);
            presenze[c] = p[formule[c]];
        }
    }
    // The counts in a case's windows of each candidate's number.
    void conta(const GiocoPresenze& g, qint32 j, const quint8* ex)
    {
        for (size_t c = 0; c < indici.size(); ++c)
            quantita[c] += g.conteggio(j, indici[c](ex));
    }
    void righe(Scelta scelta, int spia, std::vector<Compatta>& out) const
    {
        std::vector<quint64> totali(formule.size());
        const quint64 limite32 = 0xFFFFFFFFu;
        for (size_t c = 0; c < formule.size(); ++c)
            totali[c] = (std::min(presenze[c], limite32) << 32) | std::min(quantita[c], limite32);
        Migliore top[5];
        const int n = righeListate(top, miglioriCandidate(formule, totali, top), scelta);
        for (int j = 0; j < n; ++j)
            out.push_back({top[j].totale, top[j].formula, conto.casi, spia});
    }
};

// A worker's scratch, kept from unit to unit.
struct Scratch {
    CorsiePresenze corsie;
    const GiocoPresenze* gioco = nullptr;
    std::vector<quint32> tabelle;   // presences: kFormule per table
    std::vector<quint32> unione;
    std::vector<quint32> diretta;   // a set searched directly
    std::vector<Classifica> classifiche;
    std::vector<quint16> maschera;  // per draw: the single wheels where the spia came out
    std::vector<qint32> toccate;
    std::vector<int> gruppoDi;      // per group key: its list, + 1
    std::vector<Casi> gruppi;
    std::vector<Conteggio> conteggi;   // per single wheel

    quint32* tabella(int i) { return tabelle.data() + size_t(i) * kFormule; }
    void tabelleVuote(int n) { tabelle.assign(size_t(n) * kFormule, 0); }
};

// Adds the presences of `casi` into `tabelle`; false when stopped.
bool contaPresenze(const std::vector<quint8>& indici, std::span<const Caso> casi,
                   quint32* const* tabelle, int nTabelle, bool vettoriale, Scratch& s,
                   const ContestoUnita* c)
{
    constexpr int kInsieme = CorsiePresenze::kInsieme;
    s.corsie.azzera();
    for (size_t i = 0; i < casi.size(); i += kInsieme) {
        if (i % 1024 == 0 && c && c->fermato())
            return false;
        if (s.corsie.piene())
            s.corsie.scarica(tabelle, nTabelle, vettoriale);
        const quint8* ex[kInsieme];
        const quint8* bit[kInsieme];
        const int n = static_cast<int>(std::min(casi.size() - i, size_t(kInsieme)));
        for (int k = 0; k < n; ++k) {
            ex[k] = &indici[size_t(casi[i + size_t(k)].indice) * 56];
            bit[k] = s.gioco->bit(casi[i + size_t(k)].indice);
        }
        s.corsie.aggiungi(ex, bit, n, vettoriale);
    }
    s.corsie.scarica(tabelle, nTabelle, vettoriale);
    return true;
}

// The table of the draws common to single wheels a < b of ns.
int postoCoppia(int a, int b, int ns) { return ns + a * ns - a * (a + 1) / 2 + (b - a - 1); }

// The presences of the ns single wheels (table i) and of the draws common
// to each pair of them (table postoCoppia()) for spia k. A draw where the spia
// came out on one or two of the wheels is counted once: the draws are
// grouped by that set and each group's lanes are emptied into every wheel
// and pair it covers. Draws on more wheels (rare) are counted per wheel and
// per pair. Also marks the draws touched and counts each wheel's cases.
// False when stopped.
bool presenzeSingoli(const std::vector<quint8>& indici, const std::vector<Insieme>& insiemi,
                     const std::vector<int>& singoli, size_t k, bool vettoriale, Scratch& s,
                     const ContestoUnita* c)
{
    const int ns = static_cast<int>(singoli.size());
    for (qint32 j : s.toccate)
        s.maschera[size_t(j)] = 0;
    s.toccate.clear();
    s.conteggi.assign(size_t(ns), {});
    for (int i = 0; i < ns; ++i)
        for (const Caso& caso : insiemi[size_t(singoli[size_t(i)])].casi[k]) {
            quint16& m = s.maschera[size_t(caso.indice)];
            if (m == 0)
                s.toccate.push_back(caso.indice);
            m = quint16(m | (1u << i));
            ++s.conteggi[size_t(i)].casi;
            s.conteggi[size_t(i)].sortite += caso.sortite;
        }
    s.tabelleVuote(ns + ns * (ns - 1) / 2);

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
        const int chiave = chiavi[g];
        quint32* tabelle[3];
        int n = 0;
        if (chiave < kMaschere) {
            int w[2], nw = 0;
            for (int a = 0; a < ns; ++a)
                if (chiave & (1 << a))
                    w[nw++] = a;
            for (int i = 0; i < nw; ++i)
                tabelle[n++] = s.tabella(w[i]);
            if (nw == 2)
                tabelle[n++] = s.tabella(postoCoppia(w[0], w[1], ns));
        } else if (chiave < kMaschere + ns) {
            tabelle[n++] = s.tabella(chiave - kMaschere);
        } else {
            const int x = chiave - kMaschere - ns;
            tabelle[n++] = s.tabella(postoCoppia(x / ns, x % ns, ns));
        }
        if (!contaPresenze(indici, s.gruppi[g], tabelle, n, vettoriale, s, c))
            return false;
    }
    return true;
}


// What every unit reads of the search.
struct Comune {
    const Estrazioni& est;
    const std::vector<quint8>& indici;
    const std::vector<Insieme>& insiemi;
    const std::vector<int>& bitDi;   // a single wheel's bit, -1 for other sets
    int ns;                          // single wheels scored for the pairs
    int quante;                      // 1 or 5: the rows a spia may list
    qint32 limite;                   // the last cases that count
    bool vettoriale;
};

// A pair of search wheels for spia k, from its wheels' and common draws'
// tables (presenzeSingoli): the candidates and the count of cases.
void classificaCoppia(const Comune& x, const Insieme& ins, size_t k, Scratch& s, Classifica& cl)
{
    const int a = std::min(x.bitDi[size_t(ins.a)], x.bitDi[size_t(ins.b)]);
    const int b = std::max(x.bitDi[size_t(ins.a)], x.bitDi[size_t(ins.b)]);
    s.unione.resize(kFormule);
    const quint32 massimo = unione(s.tabella(a), s.tabella(b), s.tabella(postoCoppia(a, b, x.ns)),
                                   s.unione.data(), x.vettoriale);
    const quint32 soglia = x.quante == 1 ? std::max<quint32>(massimo, 1)
                                         : sogliaCandidate(s.unione.data(), x.quante);
    cl.scegli(s.unione.data(), soglia, x.vettoriale);
    cl.ruote = (1u << a) | (1u << b);
    const Conteggio& ca = s.conteggi[size_t(a)];
    const Conteggio& cb = s.conteggi[size_t(b)];
    cl.conto.casi = ca.casi + cb.casi - ins.comuni[k];
    cl.conto.sortite = ca.sortite + cb.sortite;
}

// A set searched directly for spia k: its own cases (the last `limite`
// only), their presences, the candidates and their quantities. False when stopped.
bool classificaDiretta(const Comune& x, const Insieme& ins, size_t k, const GiocoPresenze& gioco,
                       Scratch& s, Classifica& cl, const ContestoUnita* c)
{
    const Casi& tutti = ins.casi[k];
    const std::span<const Caso> casi(tutti.data(),
                                     size_t(std::min<qint64>(qint64(tutti.size()), x.limite)));
    for (const Caso& caso : casi) {
        ++cl.conto.casi;
        cl.conto.sortite += caso.sortite;
    }
    s.diretta.assign(kFormule, 0);
    quint32* t = s.diretta.data();
    if (!contaPresenze(x.indici, casi, &t, 1, x.vettoriale, s, c))
        return false;
    cl.scegli(t, sogliaCandidate(t, x.quante), x.vettoriale);
    if (!cl.formule.empty())
        for (const Caso& caso : casi)
            cl.conta(gioco, caso.indice, &x.indici[size_t(caso.indice) * 56]);
    return true;
}

// The pairs' quantities: each draw where the spia came out on a single wheel
// is read once, for every pair with a wheel among those; a pair is met
// through the lower of its wheels in the draw's set.
void quantitaCoppie(const Comune& x, const GiocoPresenze& gioco, Scratch& s,
                    std::vector<Classifica>& cl, size_t nRun)
{
    std::array<std::vector<int>, 16> delBit;
    for (size_t q = 0; q < nRun; ++q)
        if (cl[q].ruote && !cl[q].formule.empty()) {
            delBit[size_t(std::countr_zero(cl[q].ruote))].push_back(int(q));
            delBit[size_t(31 - std::countl_zero(cl[q].ruote))].push_back(int(q));
        }
    for (qint32 j : s.toccate) {
        const unsigned m = s.maschera[size_t(j)];
        const quint8* ex = &x.indici[size_t(j) * 56];
        for (unsigned r = m; r; r &= r - 1) {
            const int a = std::countr_zero(r);
            for (int q : delBit[size_t(a)])
                if (!(cl[size_t(q)].ruote & m & ((1u << a) - 1)))
                    cl[size_t(q)].conta(gioco, j, ex);
        }
    }
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
    // Units go group by group, a block of spias at a time. Pairs of search
    // wheels share their wheels' presences within a play set, so their runs are grouped by
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
    // A unit is a group's spias, or a block of them when the groups are too
    // few to keep every worker busy.
    const int nGruppi = static_cast<int>(runDelGruppo.size());
    const int lavoratori = numeroLavoratori(std::numeric_limits<int>::max(), base.thread);
    const int nBlocchi = nSpie == 0 ? 1
                                    : std::clamp((4 * lavoratori + nGruppi - 1) / nGruppi, 1,
                                                 static_cast<int>(nSpie));
    const int perBlocco = nSpie == 0 ? 0 : (static_cast<int>(nSpie) + nBlocchi - 1) / nBlocchi;
    const int nUnita = nSpie == 0 ? 0 : nGruppi * nBlocchi;
    // The runs done, as an unbroken prefix in run order, once `unita` units are.
    auto runFatti = [&](int unita) {
        const int gruppi = nSpie == 0 ? nRun : unita / nBlocchi;
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
    const int ns = static_cast<int>(singoli.size());

    const Scelta scelta = sceltaRighe(p0);
    const qint32 limite = p0.perSortite ? p0.sortite : std::numeric_limits<qint32>::max();
    const std::vector<quint8> indici = indiciEstrazioni(est);
    std::vector<std::unique_ptr<Scratch>> scratch(numeroLavoratori(nUnita, base.thread));
    // Only the best row (and those tying with it) is listed past a single value.
    const int quante = scelta == Scelta::Cinque ? 5 : 1;

    // Each play set's presences, made by the first unit that needs them and
    // dropped when the last one is done.
    struct Condiviso {
        std::once_flag fatto;
        std::unique_ptr<GiocoPresenze> gioco;
        std::atomic<int> restanti{0};
    };
    std::vector<Condiviso> condivisi(giochi.size());
    for (int g = 0; g < nGruppi; ++g)
        condivisi[size_t(giocoDelGruppo[size_t(g)])].restanti += nBlocchi;
    const Comune comune{est, indici, insiemi, bitDi, ns, quante, limite, base.vettoriale};

    // Progress counts the runs done, in whatever order their groups end: a
    // group's runs are done with its last block.
    std::vector<std::atomic<int>> blocchiFatti(static_cast<size_t>(nGruppi));
    std::atomic<int> runCompletati{0};
    std::function<bool(const Avanzamento&)> avanzamento;
    if (progresso)
        avanzamento = [&](const Avanzamento&) { return progresso(runCompletati.load(), nRun); };
    Esecuzione<RisultatoUnita> run = eseguiUnita<RisultatoUnita>(
        nUnita,
        [&](int u, ContestoUnita& c) -> std::optional<RisultatoUnita> {
            const int gruppo = u / nBlocchi;
            const std::vector<int>& runs = runDelGruppo[size_t(gruppo)];
            const int k0 = (u % nBlocchi) * perBlocco;
            const int k1 = std::min(k0 + perBlocco, static_cast<int>(nSpie));
            std::unique_ptr<Scratch>& s = scratch[c.lavoratore()];
            if (!s) {
                s.reset(new Scratch);
                s->maschera.assign(size_t(est.n), 0);
            }
            Condiviso& cond = condivisi[size_t(giocoDelGruppo[size_t(gruppo)])];
            std::call_once(cond.fatto, [&] {
                const Finestre* f[12];
                int nf = 0;
                for (int w = 1; w <= kRuote; ++w)
                    if (giochi[size_t(giocoDelGruppo[size_t(gruppo)])][w])
                        f[nf++] = finestre[w].get();
                cond.gioco.reset(new GiocoPresenze(est, indici, f, nf));
            });
            struct Rilascio {
                Condiviso& c;
                ~Rilascio()
                {
                    if (--c.restanti == 0)
                        c.gioco.reset();
                }
            } rilascio{cond};
            s->gioco = cond.gioco.get();
            const GiocoPresenze& gioco = *s->gioco;
            auto& cl = s->classifiche;
            if (cl.size() < runs.size())
                cl.resize(runs.size());

            RisultatoUnita ris;
            for (int k = k0; k < k1; ++k) {
                if (c.fermato())
                    return std::nullopt;
                const bool coppie = std::any_of(runs.begin(), runs.end(), [&](int r) {
                    const Insieme& ins = insiemi[size_t(insiemeDi[size_t(r)])];
                    return ins.a >= 0 && size_t(k) < ins.spie.size();
                });
                if (coppie
                    && !presenzeSingoli(indici, insiemi, singoli, size_t(k), base.vettoriale, *s, &c))
                    return std::nullopt;
                for (size_t q = 0; q < runs.size(); ++q) {
                    const Insieme& ins = insiemi[size_t(insiemeDi[size_t(runs[q])])];
                    cl[q].vuota();
                    if (size_t(k) >= ins.spie.size())
                        continue;
                    if (ins.a >= 0)
                        classificaCoppia(comune, ins, size_t(k), *s, cl[q]);
                    else if (!classificaDiretta(comune, ins, size_t(k), gioco, *s, cl[q], &c))
                        return std::nullopt;
                }
                if (coppie)
                    quantitaCoppie(comune, gioco, *s, cl, runs.size());
                for (size_t q = 0; q < runs.size(); ++q) {
                    ris.inizio.push_back(static_cast<int>(ris.righe.size()));
                    if (!cl[q].formule.empty())
                        cl[q].righe(scelta, k, ris.righe);
                }
            }
            ris.inizio.push_back(static_cast<int>(ris.righe.size()));
            if (++blocchiFatti[size_t(gruppo)] == nBlocchi)
                runCompletati += static_cast<int>(runs.size());
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
            const int blocco = static_cast<int>(k) / perBlocco;
            const RisultatoUnita& u =
                run.risultati[size_t(gruppoDi[size_t(r)] * nBlocchi + blocco)];
            const size_t i = (k - size_t(blocco * perBlocco))
                                 * runDelGruppo[size_t(gruppoDi[size_t(r)])].size()
                             + size_t(posto[size_t(r)]);
            righe.insert(righe.end(), u.righe.begin() + u.inizio[i],
                         u.righe.begin() + u.inizio[i + 1]);
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
