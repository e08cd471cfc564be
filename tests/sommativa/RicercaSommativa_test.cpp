#include "sommativa/RicercaSommativa.h"

#include "ArchivioTest.h"
#include "RiferimentoSommativa.h"
#include "core/StoricoTsv.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <tuple>

namespace {

const QString kGiorni = QStringLiteral("NNYNYNY");

struct Archivio {
    std::shared_ptr<const ArchivioMemoria> a;
    CalendarioMensile c;
};

Archivio inMemoria(const std::vector<RecEstrazione>& r, QDate primaNazionale = QDate(2005, 5, 4))
{
    QByteArray raw;
    for (const RecEstrazione& e : r)
        raw += e.toBytes();
    Archivio x;
    x.a = ArchivioMemoria::daBytes(raw, primaNazionale);
    std::vector<QDate> date{QDate()};
    for (const RecEstrazione& e : r)
        date.push_back(*e.data());
    x.c = costruisciIndiceMensile(date, kGiorni);
    return x;
}

// Small archives with the damage real ones have: missing numbers, a number
// drawn twice on a wheel, and the Nazionale starting part way.
std::vector<RecEstrazione> archivioCasuale(std::mt19937& gen, QDate& primaNazionale)
{
    // Past the first draw a search may start from, the last 35..80 draws varied.
    std::uniform_int_distribution<int> quante(35, 80), passo(2, 5), cento(0, 99);
    const int n = kInizioMinimoSommativa + quante(gen);
    const int step = passo(gen);
    const QDate inizio = QDate(1960, 1, 4).addDays(std::uniform_int_distribution<int>(0, 120)(gen));
    std::vector<RecEstrazione> out = estrazioniCasuali(inizio, n, step, gen());
    primaNazionale = out[size_t(n - 1 - int(gen() % 100))].data().value();
    for (size_t i = size_t(kInizioMinimoSommativa) - 50; i < out.size(); ++i) {
        RecEstrazione& r = out[i];
        if (r.data().value() >= primaNazionale)
            for (int p = 1; p <= 5; ++p)
                r.setNumero(11, p, 1 + int((gen() % 90)));   // equal numbers too, now and then
        if (cento(gen) < 4)
            r.setNumero(1 + int(gen() % 11), 1 + int(gen() % 5), 0);
        if (cento(gen) < 4) {
            const int w = 1 + int(gen() % 10);
            r.setNumero(w, 1 + int(gen() % 5), r.numero(w, 1 + int(gen() % 5)));
        }
    }
    return out;
}

void confronta(const EsitoSommativa& e, const RiferimentoSommativa& r, const std::string& dove)
{
    ASSERT_EQ(e.cicli, r.cicli) << dove;
    ASSERT_EQ(e.intestazioneNumeri, r.intestazione) << dove;
    ASSERT_EQ(e.righe.size(), r.righe.size()) << dove;
    for (size_t i = 0; i < e.righe.size(); ++i) {
        const RigaSommativa& x = e.righe[i];
        const auto& y = r.righe[i];
        const std::string riga = dove + " row " + std::to_string(i + 1);
        ASSERT_EQ(x.algoritmo, y.algoritmo) << riga;
        ASSERT_EQ(x.codice, y.codice) << riga;
        ASSERT_EQ(x.casiPositivi, y.positivi) << riga;
        ASSERT_EQ(x.casiNegativi, y.negativi) << riga;
        ASSERT_EQ(x.testoQuantita, y.quantita) << riga;
        ASSERT_EQ(x.numeriAl, y.numeriAl) << riga;
    }
}

QStringList righeDettaglio(const EsitoDettaglio& d)
{
    QStringList out;
    for (const RigaDettaglioSommativa& r : d.righe)
        out << r.data + u'|' + r.numeri + u'|' + r.esito;
    return out;
}

// Ten archives per shard (casiCasuali), so the 200 comparisons run side by side.
class ConfrontoCasuale : public ::testing::TestWithParam<int> {};

TEST_P(ConfrontoCasuale, SameRowsAsTheLiteralSearchAndDetail)
{
    std::mt19937 gen(unsigned(7919 * GetParam() + 13));
    const int volute = casiCasuali(10);
    int fatte = 0;
    for (int tentativo = 0; fatte < volute && tentativo < 100; ++tentativo) {
        QDate primaNz;
        const auto recs = archivioCasuale(gen, primaNz);
        const Archivio ar = inMemoria(recs, primaNz);
        const ArchivioMemoria& a = *ar.a;
        const qint32 n = a.numeroEstrazioni();
        SceltaIndice s{int(gen() % (ar.c.massimo + 1)) + 1, ar.c.massimo};
        ParametriSommativa p;
        p.ruota = 1 + int(gen() % 11);
        p.colpi = 1 + int(gen() % 6);
        p.cicli = 1 + int(gen() % 3);
        p.quanti = 1 + int(gen() % 60);
        p.indice = s;
        p.fine = n - qint32(gen() % 40);
        const EsitoInizio inizio = calcolaNumeroIniziale(ar.c, s, p.fine, p.colpi, p.cicli, 1);
        const qint32 rifInizio =
            inizioRiferimento(ar.c, s.indice, s.indiceMassimo, p.fine, p.colpi, p.cicli, 1);
        const std::string dove = "shard " + std::to_string(GetParam()) + " try "
                                 + std::to_string(tentativo);
        ASSERT_EQ(inizio.inizio, rifInizio) << dove;
        if (inizio.inizio == 0)
            continue;
        p.inizio = inizio.inizio;
        // Sometimes the cycles run on past the end draw.
        if (gen() % 4 == 0)
            p.cicli += 2;
        const EsitoSommativa e = cercaSommativa(a, ar.c, p);
        const RiferimentoSommativa r = sommativaRiferimento(
            a, ar.c, p.ruota, p.colpi, p.cicli, p.quanti, s.indice, s.indiceMassimo, p.inizio, p.fine);
        confronta(e, r, dove);
        ++fatte;
        if (!e.righe.empty()) {
            const RigaSommativa& f = e.righe[gen() % e.righe.size()];
            const EsitoDettaglio d = dettaglioSommativa(a, ar.c, s, p.ruota, p.colpi, p.inizio - 5, n, f.codice);
            EXPECT_EQ(righeDettaglio(d), dettaglioRiferimento(a, ar.c, p.ruota, p.colpi, s.indice,
                                                             s.indiceMassimo, p.inizio - 5, n, f.A, f.k1, f.B,
                                                             f.k2))
                << dove;
        }
    }
    EXPECT_EQ(fatte, volute);
}

INSTANTIATE_TEST_SUITE_P(Archivi, ConfrontoCasuale, ::testing::Range(0, 20));

TEST(SommativaTesti, SumAndFormulaText)
{
    EXPECT_EQ(SommaFuori90(90, 89), 89);
    EXPECT_EQ(SommaFuori90(1, 89), 90);
    EXPECT_EQ(SommaFuori90(2, 89), 1);
    EXPECT_EQ(DescriviAlgoritmo(38, 17), "3' su RO + 17");
    EXPECT_EQ(DescriviAlgoritmo(51, 0), "1' su NZ");
    EXPECT_EQ(DescriviAlgoritmo(5, 1), "5' su BA + 1");
    EXPECT_EQ(DescriviAlgoritmo(46, 89), "1' su VE + 89");
    EXPECT_EQ(codiceFormula(3, 17, 40, 0), "03174000");
    int A, k1, B, k2;
    ASSERT_TRUE(leggiCodiceFormula("03174000", A, k1, B, k2));
    EXPECT_EQ(std::tie(A, k1, B, k2), std::make_tuple(3, 17, 40, 0));
    for (const char* cattivo : {"0317400", "03174000 ", "0317a000", "40170300", "00170300",
                                "03904000", "03175600"})
        EXPECT_FALSE(leggiCodiceFormula(QString::fromLatin1(cattivo), A, k1, B, k2)) << cattivo;
}

// An archive past the first allowed start whose index-1 draws are the cycles
// of a search on Bari with `colpi` follow-up draws: in the cycles listed in
// `vincenti` (counted from the first) the index draw carries 10, 20, 30, ..
// at every code and the follow-up draws listed in `uscite` bring out
// 1..5 on Bari; every other follow-up draw lacks a Bari number, so it brings
// out nothing.
struct Costruito {
    Archivio ar;
    ParametriSommativa p;
};
Costruito costruito(int cicli, int colpi, std::set<int> vincenti, std::set<int> uscite = {1})
{
    std::vector<RecEstrazione> recs =
        estrazioniCasuali(QDate(1950, 1, 3), kInizioMinimoSommativa + 400, 3, 5);
    // Here the Nazionale is drawn from the first draw on.
    const QDate primaNz(1950, 1, 1);
    std::mt19937 gen(3);
    for (RecEstrazione& r : recs)
        for (int p = 1; p <= 5; ++p)
            r.setNumero(11, p, 1 + int(gen() % 90));
    Archivio ar = inMemoria(recs, primaNz);
    Costruito c;
    c.p.ruota = 1;
    c.p.colpi = colpi;
    c.p.cicli = cicli;
    c.p.quanti = 5;
    c.p.indice = SceltaIndice{1, ar.c.massimo};
    c.p.fine = qint32(recs.size());
    const EsitoInizio e = calcolaNumeroIniziale(ar.c, c.p.indice, c.p.fine, colpi, cicli, 1);
    EXPECT_GE(e.inizio, kInizioMinimoSommativa);
    c.p.inizio = e.inizio;
    int ciclo = 0;
    for (qint32 i = e.inizio; i <= c.p.fine && ciclo < cicli; ++i) {
        if (!eIndice(ar.c, c.p.indice, i))
            continue;
        ++ciclo;
        for (int k = 1; k <= colpi; ++k) {
            RecEstrazione& f = recs[size_t(i + k - 1)];
            if (vincenti.count(ciclo) && uscite.count(k))
                for (int p = 1; p <= 5; ++p)
                    f.setNumero(1, p, p);
            else
                f.setNumero(1, 5, 0);
        }
        if (vincenti.count(ciclo))
            for (int code = 1; code <= 55; ++code)
                recs[size_t(i - 1)].setNumero((code - 1) / 5 + 1, (code - 1) % 5 + 1,
                                              10 * ((code - 1) % 9 + 1));
    }
    c.ar = inMemoria(recs, primaNz);
    return c;
}

TEST(SommativaRighe, PositivesNegativesAndQuantityTexts)
{
    {
        Costruito c = costruito(10, 1, {2, 5, 9});
        const EsitoSommativa e = cercaSommativa(*c.ar.a, c.ar.c, c.p);
        ASSERT_EQ(e.cicli, 10);
        ASSERT_EQ(e.righe.size(), 5u);
        const RigaSommativa& r = e.righe[0];
        EXPECT_EQ(r.casiPositivi, "  3  (30,00%)");
        EXPECT_EQ(r.casiNegativi, "  7  (70,00%)");
        EXPECT_EQ(r.testoQuantita, "    3");
        // Ties in the order A, k1, B, k2: code 1 holds 10 and code 2 holds 20,
        // so 10 + 81 gives 1 and 20 + 72 gives 2, the first partner of 1.
        EXPECT_EQ(r.codice, "01810272");
        EXPECT_EQ(r.algoritmo, "1' su BA + 81  e  2' su BA + 72");
        EXPECT_EQ(e.righe[1].codice, "01810273");
    }
    {
        Costruito c = costruito(32, 1, {7});
        const EsitoSommativa e = cercaSommativa(*c.ar.a, c.ar.c, c.p);
        ASSERT_EQ(e.cicli, 32);
        ASSERT_FALSE(e.righe.empty());
        EXPECT_EQ(e.righe[0].casiPositivi, "  1  (3,13%)");
        EXPECT_EQ(e.righe[0].casiNegativi, " 31  (96,88%)");
    }
    {
        // Won in every cycle, and twice within one cycle's colpi.
        Costruito c = costruito(2, 2, {1, 2}, {1, 2});
        const EsitoSommativa e = cercaSommativa(*c.ar.a, c.ar.c, c.p);
        ASSERT_FALSE(e.righe.empty());
        EXPECT_EQ(e.righe[0].casiPositivi, "  2  (100,00%)");
        EXPECT_EQ(e.righe[0].casiNegativi, "  --");
        EXPECT_EQ(e.righe[0].testoQuantita, "    4");
    }
}

TEST(SommativaRighe, NumbersOnTheLatestIndexDrawAndTheirRepeats)
{
    Costruito c = costruito(3, 1, {1, 2, 3});
    c.p.quanti = 40;
    const EsitoSommativa e = cercaSommativa(*c.ar.a, c.ar.c, c.p);
    ASSERT_EQ(e.righe.size(), 40u);
    const ArchivioMemoria& a = *c.ar.a;
    qint32 j = a.numeroEstrazioni();
    while (!eIndice(c.ar.c, c.p.indice, j))
        --j;
    EXPECT_EQ(e.intestazioneNumeri, "Numeri al " + a.dataTesto(j));
    std::map<std::pair<int, int>, int> volte;
    for (const RigaSommativa& r : e.righe)
        ++volte[std::minmax(SommaFuori90(a.numeri(j)[r.A - 1], r.k1),
                            SommaFuori90(a.numeri(j)[r.B - 1], r.k2))];
    for (const RigaSommativa& r : e.righe) {
        const int n1 = SommaFuori90(a.numeri(j)[r.A - 1], r.k1);
        const int n2 = SommaFuori90(a.numeri(j)[r.B - 1], r.k2);
        QString atteso = QString::number(n1).rightJustified(2) + " - "
                         + QString::number(n2).rightJustified(2) + "  ";
        const int v = volte[std::minmax(n1, n2)];
        if (v > 1)
            atteso += "(" + QString::number(v) + ")";
        EXPECT_EQ(r.numeriAl, atteso) << r.codice.toStdString();
    }
}

TEST(SommativaRighe, EscKeepsNothingAndCyclesNeedStoredFollowUps)
{
    Costruito c = costruito(3, 1, {1, 2, 3});
    const EsitoSommativa fermata = cercaSommativa(*c.ar.a, c.ar.c, c.p, [&](int, int) { return true; });
    EXPECT_TRUE(fermata.interrotta);
    EXPECT_TRUE(fermata.righe.empty());

    // The last index draw's follow-up draws would lie past the last stored one.
    const ArchivioMemoria& a = *c.ar.a;
    qint32 j = a.numeroEstrazioni() - 2;
    while (!eIndice(c.ar.c, c.p.indice, j))
        --j;
    ParametriSommativa p = c.p;
    p.inizio = j;
    p.fine = a.numeroEstrazioni();
    p.colpi = a.numeroEstrazioni() - j + 1;
    const EsitoSommativa e = cercaSommativa(a, c.ar.c, p);
    EXPECT_EQ(e.cicli, 0);
    EXPECT_TRUE(e.righe.empty());
    p.colpi -= 1;
    EXPECT_EQ(cercaSommativa(a, c.ar.c, p).cicli, 1);
}

TEST(SommativaRighe, ProgressCountsTheCyclesOneAfterAnother)
{
    Costruito c = costruito(6, 1, {1, 2, 3});
    // Each cycle is told once it is counted, in order, out of the cycles of
    // the run; the run ends with all of them told.
    std::vector<int> fatti;
    const EsitoSommativa intera = cercaSommativa(*c.ar.a, c.ar.c, c.p, [&](int f, int n) {
        EXPECT_EQ(n, 6);
        if (fatti.empty() || fatti.back() != f)
            fatti.push_back(f);
        return false;
    });
    EXPECT_EQ(fatti, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(intera.cicli, 6);
    // A stop asked after some cycles keeps nothing of them.
    fatti.clear();
    const EsitoSommativa fermata = cercaSommativa(*c.ar.a, c.ar.c, c.p, [&](int f, int) {
        fatti.push_back(f);
        return f == 3;
    });
    EXPECT_TRUE(fermata.interrotta);
    EXPECT_TRUE(fermata.righe.empty());
    ASSERT_FALSE(fatti.empty());
    EXPECT_EQ(fatti.back(), 3);
}

TEST(SommativaInizio, CountsBackFromTheLastCompleteWindow)
{
    // 02/01 .. 30/01 every other day, then 01/02 and 03/02.
    std::vector<BozzaEstrazione> bozze;
    for (int d = 2; d <= 30; d += 2)
        bozze.push_back({QDate(2001, 1, d), {}});
    bozze.push_back({QDate(2001, 2, 1), {}});
    bozze.push_back({QDate(2001, 2, 3), {}});
    const Archivio ar = inMemoria(componi(bozze));
    const SceltaIndice primo{1, ar.c.massimo};
    // The 1st of February has only one draw after it: January's first is cycle 1.
    EXPECT_EQ(calcolaNumeroIniziale(ar.c, primo, 17, 5, 1, 1).inizio, 1);
    EXPECT_EQ(calcolaNumeroIniziale(ar.c, primo, 17, 1, 1, 1).inizio, 16);
    EXPECT_EQ(calcolaNumeroIniziale(ar.c, primo, 17, 1, 2, 1).inizio, 1);
    const EsitoInizio troppi = calcolaNumeroIniziale(ar.c, primo, 17, 1, 3, 1);
    EXPECT_EQ(troppi.errore, EsitoInizio::Errore::IndiciInsufficienti);
    EXPECT_EQ(troppi.messaggio(),
              "Numero estrazioni insufficiente o quantitativo di indici mensili non disponibile.");
    // "Ultima": 30/01 is the last of January.
    const SceltaIndice ultima{ar.c.massimo + 1, ar.c.massimo};
    EXPECT_EQ(calcolaNumeroIniziale(ar.c, ultima, 17, 2, 1, 1).inizio, 15);
    // A start before the wheel's first draw.
    const EsitoInizio ruota = calcolaNumeroIniziale(ar.c, primo, 17, 1, 1, 17);
    EXPECT_EQ(ruota.errore, EsitoInizio::Errore::RuotaInsufficiente);
    EXPECT_EQ(ruota.inizio, 0);
}

TEST(SommativaDettaglio, PlayByPlayRows)
{
    // Cycles 1..3 as built: 1 and 3 win on the 1st and 3rd follow-up draws.
    Costruito c = costruito(3, 3, {1, 3}, {1, 3});
    const ArchivioMemoria& a = *c.ar.a;
    const EsitoDettaglio d = dettaglioSommativa(a, c.ar.c, c.p.indice, 1, 3, c.p.inizio,
                                                a.numeroEstrazioni(), "01810272");
    ASSERT_EQ(d.errore, EsitoDettaglio::Errore::Nessuno);
    ASSERT_GE(d.righe.size(), 3u);
    EXPECT_EQ(d.righe[0].data, a.dataTesto(c.p.inizio));
    EXPECT_EQ(d.righe[0].esito, "Positivo 1' 3' colpo");
    EXPECT_EQ(d.righe[1].esito.left(8), "Negativo");
    EXPECT_EQ(d.righe[2].esito, "Positivo 1' 3' colpo");
    EXPECT_EQ(d.righe[0].numeri.left(9), " 1 -  2  ");
    EXPECT_EQ(d.righe[0].numeri, d.righe[2].numeri);
    EXPECT_TRUE(d.righe[0].numeri.endsWith(')'));

    // Equal numbers: 10 + 0 and 10 + 0 from codes 1 and 10 (both hold 10).
    const EsitoDettaglio uguali = dettaglioSommativa(a, c.ar.c, c.p.indice, 1, 3, c.p.inizio,
                                                     c.p.inizio + 3, "01001000");
    ASSERT_EQ(uguali.righe.size(), 1u);
    EXPECT_EQ(uguali.righe[0].esito, "Non giocabile");
    EXPECT_EQ(uguali.righe[0].numeri, "10 - 10  ");

    EXPECT_EQ(dettaglioSommativa(a, c.ar.c, c.p.indice, 1, 3, 10, 9, "01810272").errore,
              EsitoDettaglio::Errore::IntervalloInvertito);
    const EsitoDettaglio senza = dettaglioSommativa(a, c.ar.c, c.p.indice, 1, 3, 1, 9, "");
    EXPECT_EQ(senza.messaggio(), "Manca identificativo algoritmo - Calcolo impossibile!");
    // The last window not complete within the interval is not shown.
    EXPECT_TRUE(dettaglioSommativa(a, c.ar.c, c.p.indice, 1, 3, c.p.inizio, c.p.inizio + 2,
                                   "01810272")
                    .righe.empty());
}

TEST(SommativaDettaglio, NoNazionaleNumbersBeforeItsFirstDraw)
{
    // The Nazionale begins after the archive's draws: its codes give no numbers.
    std::vector<RecEstrazione> recs =
        estrazioniCasuali(QDate(1950, 1, 3), kInizioMinimoSommativa + 60, 3, 9);
    for (RecEstrazione& r : recs)
        for (int p = 1; p <= 5; ++p)
            r.setNumero(11, p, p + 10);
    const Archivio ar = inMemoria(recs, QDate(2100, 1, 1));
    const SceltaIndice s{1, ar.c.massimo};
    const EsitoDettaglio d = dettaglioSommativa(*ar.a, ar.c, s, 1, 1, kInizioMinimoSommativa,
                                                ar.a->numeroEstrazioni(), "01005100");
    ASSERT_FALSE(d.righe.empty());
    for (const RigaDettaglioSommativa& r : d.righe) {
        EXPECT_TRUE(r.numeri.isEmpty());
        EXPECT_TRUE(r.esito.isEmpty());
    }
    EXPECT_EQ(numeroCodici(*ar.a, ar.a->numeroEstrazioni()), 50);
}

} // namespace

// On the bundled history: every formula is examined on each cycle, 9,922,500
// of them before the Nazionale's first draw and 12,028,500 from it, and the
// program's search ranks them as the literal one does.
TEST(SommativaStorico, FormulaCountsAndRowsOnTheBundledArchive)
{
    const StoricoTsv s =
        leggiStoricoTsv(QStringLiteral(QV_SOURCE_DIR) + "/data/estrazioni-1871-2026.tsv");
    ASSERT_TRUE(s.errore.isEmpty()) << s.errore.toStdString();
    const Archivio ar = inMemoria(s.estrazioni);
    const ArchivioMemoria& a = *ar.a;
    const qint32 nazionale = a.primaEstrazioneRuota(11);
    ASSERT_GT(nazionale, kInizioMinimoSommativa);
    const SceltaIndice primo{1, ar.c.massimo};
    for (const auto& [fine, formule] :
         {std::pair<qint32, qint64>{nazionale - 20, 9922500}, {a.numeroEstrazioni(), 12028500}}) {
        ParametriSommativa p;
        p.ruota = 1;
        p.colpi = 5;
        p.cicli = 1;
        p.quanti = kMassimoQuanti;
        p.indice = primo;
        p.fine = fine;
        p.inizio = calcolaNumeroIniziale(ar.c, primo, fine, p.colpi, p.cicli, 1).inizio;
        ASSERT_GT(p.inizio, 0);
        const EsitoSommativa e = cercaSommativa(a, ar.c, p);
        const RiferimentoSommativa r = sommativaRiferimento(a, ar.c, p.ruota, p.colpi, p.cicli,
                                                            p.quanti, 1, ar.c.massimo, p.inizio,
                                                            p.fine);
        EXPECT_EQ(r.formuleEsaminate, formule) << fine;
        ASSERT_EQ(e.righe.size(), size_t(kMassimoQuanti));
        confronta(e, r, "end " + std::to_string(fine));
    }
}
