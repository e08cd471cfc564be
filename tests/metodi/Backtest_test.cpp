#include "metodi/Backtest.h"

#include "ArchivioTest.h"
#include "RiferimentoBacktest.h"
#include "metodi/TestiBacktest.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"
#include "core/CalendarioEstrazioni.h"
#include "core/Restrizioni.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Banco {
    CartellaProgramma cartella;
    ArchivioEstrazioni archivio;
    CalendarioMensile calendario;
    std::shared_ptr<const ArchivioMemoria> memoria;

    explicit Banco(const std::vector<RecEstrazione>& estrazioni)
    {
        cartella.scrivi(estrazioni);
        EXPECT_TRUE(archivio.apri(cartella.percorso()).ok());
        calendario = costruisciIndiceMensile(archivio, QStringLiteral("NNYNYNY"));
        memoria = ArchivioMemoria::costruisci(archivio);
    }
};

// Runs the engine and holds it to the literal version.
EsitoBacktest prova(Banco& b, const ParametriBacktest& p, const std::array<bool, 6>& validita,
                    const Restrizioni& r = {})
{
    EsitoBacktest veloce =
        eseguiBacktest(b.memoria, r, b.calendario, p, testoValidita(validita));
    const EsitoRiferimentoBacktest rif =
        backtestRiferimento(b.archivio, r, b.calendario, p, validita);
    EXPECT_EQ(differenzaBacktest(veloce, rif).toStdString(), "");
    return veloce;
}

using Ruota = std::pair<int, std::array<int, 5>>;

const std::array<bool, 6> kTutte{false, true, true, true, true, true};

std::vector<RecEstrazione> archivioAMano()
{
    return componi(bozzeBacktestAMano());
}

ParametriBacktest parametriAMano()
{
    ParametriBacktest p;
    p.codice = QStringLiteral("101+0001000711111");
    p.colpi = 3;
    p.posizioniValidita = kTutte;
    p.ruoteRicerca[1] = true;
    p.ruoteGioco[1] = p.ruoteGioco[6] = true;
    p.codiciAbbinati = {QString(), QStringLiteral("201+00005")};
    p.estrazioneInizio = 1;
    p.estrazioneFine = 7;
    return p;
}

std::vector<std::string> testi(const QStringList& l)
{
    std::vector<std::string> t;
    for (const QString& s : l)
        t.push_back(s.toStdString());
    return t;
}

std::vector<std::string> righe(const EsitoBacktest& e)
{
    QStringList l;
    for (size_t i = 0; i < e.righe.size(); ++i) {
        QStringList celle;
        for (int c = 0; c < 9; ++c)
            celle << e.cella(i, c);
        l << celle.join(u'|');
    }
    return testi(l);
}

} // namespace

TEST(Backtest, HandMadeArchiveRowsAndFiguresKnownByHand)
{
    Banco b(archivioAMano());
    const EsitoBacktest e = prova(b, parametriAMano(), kTutte);
    // Cases from the last backwards.
    EXPECT_EQ(righe(e), testi({
                            " | | | | | | | |00001",
                            "14/01/2024|BA |C: 43 A: 12| 43| |17/01/2024| 1|NA|00002",
                            " | | | | | | | |00003",
                            "02/01/2024|BA |C: 17 A: 25| 17| 17- 25|05/01/2024| 1|BA|00004",
                            "\"|\"|\"| 17| |08/01/2024| 2|NA|00005",
                        }));
    // Two cases, both won; the second is still in play: one already won.
    EXPECT_EQ(testi(righeRisultati(e)), testi({
                                     " ",
                                     " Casi rilevati   :     2",
                                     " Casi favorevoli :     2 (100,0 %)",
                                     " Casi negativi   :     0 (0,0 %)",
                                     " Casi in gioco   :     0 (1 già sfaldato/i)",
                                     " Ambate          :     3",
                                     " Ambi secchi     :     1",
                                     " Attesa media    :   1,0 colpi",
                                 }));
}

TEST(Backtest, ValidityPositionsAndFurtherAmbiOnOneWheel)
{
    Banco b(archivioAMano());
    ParametriBacktest p = parametriAMano();
    // Only positions 2 and 3 count: the 17s drawn first win nothing.
    p.posizioniValidita = {false, false, true, true, false, false};
    EsitoBacktest e = prova(b, p, p.posizioniValidita);
    EXPECT_EQ(e.ambate, 1);
    EXPECT_EQ(e.casiFavorevoli, 1);
    EXPECT_EQ(e.righe.size(), 2u);
    p.posizioniValidita = {false, false, false, false, false, true};
    e = prova(b, p, p.posizioniValidita);
    EXPECT_TRUE(e.righe.empty()); // no win: no separator either

    // Two paired numbers drawn beside the capogioco: the first on the win
    // row, the second on a row of its own with ditto marks.
    p = parametriAMano();
    p.codiciAbbinati = {QString(), QStringLiteral("201+00005"), QStringLiteral("201+00006"),
                        QString()};
    const QDate d(2024, 1, 2);
    Banco b2(componi({
        {d, {Ruota{1, {7, 20, 30, 40, 50}}}},
        {d.addDays(3), {Ruota{1, {26, 17, 25, 2, 3}}}},
    }));
    p.estrazioneFine = 2;
    e = prova(b2, p, kTutte);
    EXPECT_EQ(righe(e), testi({
                            " | | | | | | | |00001",
                            "02/01/2024|BA |C: 17 A: 25-26-0| 17| 17- 26|05/01/2024| 1|BA|00002",
                            "\"|\"|\"| 17| 17- 25|05/01/2024| 1|BA|00003",
                        }));
    EXPECT_EQ(e.ambiSecchi, 2);
}

TEST(Backtest, MissingNumbersNeverWinNorMakeACapogioco)
{
    // The method reads the Nazionale, which these draws do not have: its
    // number is missing, and the 0 bytes of the Nazionale never match it.
    const QDate d(2004, 1, 3);
    Banco b(componi({
        {d, {Ruota{1, {7, 20, 30, 40, 50}}}},
        {d.addDays(3), {Ruota{1, {1, 2, 3, 4, 5}}}},
    }));
    ParametriBacktest p;
    p.codice = QStringLiteral("111+0000000711111");
    p.colpi = 1;
    p.posizioniValidita = kTutte;
    p.ruoteRicerca[1] = true;
    p.ruoteGioco[11] = true;
    p.estrazioneFine = 2;
    const EsitoBacktest e = prova(b, p, kTutte);
    EXPECT_EQ(e.casiRilevati, 1);
    EXPECT_EQ(e.ambate, 0);
    EXPECT_EQ(e.casiFavorevoli, 0);
    const QStringList righe = righeRisultati(e);
    ASSERT_FALSE(righe.isEmpty());
    EXPECT_EQ(righe.last(), QStringLiteral(" Attesa media    :   0,0 colpi"));
}

TEST(Backtest, PeriodEndsCasesAndMonthlyFilter)
{
    Banco b(archivioAMano());
    ParametriBacktest p = parametriAMano();
    p.perSortite = true;
    p.sortite = 1; // only the last case, scanning back from the end
    EsitoBacktest e = prova(b, p, kTutte);
    EXPECT_EQ(e.casiRilevati, 1);
    ASSERT_FALSE(e.casi.empty());
    EXPECT_EQ(e.casi.at(0).estrazione, 5);
    p.sortite = 0;
    EXPECT_EQ(prova(b, p, kTutte).casiRilevati, 0);

    // No case at all: nothing divides by zero.
    p = parametriAMano();
    p.estrazioneFine = 0;
    e = prova(b, p, kTutte);
    EXPECT_EQ(righeRisultati(e).mid(2, 2),
              (QStringList{" Casi favorevoli :     0 (0,0 %)", " Casi negativi   :     0 (0,0 %)"}));

    p = parametriAMano();
    p.indiceScelto = 2; // the second draw of each month: no spia there
    EXPECT_EQ(prova(b, p, kTutte).casiRilevati, 0);
}

TEST(Backtest, PairedNumbersAreMadeDistinct)
{
    struct Caso {
        int capogioco;
        std::vector<int> prima, dopo;
    };
    const Caso casi[] = {
        {90, {90}, {1}},
        {10, {45, 45, 46}, {45, 46, 47}},
        {10, {0, 0, 12}, {0, 0, 12}},
        // 9 bumped by the clash with the other 9 lands on the capogioco 10
        // and moves on: no pair of a number with itself.
        {10, {9, 9}, {9, 11}},
        {10, {10, 11}, {11, 12}},
    };
    for (const Caso& c : casi) {
        std::vector<int> a = c.prima;
        distinguiAbbinati(c.capogioco, a);
        EXPECT_EQ(a, c.dopo) << c.capogioco;
    }
    std::vector<int> r{5, 5, 45, 6};
    distinguiRiferimenti(r);
    EXPECT_EQ(r, (std::vector<int>{5, 6, 45, 7}));
}

TEST(Backtest, SameAsTheLiteralVersionOnRandomArchives)
{
    std::mt19937 gen(20261208);
    auto caso = [&](int da, int a) { return std::uniform_int_distribution<int>(da, a)(gen); };
    qint64 righe = 0, ambi = 0, inGioco = 0;
    for (int archivio = 0; archivio < 4; ++archivio) {
        Banco b(estrazioniCasuali(QDate(2004, 11, 2), 120, 3, 100 + archivio));
        for (int prova_ = 0; prova_ < 25; ++prova_) {
            ParametriBacktest p;
            const int tipo = caso(0, 2);
            const int valore = tipo == 0 ? caso(1, 90) : caso(1, 89);
            QString maschera;
            if (tipo == 0)
                for (int q = 0; q < 5; ++q)
                    maschera += caso(0, 3) ? u'1' : u'0';
            if (caso(0, 1))
                p.codice = codiceFamigliaA(caso(1, 5), caso(1, 11), caso(0, 89), TipoSpia(tipo),
                                           valore, maschera);
            else
                p.codice = codiceFamigliaB(caso(1, 5), caso(1, 10), caso(1, 5), caso(1, 11),
                                           TipoSpia(tipo), valore, maschera);
            p.colpi = caso(1, 9);
            for (int q = 1; q <= 5; ++q)
                p.posizioniValidita[q] = caso(0, 4) > 0;
            for (int w = 1; w <= 11; ++w) {
                p.ruoteRicerca[w] = caso(0, 2) > 0;
                p.ruoteGioco[w] = caso(0, 2) > 0;
            }
            p.codiciAbbinati = {QString()};
            for (int j = caso(0, 4); j > 0; --j)
                p.codiciAbbinati.push_back(caso(0, 4) == 0 ? QString()
                                                            : codiceFamigliaA(caso(1, 5), caso(1, 11),
                                                                              caso(0, 3), TipoSpia::Numero,
                                                                              1, u"11111")
                                                                  .left(9));
            p.estrazioneInizio = caso(1, 40);
            p.estrazioneFine = caso(60, 125);
            p.perSortite = caso(0, 3) == 0;
            p.sortite = caso(0, 30);
            p.indiceMassimo = b.calendario.massimo;
            p.indiceScelto = caso(0, 3) == 0 ? caso(0, p.indiceMassimo + 1) : 0;
            Restrizioni r;
            if (caso(0, 2) == 0) {
                ImpostazioniRestrizioni imp;
                imp.Giorno = QStringLiteral("Y");
                imp.Giorni = QStringLiteral("YYYYYYY");
                imp.Giorni[caso(0, 6)] = u'N';
                r = Restrizioni::daImpostazioni(imp);
            }
            SCOPED_TRACE(p.codice.toStdString());
            const EsitoBacktest e = prova(b, p, p.posizioniValidita, r);
            righe += qint64(e.righe.size());
            ambi += e.ambiSecchi;
            inGioco += e.casiInGioco;
        }
    }
    // The runs did exercise wins, ambi and cases in play.
    EXPECT_GT(righe, 100);
    EXPECT_GT(ambi, 5);
    EXPECT_GT(inGioco, 5);
}

TEST(TestiBacktest, SummaryTextsAsTheReportShowsThem)
{
    EXPECT_EQ(testoValidita(kTutte), QString());
    EXPECT_EQ(testoValidita({false, false, true, false, false, true}), QStringLiteral(" in  2' 5' pos."));
    EXPECT_EQ(testoValidita({}), QStringLiteral(" in  pos."));

    EXPECT_EQ(testoCondizione(QStringLiteral("305+0001500710100")),
              QStringLiteral("Condizione di gioco: sortita del n. 07 in posizione 1 3"));
    EXPECT_EQ(testoCondizione(QStringLiteral("305+0001500711111")),
              QStringLiteral("Condizione di gioco: sortita del n. 07 in qualsiasi posizione"));
    EXPECT_EQ(testoCondizione(QStringLiteral("305+00015142")),
              QStringLiteral("Condizione di gioco: sortita della somma 42"));
    EXPECT_EQ(testoCondizione(QStringLiteral("305+00015242")),
              QStringLiteral("Condizione di gioco: sortita della differenza 42"));

    std::array<bool, 8> giorni{};
    giorni.fill(true);
    EXPECT_EQ(testoGiorni(giorni), QString());
    giorni = {false, false, false, true, false, true, true, true}; // Tue, Thu, Fri, Sat
    EXPECT_EQ(testoGiorni(giorni),
              QStringLiteral("Solo nelle estrazioni del  martedì giovedì venerdì sabato"));

    std::array<bool, 12> ruote{};
    ruote[1] = ruote[6] = true;
    EXPECT_EQ(testoRuote({}, false, false, ruote, false), QStringLiteral("BA NA "));
    EXPECT_EQ(testoRuote({}, false, false, ruote, true), QStringLiteral(" BA NA"));
    EXPECT_EQ(testoRuote({}, true, true, ruote, true), QStringLiteral("Tutte + NZ"));
    EXPECT_EQ(testoRuote({}, true, false, ruote, false), QStringLiteral("Tutte"));
    EXPECT_EQ(testoRuote(QStringLiteral("BA-NA"), true, false, ruote, false), QStringLiteral("BA-NA"));

    EXPECT_EQ(testoNumeri(45, testoValidita({false, true, true, false, false, false}), {12, 33, 0}),
              QStringLiteral("C: 45 in  1' 2' pos. A: 12-33-0"));
}

TEST(TestiBacktest, HeadingLinesInOrder)
{
    IntestazioneReport i;
    i.da = QDate(2024, 1, 2);
    i.a = QDate(2024, 12, 28);
    i.indice = QStringLiteral("Tutti");
    i.condizione = QStringLiteral("Condizione di gioco: sortita del n. 07 in qualsiasi posizione");
    i.ruoteRicerca = QStringLiteral("BA NA ");
    i.ruoteGioco = QStringLiteral(" BA NA");
    i.colpi = QStringLiteral(" 6");
    i.ultime = true;
    i.ultimeDidascalia = QStringLiteral("controllo delle ultime  6 estraz.");
    i.riferimenti = {17, 5, 0, 45};
    i.validita = testoValidita({false, false, true, false, false, true});
    i.numeriAbbinati = {QStringLiteral("x  3"), QStringLiteral("y 81")};
    i.descrizione = QStringLiteral(" 1' su BA + 10");
    i.algoritmiAbbinati = {QStringLiteral("123456-- 2' su BA +  5")};
    EXPECT_EQ(testi(righeIntestazione(i)),
              testi({"Quorvane",
                           " ",
                           "Data inizio ricerca : 02/01/2024",
                           "Data fine ricerca   : 28/12/2024",
                           "Indice mensile      : Tutti",
                           " ",
                           "Condizione di gioco: sortita del n. 07 in qualsiasi posizione",
                           "Ruota/e di ricerca condizione : BA NA ",
                           "Ruota/e di gioco :  BA NA",
                           "Colpi di gioco  6 (con controllo delle ultime  6 estraz.)",
                           " ",
                           "Ambata/capogioco : 17 in  2' 5' pos.",
                           "Abbinamenti per ambo (da algoritmi) : ",
                           "  5 45",
                           "Abbinamenti per ambo (da numeri abbinati al capogioco): ",
                           "  3 81",
                           " ",
                           "Operazioni da eseguire",
                           " ",
                           "Calcolo capogioco:",
                           " 1' su BA + 10",
                           " ",
                           "Calcolo abbinamenti:",
                           " 2' su BA +  5"}));

    i.perDate = false;
    i.sortite = QStringLiteral("10");
    i.descriviRicerca = QStringLiteral("sortite del numero spia");
    i.giorni = QStringLiteral("Solo nelle estrazioni del  sabato");
    const QStringList l = righeIntestazione(i);
    ASSERT_GE(l.size(), 7);
    EXPECT_EQ(l[2], QStringLiteral("10 sortite del numero spia al 28/12/2024"));
    EXPECT_EQ(l[3], QStringLiteral("Indice mensile      : Tutti"));
    EXPECT_EQ(l[6], i.giorni);
}

TEST(TestiBacktest, FiguresLineUpAndNeverDivideByZero)
{
    EsitoBacktest e;
    e.casiRilevati = 20;
    e.casiFavorevoli = 7;
    e.casiInGioco = 0;
    e.ambate = 12345;
    e.sommaColpi = 15;
    QStringList l = righeRisultati(e);
    ASSERT_GE(l.size(), 8);
    EXPECT_EQ(l[2], QStringLiteral(" Casi favorevoli :     7 (35,0 %)"));
    EXPECT_EQ(l[3], QStringLiteral(" Casi negativi   :    13 (65,0 %)"));
    EXPECT_EQ(l[5], QStringLiteral(" Ambate          :  12345"));
    EXPECT_EQ(l[7], QStringLiteral(" Attesa media    :   2,1 colpi"));

    e = {};
    e.casiRilevati = 10;
    e.casiInGioco = 3;
    e.casiFavorevoli = 6;
    EXPECT_EQ(righeRisultati(e).value(3), QStringLiteral(" Casi negativi   :     1 (10,0 %)"));
    e.casiRilevati = 5;
    e.casiInGioco = 2;
    e.casiFavorevoli = 4;
    EXPECT_EQ(righeRisultati(e).value(4), QStringLiteral(" Casi in gioco   :     1 (1 già sfaldato/i)"));
    e.casiRilevati = 1234;
    EXPECT_EQ(righeRisultati(e).value(1), QStringLiteral(" Casi rilevati   :  1234"));

    // A large archive: the product of the percentage never overflows.
    e = {};
    e.casiRilevati = 40000;
    e.casiFavorevoli = 30000;
    EXPECT_EQ(righeRisultati(e).value(2), QStringLiteral(" Casi favorevoli :  30000 (75,0 %)"));

    for (const QString& riga : righeRisultati(EsitoBacktest{})) {
        EXPECT_FALSE(riga.contains(QStringLiteral("nan"), Qt::CaseInsensitive));
        EXPECT_FALSE(riga.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
    }
}

TEST(TestiBacktest, DetailLinesInFixedColumns)
{
    const QStringList t = righeTitoloDettaglio(QStringLiteral("a"), QStringLiteral("b"));
    ASSERT_EQ(t.size(), 6);
    EXPECT_EQ(t[0], QStringLiteral("Quorvane by Miravell - Dettaglio delle vincite"));
    for (int k = 3; k <= 5; ++k) {
        EXPECT_EQ(t[k].size(), 110);
        for (int c : {2, 16, 24, 63, 70, 79, 92, 98, 110})
            EXPECT_EQ(t[k][c - 1], k == 4 ? u'|' : u'*') << k << " " << c;
    }
    for (int c : {4, 18, 26, 64, 73, 81, 93, 99})
        EXPECT_NE(t[4][c - 1], u' ') << c;

    // A 40-character "Numeri in gioco" keeps 39 characters before "Ambata".
    const QString numeri = QString(40, u'x');
    const QString riga = rigaDettaglio({QStringLiteral("02/01/2024"), QStringLiteral("BA "), numeri,
                                        QStringLiteral(" 17"), QStringLiteral(" "),
                                        QStringLiteral("05/01/2024"), QStringLiteral(" 1"),
                                        QStringLiteral("BA")});
    EXPECT_EQ(riga.size(), 110);
    EXPECT_EQ(riga.mid(25, 40), QString(39, u'x') + u' ');
    EXPECT_EQ(riga.mid(64, 3), QStringLiteral(" 17"));
    EXPECT_EQ(riga.mid(100), QStringLiteral("BA        "));
    EXPECT_EQ(colonnaCentrata(QString(78, u'a')), 1);
    EXPECT_EQ(colonnaCentrata(QStringLiteral("Quorvane by Miravell - Dettaglio delle vincite")), 17);
}
