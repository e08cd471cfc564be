#include "metodi/RicercaMetodi.h"

#include "ArchivioTest.h"
#include "RiferimentoMetodi.h"
#include "core/Archivio.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Restrizioni.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

namespace {

const QString kGiorni = QStringLiteral("NNYNYNY");

// An opened archive in a temporary program folder.
struct Banco {
    CartellaProgramma cartella;
    ArchivioEstrazioni archivio;
    CalendarioMensile calendario;

    explicit Banco(const std::vector<RecEstrazione>& estrazioni)
    {
        cartella.scrivi(estrazioni);
        EXPECT_TRUE(archivio.apri(cartella.percorso()).ok());
        calendario = costruisciIndiceMensile(archivio, kGiorni);
    }
};

// Runs the fast engine and holds it to the literal one; `p` as the window
// collects it (the fast engine gets it through controllaParametri).
EsitoRicerca cerca(Banco& b, const ParametriRicerca& p, const Restrizioni& r = {})
{
    ParametriRicerca controllati = p;
    controllaParametri(controllati);
    EsitoRicerca veloce = cercaMetodi(b.archivio, r, b.calendario, controllati);
    const EsitoRicerca rif = cercaMetodiRiferimento(b.archivio, r, b.calendario, p);
    EXPECT_EQ(differenzaEsiti(veloce, rif).toStdString(), "");
    return veloce;
}

using Ruota = std::pair<int, std::array<int, 5>>;

std::vector<RecEstrazione> archivio(QDate inizio, const std::vector<std::vector<Ruota>>& ruote)
{
    std::vector<BozzaEstrazione> bozze;
    for (size_t k = 0; k < ruote.size(); ++k)
        bozze.push_back({inizio.addDays(qint64(k) * 3), ruote[k]});
    return componi(bozze);
}

ParametriRicerca parametri(int valore, qint32 fine, int colpi)
{
    ParametriRicerca p;
    p.valoreSpia = valore;
    p.ruoteRicerca[1] = p.ruoteGioco[1] = true;
    p.colpi = colpi;
    p.ultimeEstrazioni = true;
    p.estrazioneFine = fine;
    p.thread = 2;
    return p;
}

Restrizioni senzaGiorno(int giorno)
{
    ImpostazioniRestrizioni imp;
    imp.Giorno = QStringLiteral("Y");
    imp.Giorni[giorno - 1] = u'N';
    return Restrizioni::daImpostazioni(imp);
}

Restrizioni senzaMese(int mese)
{
    ImpostazioniRestrizioni imp;
    imp.Mese = QStringLiteral("Y");
    imp.Mesi = QStringLiteral("YYYYYYYYYYYY");
    imp.Mesi[mese - 1] = u'N';
    return Restrizioni::daImpostazioni(imp);
}

// Hand-made archives for the edge cases of the scan and the scoring; every
// case also runs the literal engine, which must agree to the last character.
TEST(RicercaMetodi, EdgeCasesOfScanAndScoring)
{
    struct Caso {
        const char* nome;
        QDate inizio;
        std::vector<std::vector<Ruota>> estrazioni;
        std::function<void(ParametriRicerca&)> opzioni;
        Restrizioni restrizioni;
        qint32 casi, sortite;
        size_t righe;
        const char* prima;       // description of the first row
        const char* presenze;    // its "Pres./Quantità"
        const char* percentuale;
    };
    const QDate d2020(2020, 1, 4), d2004(2004, 3, 2);
    const std::vector<Caso> casi = {
        {"spia on two search wheels of one draw: one case, two appearances", d2020,
         {{{1, {7, 1, 2, 3, 4}}, {2, {7, 10, 11, 12, 13}}},
          {{1, {20, 21, 22, 23, 24}}},
          {{1, {30, 31, 32, 33, 34}}}},
         [](ParametriRicerca& p) {
             p.ruoteRicerca[2] = true;
             p.colpi = 2;
         },
         {}, 1, 2, 5, " 1' su BA + 13", "    1 /     1", "100,0 %"},
        {"sum spia matching two pairs of one wheel counts once", d2020,
         {{{1, {10, 20, 5, 25, 1}}}, {{1, {40, 41, 42, 43, 44}}}},
         [](ParametriRicerca& p) {
             p.tipoSpia = TipoSpia::Somma;
             p.valoreSpia = 30;
         },
         {}, 1, 1, 5, " 1' su BA + 30", "    1 /     1", "100,0 %"},
        {"unticked last draws: the period ends colpi earlier, its last case has no colpi", d2020,
         {{{1, {7, 1, 2, 3, 4}}},
          {{1, {50, 51, 52, 53, 54}}},
          {{1, {7, 60, 61, 62, 63}}},
          {{1, {70, 71, 72, 73, 74}}}},
         [](ParametriRicerca& p) { p.ultimeEstrazioni = false; },
         {}, 2, 2, 5, " 1' su BA + 43", "    1 /     1", " 50,0 %"},
        // 04/01/2020 is a Saturday, the next draw a Tuesday.
        {"a restricted draw is passed over by the colpi", d2020,
         {{{1, {7, 1, 2, 3, 4}}}, {{1, {50, 51, 52, 53, 54}}}, {{1, {60, 61, 62, 63, 64}}}},
         [](ParametriRicerca&) {}, senzaGiorno(3), 1, 1, 5, " 1' su BA + 53", "    1 /     1",
         "100,0 %"},
        {"last N cases: restricted draws do not count, the N latest allowed are taken",
         QDate(2020, 1, 17),
         {{{1, {7, 80, 81, 82, 83}}},
          {{1, {7, 20, 21, 22, 23}}},
          {{1, {7, 30, 31, 32, 33}}},
          {{1, {7, 40, 41, 42, 43}}},
          {{1, {7, 50, 51, 52, 53}}},
          {{1, {7, 60, 61, 62, 63}}}},
         [](ParametriRicerca& p) {
             p.perSortite = true;
             p.sortite = 3;
         },
         // 17/01 + 3 days each: the sixth draw is the first of February.
         senzaMese(2), 3, 3, 5, " 1' su BA +  0", "    2 /     2", " 66,7 %"},
        {"monthly index 1: only the first draw of each month is a case", QDate(2020, 1, 25),
         {{{1, {7, 1, 2, 3, 4}}},
          {{1, {7, 11, 12, 13, 14}}},
          {{1, {7, 21, 22, 23, 24}}},
          {{1, {7, 31, 32, 33, 34}}}},
         [](ParametriRicerca& p) {
             p.indiceScelto = 1;
             p.indiceMassimo = 3;
         },
         {}, 2, 2, 5, " 1' su BA +  0", "    1 /     1", " 50,0 %"},
        {"monthly index last: only the last draw of a month is a case", QDate(2020, 1, 25),
         {{{1, {7, 1, 2, 3, 4}}},
          {{1, {7, 11, 12, 13, 14}}},
          {{1, {7, 21, 22, 23, 24}}},
          {{1, {7, 31, 32, 33, 34}}}},
         [](ParametriRicerca& p) {
             p.indiceScelto = 4;
             p.indiceMassimo = 3;
         },
         {}, 1, 1, 5, " 1' su BA +  0", "    1 /     1", "100,0 %"},
        {"missing numbers and the Nazionale before 2005 play nothing", d2004,
         {{{1, {7, 1, 2, 3, 4}}, {11, {7, 8, 9, 10, 11}}},
          {{1, {69, 21, 22, 23, 24}}},
          {{1, {7, 31, 32, 33, 34}}},
          {{1, {69, 41, 42, 43, 44}}}},
         [](ParametriRicerca& p) {
             p.ruoteRicerca[11] = true;
             p.ruoteGioco[11] = p.ruoteGioco[3] = true;
         },
         {}, 2, 2, 5, " 1' su BA + 62", "    2 /     2", "100,0 %"},
        {"a difference with a missing number is no spia", d2020,
         {{{1, {30, 0, 0, 0, 0}}}, {{1, {40, 41, 42, 43, 44}}}},
         [](ParametriRicerca& p) {
             p.tipoSpia = TipoSpia::Differenza;
             p.valoreSpia = 30;
         },
         {}, 0, 0, 0, "", "", ""},
        {"a sum with a missing number is no spia", d2020,
         {{{1, {30, 0, 0, 0, 0}}}, {{1, {40, 41, 42, 43, 44}}}},
         [](ParametriRicerca& p) {
             p.tipoSpia = TipoSpia::Somma;
             p.valoreSpia = 30;
         },
         {}, 0, 0, 0, "", "", ""},
        {"a spia with a position outside the chosen ones is no case", d2020,
         {{{1, {1, 7, 2, 3, 4}}}, {{1, {40, 41, 42, 43, 44}}}},
         [](ParametriRicerca& p) { p.posizioniSpia = {false, true, false, true, true, true}; },
         {}, 0, 0, 0, "", "", ""},
        {"validity positions limit what counts as out", d2020,
         {{{1, {7, 1, 2, 3, 4}}}, {{1, {40, 41, 42, 43, 44}}}},
         [](ParametriRicerca& p) {
             p.posizioniValidita = {true, false, false, true, false, false};
         },
         {}, 1, 1, 5, " 1' su BA + 35", "    1 /     1", "100,0 %"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        Banco b(archivio(c.inizio, c.estrazioni));
        ParametriRicerca p = parametri(7, b.archivio.numeroEstrazioni(), 1);
        c.opzioni(p);
        const EsitoRicerca e = cerca(b, p, c.restrizioni);
        ASSERT_EQ(e.valori.size(), 1u);
        EXPECT_EQ(e.valori[0].casi, c.casi);
        EXPECT_EQ(e.valori[0].sortite, c.sortite);
        ASSERT_EQ(e.righe.size(), c.righe);
        for (const RigaRisultato& r : e.righe) {
            EXPECT_FALSE(r.descrizione.contains(u"NZ")) << r.descrizione.toStdString();
            EXPECT_FALSE(r.descrizione.contains(u"FI")) << r.descrizione.toStdString();
        }
        if (c.righe > 0) {
            EXPECT_EQ(e.righe[0].descrizione.toStdString(), c.prima);
            EXPECT_EQ(e.righe[0].presenzeQuantita.toStdString(), c.presenze);
            EXPECT_EQ(e.righe[0].percentuale.toStdString(), c.percentuale);
        }
    }
}

TEST(RicercaMetodi, RowTextsCarryTheSpiaValueCasesAndCode)
{
    Banco b(archivio(QDate(2020, 1, 4), {{{1, {7, 1, 2, 3, 4}}, {2, {7, 10, 11, 12, 13}}},
                                         {{1, {20, 21, 22, 23, 24}}}}));
    ParametriRicerca p = parametri(7, 2, 1);
    p.posizioniSpia = {false, true, true, false, true, true};
    const EsitoRicerca e = cerca(b, p);
    ASSERT_EQ(e.righe.size(), 5u);
    EXPECT_EQ(e.righe[0].numero, QStringLiteral(" 7"));
    EXPECT_EQ(e.righe[0].sortite, QStringLiteral("   1"));
    EXPECT_EQ(e.righe[0].codice, QStringLiteral("101+0001300711011"));
    EXPECT_EQ(e.righe[4].descrizione, QStringLiteral(" 1' su BA + 17"));
    EXPECT_EQ(e.testoSortite,
              QStringLiteral("Casi validi del numero  7 sulle ruote di ricerca nel periodo "
                             "considerato:  1"));

    p.valoreSpia = 90;
    const EsitoRicerca nessuno = cerca(b, p);
    EXPECT_TRUE(nessuno.righe.empty());
    EXPECT_EQ(nessuno.testoSortite,
              QStringLiteral("Casi validi del numero  90 sulle ruote di ricerca nel periodo "
                             "considerato:  0"));
}

// All values: a value whose five best rows tie lists five, a value with one
// best row lists one, ties keep the list order (family A by wheel, position,
// constant).
TEST(RicercaMetodi, AllValuesListTheRowsThatTieWithTheBest)
{
    Banco b(archivio(QDate(2020, 1, 4), {{{1, {1, 2, 3, 4, 5}}},
                                         {{1, {1, 60, 61, 62, 63}}},
                                         {{1, {60, 71, 72, 73, 74}}}}));
    ParametriRicerca p = parametri(0, 3, 1);
    p.tuttiIValori = true;
    const EsitoRicerca e = cerca(b, p);
    ASSERT_EQ(e.valori.size(), 90u);
    EXPECT_TRUE(e.testoSortite.isEmpty());
    ASSERT_EQ(e.righe.size(), 41u);
    EXPECT_EQ(e.righe[0].descrizione, QStringLiteral(" 1' su BA + 59"));
    EXPECT_EQ(e.righe[0].presenzeQuantita, QStringLiteral("    2 /     2"));
    EXPECT_EQ(e.righe[0].numero, QStringLiteral(" 1"));
    const char* const valore2[] = {" 1' su BA +  0", " 1' su BA + 59", " 1' su BA + 60",
                                   " 1' su BA + 61", " 1' su BA + 62"};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(e.righe[1 + k].descrizione.toStdString(), valore2[k]);
        EXPECT_EQ(e.righe[1 + k].numero, QStringLiteral(" 2"));
    }
    EXPECT_EQ(e.righe.back().numero, QStringLiteral("63"));
    EXPECT_EQ(e.valori[59].casi, 2);   // value 60: drawn twice, once with no colpi after it

    p.tipoSpia = TipoSpia::Differenza;
    const EsitoRicerca d = cerca(b, p);
    EXPECT_EQ(d.valori.size(), 89u);
}

// Presences and quantity past 16 bits (and past the five characters of the
// column), through both ways the fast engine adds a case.
TEST(RicercaMetodi, CountersPastSixteenBits)
{
    std::vector<std::vector<Ruota>> uguali(400);
    for (auto& e : uguali)
        for (int w = 1; w <= 11; ++w)
            e.push_back({w, {1, 2, 3, 4, 5}});
    Banco b(archivio(QDate(2010, 1, 2), uguali));
    ParametriRicerca p = parametri(1, 400, 30);
    for (int w = 1; w <= 11; ++w)
        p.ruoteGioco[w] = true;
    const EsitoRicerca e = cerca(b, p);
    ASSERT_FALSE(e.righe.empty());
    EXPECT_EQ(e.righe[0].descrizione, QStringLiteral(" 1' su BA +  0"));
    EXPECT_EQ(e.righe[0].presenzeQuantita, QStringLiteral("  399 / 126885"));
    EXPECT_EQ(e.righe[0].percentuale, QStringLiteral(" 99,8 %"));

    // One case whose colpi alone hold a number more than 65,535 times.
    std::vector<std::vector<Ruota>> lunghe(6002, uguali[0]);
    lunghe[0] = {{1, {7, 8, 9, 10, 11}}};
    std::vector<BozzaEstrazione> bozze;
    for (size_t k = 0; k < lunghe.size(); ++k)
        bozze.push_back({QDate(2006, 1, 2).addDays(qint64(k)), lunghe[k]});
    Banco l(componi(bozze));
    p = parametri(7, 6002, 6000);
    for (int w = 1; w <= 11; ++w)
        p.ruoteGioco[w] = true;
    const EsitoRicerca g = cerca(l, p);
    ASSERT_FALSE(g.righe.empty());
    EXPECT_EQ(g.righe[0].presenze, 1);
    EXPECT_EQ(g.righe[0].quantita, 66000);
}

TEST(RicercaMetodi, AnUnreadableArchiveListsNothing)
{
    Banco b(estrazioniCasuali(QDate(2020, 1, 4), 30, 3, 5));
    ParametriRicerca p = parametri(7, 30, 3);
    b.archivio.chiudi();
    for (const EsitoRicerca& e :
         {cercaMetodi(b.archivio, {}, b.calendario, p),
          cercaMetodiRiferimento(b.archivio, {}, b.calendario, p)}) {
        ASSERT_TRUE(e.erroreFile.has_value());
        EXPECT_TRUE(e.righe.empty());
        EXPECT_TRUE(e.valori.empty());
    }
}

// A stop keeps the values completed as an unbroken prefix, with exactly the
// rows a full run gives them.
TEST(RicercaMetodi, StopKeepsACompletedPrefixOfValues)
{
    Banco b(estrazioniCasuali(QDate(2002, 1, 5), 3000, 3, 11));
    ParametriRicerca p = parametri(0, 3000, 30);
    p.tuttiIValori = true;
    p.tipoSpia = TipoSpia::Somma;
    for (int w = 1; w <= 11; ++w)
        p.ruoteRicerca[w] = p.ruoteGioco[w] = true;
    p.thread = 1;
    const EsitoRicerca intera = cercaMetodi(b.archivio, {}, b.calendario, p);
    ASSERT_FALSE(intera.interrotta);

    p.thread = 3;
    int chiamate = 0;
    const EsitoRicerca fermata =
        cercaMetodi(b.archivio, {}, b.calendario, p, [&](int valore, int massimo) {
            EXPECT_EQ(massimo, 90);
            EXPECT_LE(valore, massimo);
            return ++chiamate == 2;
        });
    ASSERT_TRUE(fermata.interrotta);
    EXPECT_EQ(chiamate, 2);
    const size_t k = fermata.valori.size();
    ASSERT_LT(k, intera.valori.size());
    std::vector<RigaRisultato> attese;
    for (const RigaRisultato& r : intera.righe)
        if (r.valore <= static_cast<int>(k))
            attese.push_back(r);
    ASSERT_EQ(fermata.righe.size(), attese.size());
    for (size_t i = 0; i < attese.size(); ++i)
        EXPECT_EQ(fermata.righe[i].codice, attese[i].codice);

    // A callback that fails (an error in a handler it let through) stops the
    // workers before its error reaches the caller, instead of ending the program.
    EXPECT_THROW(cercaMetodi(b.archivio, {}, b.calendario, p,
                             [](int, int) -> bool { compat::raise(6); }),
                 compat::AppError);

    // The literal engine stops at the draw it is on: the value under way lists nothing.
    p.tuttiIValori = false;
    p.valoreSpia = 30;
    const EsitoRicerca rif = cercaMetodiRiferimento(b.archivio, {}, b.calendario, p,
                                                    [](int, int) { return true; });
    EXPECT_TRUE(rif.interrotta);
    EXPECT_TRUE(rif.righe.empty());
    EXPECT_TRUE(rif.testoSortite.isEmpty());
}

TEST(RicercaMetodi, InputChecksInOrder)
{
    using E = ControlloRicerca::Errore;
    struct Caso {
        const char* nome;
        std::function<void(ParametriRicerca&)> opzioni;
        E errore;
        const char* messaggio;
        bool puliti;
    };
    const std::vector<Caso> casi = {
        {"no spia position",
         [](ParametriRicerca& p) { p.posizioniSpia = {true, false, false, false, false, false}; },
         E::PosizioneSpia, "Scegliere almeno una posizione estrattiva !", false},
        {"no validity position", [](ParametriRicerca& p) { p.posizioniValidita[0] = false; },
         E::PosizioneValidita, "Scegliere almeno una posizione validità algoritmo !", false},
        {"no colpi", [](ParametriRicerca& p) { p.colpi = 0; }, E::Colpi,
         "Inserire il n. di colpi di gioco !", false},
        {"one-draw period without the last draws",
         [](ParametriRicerca& p) {
             p.estrazioneInizio = p.estrazioneFine = 50;
             p.ultimeEstrazioni = false;
             p.colpi = 1;
         },
         E::Periodo, "Data finale minore della data iniziale oppure n. di estrazioni insufficienti!",
         false},
        {"no search wheel", [](ParametriRicerca& p) { p.ruoteRicerca = {}; }, E::RuotaRicerca,
         "Scegliere almeno una ruota di ricerca !", false},
        {"no number", [](ParametriRicerca& p) { p.valoreSpia = 0; }, E::ValoreSpia,
         "Inserire il numero spia !", false},
        {"no sum",
         [](ParametriRicerca& p) {
             p.valoreSpia = 0;
             p.tipoSpia = TipoSpia::Somma;
         },
         E::ValoreSpia, "Inserire la somma spia !", false},
        {"no difference",
         [](ParametriRicerca& p) {
             p.valoreSpia = 0;
             p.tipoSpia = TipoSpia::Differenza;
         },
         E::ValoreSpia, "Inserire la differenza spia !", false},
        {"no number of cases",
         [](ParametriRicerca& p) {
             p.perSortite = true;
             p.sortite = 0;
         },
         E::Sortite, "Inserire il n. di sortite da ricercare!", true},
        {"difference 90",
         [](ParametriRicerca& p) {
             p.valoreSpia = 90;
             p.tipoSpia = TipoSpia::Differenza;
         },
         E::DifferenzaNonPermessa, "Differenza non permessa.", true},
        {"all differences need no value",
         [](ParametriRicerca& p) {
             p.valoreSpia = 0;
             p.tuttiIValori = true;
             p.tipoSpia = TipoSpia::Differenza;
         },
         E::Nessuno, "", false},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        ParametriRicerca p = parametri(7, 100, 6);
        p.ultimeEstrazioni = false;
        c.opzioni(p);
        ControlloRicerca r = controllaPosizioni(p);
        if (r.ok())
            r = controllaParametri(p);
        EXPECT_EQ(r.errore, c.errore);
        EXPECT_EQ(r.messaggio.toStdString(), c.messaggio);
        EXPECT_EQ(r.risultatiPuliti, c.puliti);
        EXPECT_EQ(r.esclamativo, c.errore != E::DifferenzaNonPermessa);
    }
    ParametriRicerca p = parametri(7, 100, 6);
    p.ultimeEstrazioni = false;
    ASSERT_TRUE(controllaParametri(p).ok());
    EXPECT_EQ(p.estrazioneFine, 94);
}

// The date search: the spias are the numbers (or the sums or differences of
// the pairs) of one draw on the search wheel, searched in that order, each as
// often as it occurs; a missing number is never a spia.
TEST(RicercaMetodi, TheNumbersDrawnOnADateAreTheSpias)
{
    Banco b(archivio(QDate(2020, 1, 4), {{{1, {27, 5, 40, 8, 9}}},
                                         {{1, {40, 27, 3, 6, 12}}},
                                         {{1, {1, 2, 27, 4, 0}}},
                                         {{1, {30, 31, 32, 33, 34}}}}));
    ParametriRicerca p = parametri(0, 4, 1);
    p.numeriUscitiIl = true;
    p.estrazioneData = 3;
    const EsitoRicerca e = cerca(b, p);
    ASSERT_EQ(e.valori.size(), 4u);   // the missing fifth number is no spia
    EXPECT_EQ(e.valori[2].valore, 27);
    EXPECT_EQ(e.valori[2].casi, 3);
    EXPECT_TRUE(e.testoSortite.isEmpty());
    EXPECT_EQ(massimoProgresso(p), 5);

    // "Stessa posizione": 27 counts only in position 3, and its codes say so.
    p.stessaPosizione = true;
    const EsitoRicerca s = cerca(b, p);
    ASSERT_EQ(s.valori.size(), 4u);
    EXPECT_EQ(s.valori[2].casi, 1);
    for (const RigaRisultato& r : s.righe)
        if (r.valore == 27) {
            EXPECT_TRUE(r.codice.endsWith(u"00100")) << r.codice.toStdString();
        }

    // Sums of the pairs, ten of them when no number is missing, equal ones twice.
    p.tipoSpia = TipoSpia::Somma;
    p.estrazioneData = 1;
    const EsitoRicerca somme = cerca(b, p);
    ASSERT_EQ(somme.valori.size(), 10u);
    EXPECT_EQ(somme.valori[0].valore, 32);   // 27 + 5
    EXPECT_EQ(somme.valori[1].valore, 67);   // 27 + 40
    EXPECT_EQ(somme.valori[4].valore, 45);   // 5 + 40
    EXPECT_EQ(massimoProgresso(p), 10);
    // At most three rows a value, tied with its first.
    std::map<int, int> perValore;
    for (const RigaRisultato& r : somme.righe)
        ++perValore[r.valore];
    for (const auto& [valore, righe] : perValore)
        EXPECT_LE(righe, 6) << valore;   // a value searched twice lists twice
}

// Random small archives (with missing wheels, stray bytes and a Nazionale
// stored before it existed) and random options: the fast engine gives the
// literal engine's rows, order, texts and counts.
TEST(RicercaMetodi, MatchesTheLiteralEngineOnRandomArchives)
{
    std::mt19937 gen(20240607);
    auto caso = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); };
    auto moneta = [&](int percento) { return caso(1, 100) <= percento; };
    int confronti = 0;
    const int prove = casiCasuali(300);
    for (int prova = 0; prova < prove; ++prova) {
        SCOPED_TRACE(prova);
        const int quante = caso(8, 120);
        const int vasca = moneta(50) ? 90 : caso(12, 30);   // small pools make many ties
        const QDate inizio = QDate(2004, 1, 1).addDays(caso(0, 900));
        const int passo = caso(1, 5);
        std::vector<BozzaEstrazione> bozze;
        for (int k = 0; k < quante; ++k) {
            BozzaEstrazione bz{inizio.addDays(qint64(k) * passo), {}};
            for (int w = 1; w <= 11; ++w) {
                if (moneta(6))
                    continue;   // a wheel not drawn
                std::array<int, 5> n{};
                for (int& x : n)
                    x = caso(1, vasca);
                if (moneta(5))
                    n[caso(0, 4)] = moneta(50) ? 0 : caso(91, 255);
                bz.ruote.push_back({w, n});
            }
            bozze.push_back(bz);
        }
        Banco b(componi(bozze));

        ImpostazioniRestrizioni imp;
        if (moneta(30)) {
            imp.Giorno = QStringLiteral("Y");
            for (QChar& c : imp.Giorni)
                c = moneta(70) ? u'Y' : u'N';
        }
        if (moneta(20)) {
            imp.Mese = QStringLiteral("Y");
            for (QChar& c : imp.Mesi)
                c = moneta(75) ? u'Y' : u'N';
        }
        if (moneta(15)) {
            imp.Periodo = QStringLiteral("Y");
            imp.Dal = QStringLiteral("15marzo");
            imp.Al = QStringLiteral("20ottobre");
        }
        const Restrizioni restrizioni = Restrizioni::daImpostazioni(imp);

        ParametriRicerca p;
        p.tipoSpia = static_cast<TipoSpia>(caso(0, 2));
        p.tuttiIValori = moneta(40);
        p.valoreSpia = caso(1, p.tipoSpia == TipoSpia::Differenza ? 89 : 90);
        if (moneta(40))
            for (int k = 1; k <= 5; ++k)
                p.posizioniSpia[k] = moneta(50);
        p.posizioniValidita = {};
        for (int k = 1; k <= 5; ++k)
            p.posizioniValidita[0] |= p.posizioniValidita[k] = moneta(70);
        for (int w = 1; w <= 11; ++w) {
            p.ruoteRicerca[w] = moneta(30);
            p.ruoteGioco[w] = moneta(40);
        }
        p.colpi = moneta(80) ? caso(1, 8) : caso(9, 30);
        p.ultimeEstrazioni = moneta(50);
        p.perSortite = moneta(25);
        p.sortite = caso(1, 15);
        p.estrazioneInizio = p.perSortite ? 1 : caso(1, quante);
        p.estrazioneFine = caso(p.estrazioneInizio, quante);
        p.indiceMassimo = b.calendario.massimo;
        if (moneta(25))
            p.indiceScelto = caso(1, p.indiceMassimo + 1);
        p.thread = caso(1, 4);
        p.vettoriale = moneta(60);
        if (moneta(20)) {
            // The date search: one search wheel, the spias from one draw.
            p.numeriUscitiIl = true;
            p.ruoteRicerca = {};
            p.ruoteRicerca[caso(1, 11)] = true;
            p.estrazioneData = caso(1, quante);
            p.stessaPosizione = moneta(50);
        }
        const ParametriRicerca raccolti = p;
        if (!controllaPosizioni(p).ok() || !controllaParametri(p).ok())
            continue;

        const EsitoRicerca veloce = cercaMetodi(b.archivio, restrizioni, b.calendario, p);
        const EsitoRicerca rif =
            cercaMetodiRiferimento(b.archivio, restrizioni, b.calendario, raccolti);
        EXPECT_EQ(differenzaEsiti(veloce, rif).toStdString(), "");
        ++confronti;
    }
    EXPECT_GT(confronti, prove / 2);
}

} // namespace
