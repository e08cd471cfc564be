#include "metodi/RicercaMultiRuota.h"

#include "ArchivioTest.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Restrizioni.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::array<bool, 12> box(std::initializer_list<int> ticked)
{
    std::array<bool, 12> b{};
    for (int i : ticked)
        b[i] = true;
    return b;
}

QString descrivi(const std::vector<CombinazioneRuote>& runs)
{
    QStringList t;
    for (const CombinazioneRuote& c : runs)
        t << testoRuoteMulti(c.ricerca) + u'/' + testoRuoteMulti(c.gioco);
    return t.join(u' ');
}

} // namespace

TEST(RicercaMultiRuota, CombinationsInTheOrderOfTheRuns)
{
    // BA, CA, FI two at a time; NA and RO one at a time.
    EXPECT_EQ(descrivi(combinazioniMultiRuota(box({1, 2, 3}), box({6, 8}), 2, 1)),
              "BA-CA/NA BA-CA/RO BA-FI/NA BA-FI/RO CA-FI/NA CA-FI/RO");
    // "Tutte assieme": one search set, with the Nazionale when its box is ticked.
    EXPECT_EQ(descrivi(combinazioniMultiRuota(box({2, 11}), box({1, 2, 3}), 0, 3)),
              "Tutte+NZ/BA-CA-FI");
    EXPECT_EQ(descrivi(combinazioniMultiRuota(box({2}), box({1, 2}), 0, 2)), "Tutte/BA-CA");
    // Four play wheels three at a time: four sets.
    EXPECT_EQ(descrivi(combinazioniMultiRuota(box({5}), box({1, 2, 3, 11}), 1, 3)),
              "MI/BA-CA-FI MI/BA-CA-NZ MI/BA-FI-NZ MI/CA-FI-NZ");
    // A ticked "Tutte" box counts as the ten.
    EXPECT_EQ(combinazioniMultiRuota(box({0, 11}), box({0}), 2, 1).size(), 55u * 10u);
    // Too few candidates, or none: no run.
    EXPECT_TRUE(combinazioniMultiRuota(box({1}), box({2}), 2, 1).empty());
    EXPECT_TRUE(combinazioniMultiRuota(box({1, 2}), box({2, 3}), 1, 3).empty());
    EXPECT_TRUE(combinazioniMultiRuota(box({1}), box({}), 1, 1).empty());
}

TEST(RicercaMultiRuota, WheelTexts)
{
    EXPECT_EQ(testoRuoteMulti(box({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})), "Tutte");
    EXPECT_EQ(testoRuoteMulti(box({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})), "Tutte+NZ");
    EXPECT_EQ(testoRuoteMulti(box({6, 1})), "BA-NA");
    EXPECT_EQ(testoRuoteMulti(box({6, 8, 10})), "NA-RO-VE");
}

namespace {

struct Banco {
    std::shared_ptr<const ArchivioMemoria> vista;
    CalendarioMensile calendario;
};

// The automatic search made plainly: the ordinary search run after run, its
// first rows taken as the window would show them.
EsitoMultiRuota runPerRun(const Banco& b, const Restrizioni& r, const ParametriRicerca& base,
                          const std::vector<CombinazioneRuote>& runs,
                          const OpzioniMultiRuota& opzioni)
{
    EsitoMultiRuota e;
    for (size_t k = 0; k < runs.size(); ++k) {
        ParametriRicerca p = base;
        p.ruoteRicerca = runs[k].ricerca;
        p.ruoteGioco = runs[k].gioco;
        ControlloRicerca c = controllaPosizioni(p);
        if (c.ok())
            c = controllaParametri(p);
        if (!c.ok()) {
            e.rifiuto = c;
            return e;
        }
        for (RigaRisultato& riga :
             primeRighe(cercaMetodi(*b.vista, r, b.calendario, p).righe, opzioni))
            e.righe.push_back({riga, testoRuoteMulti(runs[k].ricerca),
                               testoRuoteMulti(runs[k].gioco), runs[k].ricerca, runs[k].gioco,
                               static_cast<int>(k)});
        e.completate = static_cast<int>(k) + 1;
    }
    return e;
}

QString differenza(const std::vector<RigaMulti>& a, const std::vector<RigaMulti>& b)
{
    auto testo = [](const RigaMulti& m) {
        const RigaRisultato& r = m.riga;
        return QStringLiteral("[%1|%2|%3|%4|%5|%6|%7|%8|%9]")
            .arg(r.descrizione, r.presenzeQuantita, r.percentuale, r.numero, r.sortite, r.codice,
                 m.ruoteRicerca, m.ruoteGioco)
            .arg(m.combinazione);
    };
    const size_t n = std::max(a.size(), b.size());
    for (size_t k = 0; k < n; ++k) {
        const QString x = k < a.size() ? testo(a[k]) : QStringLiteral("(none)");
        const QString y = k < b.size() ? testo(b[k]) : QStringLiteral("(none)");
        if (x != y)
            return QStringLiteral("row %1: %2 vs %3").arg(k + 1).arg(x, y);
        if (k < a.size() && (a[k].flagRicerca != b[k].flagRicerca || a[k].flagGioco != b[k].flagGioco))
            return QStringLiteral("row %1: wheel flags").arg(k + 1);
    }
    return {};
}

Banco banco(int quante, unsigned seme)
{
    const std::vector<RecEstrazione> r = estrazioniCasuali(QDate(2003, 2, 1), quante, 3, seme);
    Banco b;
    b.vista = vistaDi(r);
    std::vector<QDate> date(1);
    for (qint32 i = 1; i <= b.vista->numeroEstrazioni(); ++i)
        date.push_back(b.vista->data(i));
    b.calendario = costruisciIndiceMensile(date, QStringLiteral("NNYNYNY"));
    return b;
}

} // namespace

// Random options, wheels and groupings: the same rows, in the same order, as
// the ordinary search run combination by combination.
TEST(RicercaMultiRuota, MatchesTheOrdinarySearchRunByRun)
{
    std::mt19937 gen(4242);
    auto caso = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); };
    auto moneta = [&](int percento) { return caso(1, 100) <= percento; };
    int confronti = 0;
    const int prove = casiCasuali(40);
    for (int prova = 0; prova < prove; ++prova) {
        SCOPED_TRACE(prova);
        const Banco b = banco(caso(30, 140), unsigned(prova) + 1);
        const qint32 n = b.vista->numeroEstrazioni();
        ImpostazioniRestrizioni imp;
        if (moneta(30)) {
            imp.Giorno = QStringLiteral("Y");
            for (QChar& c : imp.Giorni)
                c = moneta(70) ? u'Y' : u'N';
        }
        const Restrizioni restrizioni = Restrizioni::daImpostazioni(imp);

        ParametriRicerca p;
        p.tipoSpia = static_cast<TipoSpia>(caso(0, 2));
        p.tuttiIValori = moneta(60);
        p.valoreSpia = caso(1, 30);
        p.numeriUscitiIl = moneta(15);
        p.estrazioneData = caso(1, n);
        p.stessaPosizione = moneta(50);
        p.colpi = caso(1, 9);
        p.ultimeEstrazioni = moneta(50);
        p.perSortite = moneta(20);
        p.sortite = caso(1, 12);
        p.estrazioneInizio = p.perSortite ? 1 : caso(1, n / 2);
        p.estrazioneFine = n;
        p.indiceMassimo = b.calendario.massimo;
        if (moneta(20))
            p.indiceScelto = caso(1, p.indiceMassimo + 1);
        p.thread = caso(1, 4);
        p.vettoriale = moneta(60);

        std::array<bool, 12> ricerca{}, gioco{};
        for (int w = 0; w <= 11; ++w) {
            ricerca[w] = moneta(w == 0 ? 10 : 30);
            gioco[w] = moneta(w == 0 ? 10 : 25);
        }
        const int k = p.numeriUscitiIl && moneta(80) ? 1 : caso(0, 2);
        const std::vector<CombinazioneRuote> runs =
            combinazioniMultiRuota(ricerca, gioco, k, caso(1, 3));
        OpzioniMultiRuota o;
        o.righe = caso(1, 3);
        o.chiaveOrdinamento = moneta(50) ? 0 : caso(1, 4);
        o.decrescente = moneta(50);

        const EsitoMultiRuota veloce =
            cercaMultiRuota(*b.vista, restrizioni, b.calendario, p, runs, o);
        const EsitoMultiRuota atteso = runPerRun(b, restrizioni, p, runs, o);
        EXPECT_EQ(differenza(veloce.righe, atteso.righe).toStdString(), "");
        EXPECT_EQ(veloce.completate, atteso.completate);
        EXPECT_FALSE(veloce.interrotta);
        ASSERT_EQ(veloce.rifiuto.has_value(), atteso.rifiuto.has_value());
        if (veloce.rifiuto) {
            EXPECT_EQ(veloce.rifiuto->messaggio, atteso.rifiuto->messaggio);
        }
        confronti += static_cast<int>(runs.size());
    }
    EXPECT_GT(confronti, 5 * prove);
}

// On a long archive a spia's cases run into the hundreds, past what the
// byte counters hold at once, and draws where a sum came out on three or
// more of the search wheels are common: the rows still match run by run.
TEST(RicercaMultiRuota, LongArchivesMatchTheOrdinarySearch)
{
    const Banco b = banco(2600, 31);
    ParametriRicerca p;
    p.tipoSpia = TipoSpia::Somma;
    p.tuttiIValori = true;
    p.colpi = 4;
    p.estrazioneFine = b.vista->numeroEstrazioni();
    OpzioniMultiRuota o;
    o.righe = 3;
    for (bool vettoriale : {true, false}) {
        SCOPED_TRACE(vettoriale);
        p.vettoriale = vettoriale;
        const auto coppie = combinazioniMultiRuota(box({1, 3, 4, 9}), box({2, 11}), 2, 1);
        EXPECT_EQ(differenza(cercaMultiRuota(*b.vista, {}, b.calendario, p, coppie, o).righe,
                             runPerRun(b, {}, p, coppie, o).righe)
                      .toStdString(),
                  "");
    }
    // All ten together, one number at a time: a few hundred cases each.
    p.tipoSpia = TipoSpia::Numero;
    p.tuttiIValori = false;
    p.valoreSpia = 17;
    const auto tutte = combinazioniMultiRuota(box({1}), box({5, 6}), 0, 2);
    EXPECT_EQ(differenza(cercaMultiRuota(*b.vista, {}, b.calendario, p, tutte, o).righe,
                         runPerRun(b, {}, p, tutte, o).righe)
                  .toStdString(),
              "");
}

// A stop keeps the runs completed as an unbroken prefix, each with its rows
// of a full search; progress counts runs.
TEST(RicercaMultiRuota, StopKeepsACompletedPrefixOfRuns)
{
    const Banco b = banco(3000, 77);
    ParametriRicerca p;
    p.tipoSpia = TipoSpia::Somma;
    p.tuttiIValori = true;
    p.colpi = 6;
    p.estrazioneFine = b.vista->numeroEstrazioni();
    p.thread = 2;
    const auto runs = combinazioniMultiRuota(box({1, 2, 3, 4}), box({5, 6, 7}), 2, 2);
    ASSERT_EQ(runs.size(), 18u);
    OpzioniMultiRuota o;
    o.righe = 2;
    o.chiaveOrdinamento = 2;
    o.decrescente = true;
    const EsitoMultiRuota intera = cercaMultiRuota(*b.vista, {}, b.calendario, p, runs, o);
    ASSERT_EQ(intera.completate, 18);
    ASSERT_EQ(intera.righe.size(), 36u);

    // Progress comes every few milliseconds while runs remain: the stop is asked
    // at the first report after a run ended. On a fast machine every run may
    // end between two reports, so the search is tried again until one is stopped.
    EsitoMultiRuota fermata;
    for (int prova = 0; prova < 200 && !fermata.interrotta; ++prova)
        fermata = cercaMultiRuota(*b.vista, {}, b.calendario, p, runs, o, [&](int fatte, int totale) {
            EXPECT_EQ(totale, 18);
            EXPECT_LE(fatte, totale);
            return fatte > 0;
        });
    ASSERT_TRUE(fermata.interrotta);
    ASSERT_LT(fermata.completate, 18);
    std::vector<RigaMulti> attese;
    for (const RigaMulti& m : intera.righe)
        if (m.combinazione < fermata.completate)
            attese.push_back(m);
    EXPECT_EQ(differenza(fermata.righe, attese).toStdString(), "");
}

// Refused inputs stop the search at the first refusal, with one message.
TEST(RicercaMultiRuota, TheFirstRefusalStopsTheSearch)
{
    const Banco b = banco(60, 5);
    ParametriRicerca p;
    p.valoreSpia = 7;
    p.colpi = 0;
    p.estrazioneFine = 60;
    const auto runs = combinazioniMultiRuota(box({1, 2}), box({3, 4}), 1, 1);
    EsitoMultiRuota e = cercaMultiRuota(*b.vista, {}, b.calendario, p, runs, {});
    ASSERT_TRUE(e.rifiuto.has_value());
    EXPECT_EQ(e.rifiuto->messaggio, "Inserire il n. di colpi di gioco !");
    EXPECT_EQ(e.completate, 0);
    EXPECT_TRUE(e.righe.empty());

    // The date search takes one search wheel: pairs are refused once.
    p.colpi = 3;
    p.numeriUscitiIl = true;
    p.estrazioneData = 30;
    e = cercaMultiRuota(*b.vista, {}, b.calendario, p,
                        combinazioniMultiRuota(box({1, 2, 3}), box({3, 4}), 2, 1), {});
    ASSERT_TRUE(e.rifiuto.has_value());
    EXPECT_EQ(e.rifiuto->messaggio, "Scegliere una sola ruota di ricerca !");
    EXPECT_EQ(e.completate, 0);
    // One at a time it runs.
    e = cercaMultiRuota(*b.vista, {}, b.calendario, p,
                        combinazioniMultiRuota(box({1, 2, 3}), box({3, 4}), 1, 1), {});
    EXPECT_FALSE(e.rifiuto.has_value());
    EXPECT_EQ(e.completate, 6);
}
