#include "metodi/Abbinamenti.h"

#include "ArchivioTest.h"
#include "RiferimentoAbbinamenti.h"
#include "metodi/Backtest.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"
#include "core/Restrizioni.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

struct Banco {
    CartellaProgramma cartella;
    ArchivioEstrazioni archivio;
    std::shared_ptr<const ArchivioMemoria> memoria;

    explicit Banco(const std::vector<RecEstrazione>& estrazioni)
    {
        cartella.scrivi(estrazioni);
        EXPECT_TRUE(archivio.apri(cartella.percorso()).ok());
        memoria = ArchivioMemoria::costruisci(archivio);
    }
};

Restrizioni restrizioniCasuali(std::mt19937& gen)
{
    if (std::uniform_int_distribution<int>(0, 2)(gen) != 0)
        return {};
    ImpostazioniRestrizioni imp;
    imp.Giorno = QStringLiteral("Y");
    imp.Giorni = QStringLiteral("YYYYYYY");
    imp.Giorni[std::uniform_int_distribution<int>(0, 6)(gen)] = u'N';
    return Restrizioni::daImpostazioni(imp);
}

} // namespace

TEST(AlgoritmiAbbinati, SameAsTheLiteralVersionOnRandomArchives)
{
    std::mt19937 gen(20261209);
    auto caso = [&](int da, int a) { return std::uniform_int_distribution<int>(da, a)(gen); };
    int righe = 0;
    for (int a = 0; a < 3; ++a) {
        Banco b(estrazioniCasuali(QDate(2004, 12, 1), 90, 3, 300 + a));
        for (int prova = 0; prova < 12; ++prova) {
            const int tipo = caso(0, 2);
            const int valore = tipo == 0 ? caso(1, 90) : caso(1, 89);
            QString maschera;
            if (tipo == 0)
                for (int q = 0; q < 5; ++q)
                    maschera += caso(0, 3) ? u'1' : u'0';
            const QString codice =
                caso(0, 1) ? codiceFamigliaA(caso(1, 5), caso(1, 11), caso(0, 89), TipoSpia(tipo), valore, maschera)
                           : codiceFamigliaB(caso(1, 5), caso(1, 10), caso(1, 5), caso(1, 11), TipoSpia(tipo),
                                             valore, maschera);
            ParametriAlgoAbbinati p;
            p.codice = leggiCodiceCapogioco(codice);
            ASSERT_EQ(p.codice.errore.toStdString(), "");
            p.colpi = caso(1, 9);
            for (int w = 1; w <= 11; ++w) {
                p.ruoteRicerca[w] = caso(0, 2) > 0;
                p.ruoteGioco[w] = caso(0, 2) > 0;
            }
            p.estrazioneInizio = caso(1, 30);
            p.estrazioneFine = caso(50, 90);
            p.perSortite = caso(0, 3) == 0;
            p.sortite = caso(1, 20);
            const int quanti = caso(1, 14);
            const Restrizioni r = restrizioniCasuali(gen);
            SCOPED_TRACE(codice.toStdString());

            const EsitoAlgoAbbinati e = cercaAlgoritmiAbbinati(*b.memoria, r, p);
            QStringList veloci, codici;
            for (size_t j = 0; j < e.candidati.size() && int(j) < quanti; ++j) {
                veloci << rigaAlgoritmoAbbinato(e.candidati[j], e.uscite);
                codici << e.candidati[j].codice();
            }
            const RiferimentoAlgoAbbinati rif = algoAbbinatiRiferimento(
                b.archivio, r, codice, p.colpi, p.estrazioneInizio, p.estrazioneFine, p.perSortite,
                p.sortite, p.ruoteRicerca, p.ruoteGioco, quanti);
            EXPECT_EQ(veloci, rif.righe);
            EXPECT_EQ(codici, rif.codici);
            righe += int(veloci.size());
        }
    }
    EXPECT_GT(righe, 50);   // the runs did find companions
}

TEST(AlgoritmiAbbinati, ManyCasesCountedInStepsCountAsOne)
{
    // Enough cases for the counting to go in steps of several: the sums of
    // the steps must be the literal counts, ties kept in their order.
    Banco b(estrazioniCasuali(QDate(2004, 1, 3), 700, 2, 77));
    ParametriAlgoAbbinati p;
    const QString codice = codiceFamigliaB(2, 3, 4, 8, TipoSpia::Somma, 45, {});
    p.codice = leggiCodiceCapogioco(codice);
    p.colpi = 3;
    p.estrazioneFine = 700;
    for (int w = 1; w <= 11; ++w)
        p.ruoteRicerca[w] = p.ruoteGioco[w] = w != 4;
    const EsitoAlgoAbbinati e = cercaAlgoritmiAbbinati(*b.memoria, Restrizioni(), p);
    ASSERT_GT(e.casi, 300);
    QStringList veloci, codici;
    for (size_t j = 0; j < e.candidati.size() && j < 14; ++j) {
        veloci << rigaAlgoritmoAbbinato(e.candidati[j], e.uscite);
        codici << e.candidati[j].codice();
    }
    const RiferimentoAlgoAbbinati rif = algoAbbinatiRiferimento(
        b.archivio, Restrizioni(), codice, p.colpi, 1, 700, false, 0, p.ruoteRicerca, p.ruoteGioco, 14);
    EXPECT_EQ(veloci, rif.righe);
    EXPECT_EQ(codici, rif.codici);
}

// The progress grows as the scan goes back: by the draws scanned from the
// end of the period, or by the cases taken when the period is the last cases.
TEST(AlgoritmiAbbinati, ProgressGrowsWithTheScan)
{
    Banco b(estrazioniCasuali(QDate(2004, 1, 3), 700, 2, 77));
    ParametriAlgoAbbinati p;
    p.codice = leggiCodiceCapogioco(codiceFamigliaB(2, 3, 4, 8, TipoSpia::Somma, 45, {}));
    p.colpi = 3;
    p.estrazioneInizio = 50;
    p.estrazioneFine = 690;
    for (int w = 1; w <= 11; ++w)
        p.ruoteRicerca[w] = p.ruoteGioco[w] = true;
    for (const bool perSortite : {false, true}) {
        SCOPED_TRACE(perSortite ? "last cases" : "dates");
        p.perSortite = perSortite;
        p.sortite = 40;
        std::vector<int> valori;
        const EsitoAlgoAbbinati e =
            cercaAlgoritmiAbbinati(*b.memoria, Restrizioni(), p, [&](int v) { valori.push_back(v); });
        ASSERT_GT(valori.size(), 10u);
        EXPECT_TRUE(std::is_sorted(valori.begin(), valori.end()));
        EXPECT_EQ(std::adjacent_find(valori.begin(), valori.end()), valori.end());
        EXPECT_GE(valori.front(), perSortite ? 1 : 0);
        EXPECT_LE(valori.back(), perSortite ? e.casi : p.estrazioneFine - p.estrazioneInizio);
        if (perSortite) {
            EXPECT_EQ(e.casi, 40);
        } else {
            EXPECT_GT(valori.back(), (p.estrazioneFine - p.estrazioneInizio) * 9 / 10);
        }
    }
}

TEST(AlgoritmiAbbinati, RowTextRoundsHalfToEvenAndCodesHaveNineCharacters)
{
    CandidatoAbbinato c{3, 3, 5, 0, 0, 15};
    EXPECT_EQ(c.codice(), QStringLiteral("305+00015"));
    EXPECT_EQ(rigaAlgoritmoAbbinato(c, 8), QStringLiteral(" 38 %    3' su MI + 15"));
    c.conteggio = 1;
    EXPECT_EQ(rigaAlgoritmoAbbinato(c, 8).left(3), QStringLiteral(" 12"));
    c.conteggio = 8;
    EXPECT_EQ(rigaAlgoritmoAbbinato(c, 8).left(3), QStringLiteral("100"));
}

TEST(AlgoritmiAbbinati, CodeChecksInOrder)
{
    const QString pre = QStringLiteral("Impossibile calcolare gli abbinamenti: ");
    EXPECT_EQ(leggiCodiceCapogioco(QString()).errore, pre + "capogioco mancante.");
    EXPECT_EQ(leggiCodiceCapogioco("305+00015").errore, pre + "capogioco mancante.");
    EXPECT_EQ(leggiCodiceCapogioco("305+0001510511111").errore, pre + "capogioco mancante.");
    EXPECT_EQ(leggiCodiceCapogioco("305+00015005").errore, pre + "capogioco mancante.");
    EXPECT_EQ(leggiCodiceCapogioco("605+00015105").errore, pre + "posizione non valida.");
    EXPECT_EQ(leggiCodiceCapogioco("312+00015105").errore, pre + "ruota 1 non valida.");
    EXPECT_EQ(leggiCodiceCapogioco("305X00015105").errore, pre + "operazione non valida.");
    EXPECT_EQ(leggiCodiceCapogioco("305+60015105").errore, pre + "posizione 2 non valida.");
    EXPECT_EQ(leggiCodiceCapogioco("305+11215105").errore, pre + "ruota 2 non valida.");
    EXPECT_EQ(leggiCodiceCapogioco("305+00090105").errore, pre + "numero non valido (operazione).");
    EXPECT_EQ(leggiCodiceCapogioco("101+000-3105").errore, pre + "numero non valido (operazione).");
    const CodiceCapogioco c = leggiCodiceCapogioco("305+0001500510100");
    EXPECT_EQ(c.errore, QString());
    EXPECT_EQ(c.valoreSpia, 5);
    EXPECT_TRUE(c.posizioniSpia[1] && c.posizioniSpia[3] && !c.posizioniSpia[2]);
}

TEST(AlgoritmiAbbinati, MissingNumbersNeverMakeACapogioco)
{
    // A capogioco read from the Nazionale before it existed is 0: it must not
    // match the empty Nazionale positions of the following draws.
    std::vector<BozzaEstrazione> bozze;
    for (int d = 0; d < 8; ++d)
        bozze.push_back({QDate(2004, 1, 3).addDays(7 * d),
                         {{1, {5, 10 + d, 20 + d, 30 + d, 40 + d}}, {2, {1, 2, 3, 4, 6}}}});
    Banco b(componi(bozze));
    ParametriAlgoAbbinati p;
    p.codice = leggiCodiceCapogioco(QStringLiteral("111+0000000511111"));   // NZ first + 0, spia 5
    ASSERT_EQ(p.codice.errore, QString());
    p.colpi = 3;
    p.estrazioneInizio = 1;
    p.estrazioneFine = 8;
    p.ruoteRicerca[1] = true;
    p.ruoteGioco[11] = true;
    p.ruoteGioco[2] = true;
    const EsitoAlgoAbbinati e = cercaAlgoritmiAbbinati(*b.memoria, Restrizioni(), p);
    EXPECT_EQ(e.uscite, 0);
    EXPECT_TRUE(e.candidati.empty());
}

TEST(NumeriAbbinati, SameAsTheLiteralVersionOnRandomArchives)
{
    std::mt19937 gen(7);
    auto caso = [&](int da, int a) { return std::uniform_int_distribution<int>(da, a)(gen); };
    int righe = 0;
    Banco b(estrazioniCasuali(QDate(2004, 6, 1), 260, 2, 41));
    for (int prova = 0; prova < 40; ++prova) {
        std::array<bool, 12> gioco{};
        for (int w = 1; w <= 11; ++w)
            gioco[w] = caso(0, 3) == 0;
        const int capo = caso(0, 90), fine = caso(90, 262), quanti = caso(1, 14);
        const Restrizioni r = restrizioniCasuali(gen);
        const QStringList veloci =
            righeNumeriAbbinati(cercaNumeriAbbinati(*b.memoria, r, capo, fine, gioco), quanti);
        EXPECT_EQ(veloci, numeriAbbinatiRiferimento(b.archivio, r, capo, fine, gioco, quanti))
            << capo << " " << fine;
        righe += int(veloci.size());
    }
    EXPECT_GT(righe, 100);
}

TEST(NumeriAbbinati, CompanionCountsOncePerOccurrenceAndTiesGoToTheLowerNumber)
{
    std::vector<BozzaEstrazione> bozze;
    for (int d = 0; d < 110; ++d)
        bozze.push_back({QDate(2004, 1, 3).addDays(3 * d), {{1, {60, 61, 62, 63, 64}}}});
    bozze[104].ruote = {{1, {45, 12, 34, 56, 78}}};
    bozze[105].ruote = {{1, {12, 70, 71, 72, 73}}};
    Banco b(componi(bozze));
    std::array<bool, 12> gioco{};
    gioco[1] = true;
    const EsitoNumeriAbbinati e = cercaNumeriAbbinati(*b.memoria, Restrizioni(), 45, 110, gioco);
    EXPECT_EQ(e.occorrenze, 1);
    EXPECT_EQ(e.conteggi[12], 1);
    EXPECT_EQ(e.conteggi[60], 1);
    EXPECT_EQ(righeNumeriAbbinati(e, 2),
              (QStringList{QStringLiteral("100,0%  n.   12"), QStringLiteral("100,0%  n.   34")}));
}

TEST(NumeriDaGiocare, PairedNumbersDistinctAndWrapping)
{
    std::vector<int> n{23, 23};
    distinguiAbbinati(23, n);
    EXPECT_EQ(n, (std::vector<int>{24, 25}));
    std::vector<int> m{90, 0};
    distinguiAbbinati(90, m);
    EXPECT_EQ(m, (std::vector<int>{1, 0}));
}

TEST(NumeriDaGiocare, FileLinesAsShown)
{
    std::array<bool, 12> ruote{};
    ruote[1] = ruote[6] = true;
    const QStringList righe = righeFileNumeri(testoRuoteGioco(false, ruote), QStringLiteral("12/03/2024"),
                                              QStringLiteral("23"), testoNumeriAbbinati({7, 0, 45}),
                                              QStringLiteral("  5 61"));
    EXPECT_EQ(righe, (QStringList{QStringLiteral("Numeri da giocare su :  BA NA dopo il 12/03/2024"),
                                  QStringLiteral("Capogioco : 23"),
                                  QStringLiteral("Abbinamenti ricavati da algoritmi  :   7 45"),
                                  QStringLiteral("Abbinamenti ricavati dal capogioco :   5 61")}));
    ruote[11] = true;
    EXPECT_EQ(testoRuoteGioco(true, ruote), QStringLiteral(" Tutte + NZ"));
    EXPECT_EQ(testoMultiSegnalazione(0), QString());
    EXPECT_EQ(testoMultiSegnalazione(1), QStringLiteral("(Segnalato anche da un'altro algoritmo)"));
    EXPECT_EQ(testoMultiSegnalazione(2), QStringLiteral("(Segnalato da altri 2 algoritmi)"));
}

TEST(NumeriDaGiocare, SpiaChecksOnlyTheEarlierMinusTheLater)
{
    std::array<std::array<int, 6>, 12> n{};
    n[3] = {0, 80, 30, 1, 2, 4};
    std::array<bool, 12> ricerca{};
    ricerca[3] = true;
    EXPECT_TRUE(spiaPresente(QStringLiteral("305+00015120"), n, ricerca));    // 80 + 30 - 90
    EXPECT_TRUE(spiaPresente(QStringLiteral("305+00015250"), n, ricerca));    // 80 - 30
    EXPECT_FALSE(spiaPresente(QStringLiteral("305+00015240"), n, ricerca));   // 30 - 80 + 90
    EXPECT_FALSE(spiaPresente(QStringLiteral("305+0001503010111"), n, ricerca));   // 30 at position 2 off
    EXPECT_EQ(avvisoSpiaAssente(QStringLiteral("305+00015105"), QStringLiteral("12/03/2024")),
              QStringLiteral("Attenzione! Somma spia  5 non presente nelle ruote di ricerca il 12/03/2024"));
}
