#include "ArchivioTest.h"
#include "RiferimentoElenco.h"
#include "archivio/PaginaElenco.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"

#include <gtest/gtest.h>

namespace {

// A page of 36 draws whose numbers are all missing, to be filled by hand.
PaginaElenco paginaVuota()
{
    PaginaElenco p;
    p.ultima = 36;
    for (int r = 0; r < kRigheElenco; ++r)
        p.righe[size_t(r)].record = r + 1;
    return p;
}

void poni(PaginaElenco& p, int riga, int ruota, std::array<int, 5> numeri)
{
    for (int k = 0; k < 5; ++k)
        p.righe[size_t(riga - 1)].numeri[size_t((ruota - 1) * 5 + k)] = quint8(numeri[size_t(k)]);
}

// Colour entry of row 1..36, wheel 1..11, position 1..5.
int segno(const Evidenziazione& e, int riga, int ruota, int pos)
{
    return e.segno[size_t((riga - 1) * 55 + (ruota - 1) * 5 + pos - 1)];
}

int segnate(const Evidenziazione& e)
{
    return int(std::count_if(e.segno.begin(), e.segno.end(), [](qint8 s) { return s != kNonSegnata; }));
}

Evidenziazione colora(const PaginaElenco& p, int modo, std::initializer_list<int> scelti = {},
                      int sorte = 1)
{
    ScelteEvidenzia s;
    s.modo = modo;
    s.sorteMinima = sorte;
    for (int n : scelti)
        s.numeri[size_t(n)] = true;
    bool alterna = false;
    return evidenzia(p, s, alterna);
}

TEST(PaginaElenco, PagesNeverStartBeforeDrawOneNorEndPastTheLast)
{
    EXPECT_EQ(ultimaValida(10, 500), 36);   // "<" on the first page
    EXPECT_EQ(ultimaValida(-5, 500), 36);
    EXPECT_EQ(ultimaValida(501, 500), 500); // ">" on the newest page
    EXPECT_EQ(ultimaValida(480 + 36, 500), 500);
    EXPECT_EQ(ultimaValida(200, 500), 200);
    EXPECT_EQ(ultimaValida(36, 20), 20);    // a short archive: its own last draw
    EXPECT_EQ(ultimaValida(1, 20), 20);
    EXPECT_EQ(ultimaValida(5, 0), 0);
}

TEST(PaginaElenco, PageHoldsThirtySixDrawsNewestLast)
{
    auto rec = estrazioniCasuali(QDate(2004, 12, 28), 1200, 2, 3);
    const auto a = vistaDi(rec);
    std::vector<qint32> indice(1201, 0);
    std::vector<bool> ultima(1201, false);
    indice[1000] = 4;
    ultima[1000] = true;
    indice[999] = 3;
    const PaginaElenco p = riempiPagina(*a, 1000, true, indice, ultima);
    EXPECT_EQ(p.ultima, 1000);
    EXPECT_EQ(p.righe[0].record, 965);
    const RigaElenco& r = p.righe[35];
    EXPECT_EQ(r.record, 1000);
    EXPECT_EQ(r.data, a->dataTesto(1000));
    EXPECT_EQ(r.nEstraz, "1.000");
    EXPECT_EQ(r.indice, "U4");
    EXPECT_EQ(p.righe[34].indice, "3");
    EXPECT_EQ(p.righe[34].nEstraz, "999");
    for (int q = 0; q < 55; ++q)
        EXPECT_EQ(r.numeri[size_t(q)], rec[999].numero(q / 5 + 1, q % 5 + 1));
    const QStringList giorni{"Dom", "Lun", "Mar", "Mer", "Gio", "Ven", "Sab"};
    EXPECT_EQ(r.giorno, giorni[a->data(1000).dayOfWeek() % 7]);

    const PaginaElenco annuale = riempiPagina(*a, 1000, false, indice, ultima);
    EXPECT_EQ(annuale.righe[35].indice, QString::number(a->progressivoAnno(1000)));
    // A draw stored after the monthly index was built shows no index.
    indice.resize(1001);
    ultima.resize(1001);
    const PaginaElenco oltre = riempiPagina(*a, 1200, true, indice, ultima);
    EXPECT_EQ(oltre.righe[35].indice, "");
    EXPECT_EQ(oltre.righe[35].record, 1200);
}

TEST(PaginaElenco, ShortArchiveLeavesTheTopRowsBlankAndOutOfRangeFillsNothing)
{
    const auto a = vistaDi(estrazioniCasuali(QDate(2001, 1, 2), 20, 3, 9));
    const PaginaElenco p = riempiPagina(*a, 20, false, {}, {});
    for (int r = 0; r < 16; ++r) {
        EXPECT_EQ(p.righe[size_t(r)].record, 0);
        EXPECT_EQ(p.righe[size_t(r)].data, "");
    }
    EXPECT_EQ(p.righe[16].record, 1);
    EXPECT_EQ(p.righe[35].record, 20);
    EXPECT_EQ(riempiPagina(*a, 21, false, {}, {}).ultima, 0);
    EXPECT_EQ(riempiPagina(*a, 0, false, {}, {}).ultima, 0);
    // Blank rows export as blanks and copy as empty cells.
    EXPECT_EQ(rigaPaginaElenco(p.righe[0]), QString(195, u' '));
    EXPECT_EQ(testoRigaAppunti(p.righe[0]), QString(54, u'\t'));
}

TEST(PaginaElenco, RowCopyIsTheFiftyFiveNumbersTabSeparatedWithZeroForMissing)
{
    PaginaElenco p = paginaVuota();
    poni(p, 1, 1, {7, 12, 90, 1, 45});
    const QStringList campi = testoRigaAppunti(p.righe[0]).split(u'\t');
    ASSERT_EQ(campi.size(), 55);
    EXPECT_EQ(campi.mid(0, 6), (QStringList{"7", "12", "90", "1", "45", "0"}));
    EXPECT_EQ(campi[54], "0");
}

TEST(PaginaElenco, EachRepaintSwapsTheStripes)
{
    const PaginaElenco p = paginaVuota();
    bool alterna = false;
    const Evidenziazione uno = evidenzia(p, {}, alterna);
    EXPECT_TRUE(uno.rigaBianca[0]);
    EXPECT_FALSE(uno.rigaBianca[1]);
    EXPECT_TRUE(uno.rigaBianca[34]);
    const Evidenziazione due = evidenzia(p, {}, alterna);
    EXPECT_FALSE(due.rigaBianca[0]);
    EXPECT_TRUE(due.rigaBianca[1]);
    EXPECT_EQ(segnate(due), 0); // nothing selected: stripes only
    ScelteEvidenzia altro;
    altro.modo = 9;
    EXPECT_EQ(segnate(evidenzia(p, altro, alterna)), 0);
}

TEST(PaginaElenco, SelectedNumbersHonourTheMinimumPerWheel)
{
    PaginaElenco p = paginaVuota();
    poni(p, 3, 2, {5, 40, 77, 8, 9});   // two selected on Cagliari
    poni(p, 4, 2, {5, 41, 78, 8, 9});   // one selected
    const Evidenziazione due = colora(p, EvidenziaSelezionati, {5, 40}, 2);
    EXPECT_EQ(segno(due, 3, 2, 1), 0);  // 5: decade 1..10
    EXPECT_EQ(segno(due, 3, 2, 2), 3);  // 40: decade 31..40
    EXPECT_EQ(segno(due, 4, 2, 1), kNonSegnata);
    EXPECT_EQ(segnate(due), 2);
    const Evidenziazione uno = colora(p, EvidenziaSelezionati, {5, 40}, 1);
    EXPECT_EQ(segno(uno, 4, 2, 1), 0);
    EXPECT_EQ(segnate(uno), 3);
    EXPECT_EQ(segnate(colora(p, EvidenziaSelezionati, {5, 40}, 0)), 3);
    EXPECT_EQ(segnate(colora(p, EvidenziaSelezionati, {5, 40}, 3)), 0);
    EXPECT_EQ(segno(colora(p, EvidenziaSelezionati, {90}), 1, 1, 1), kNonSegnata);
}

TEST(PaginaElenco, RepeatsOnAWheelInConsecutiveDraws)
{
    PaginaElenco p = paginaVuota();
    poni(p, 10, 8, {33, 1, 2, 3, 4});
    poni(p, 11, 8, {5, 6, 33, 7, 81});
    poni(p, 12, 8, {81, 10, 11, 12, 13});
    poni(p, 11, 9, {33, 50, 51, 52, 53}); // another wheel: no repeat
    const Evidenziazione e = colora(p, EvidenziaRipetuti);
    EXPECT_EQ(segno(e, 10, 8, 1), 3);
    EXPECT_EQ(segno(e, 11, 8, 3), 3);
    EXPECT_EQ(segno(e, 11, 8, 5), 8);
    EXPECT_EQ(segno(e, 12, 8, 1), 8);
    EXPECT_EQ(segno(e, 11, 9, 1), kNonSegnata);
    EXPECT_EQ(segnate(e), 4); // the zeros of the other rows are never marked
}

TEST(PaginaElenco, RepeatedPairsCycleTheirColoursOverThePage)
{
    PaginaElenco p = paginaVuota();
    // Ten rows, each repeating pair (r, r + 40) on Bari in the next row.
    for (int r = 1; r <= 20; r += 2) {
        poni(p, r, 1, {r, r + 40, 89, 88, 61 + r});
        poni(p, r + 1, 1, {r + 40, r, 0, 0, 0});
    }
    const Evidenziazione e = colora(p, EvidenziaAmbiRipetuti);
    for (int i = 0; i < 10; ++i) {
        const int r = 1 + 2 * i;
        EXPECT_EQ(segno(e, r, 1, 1), i % 9) << r;
        EXPECT_EQ(segno(e, r + 1, 1, 2), i % 9) << r;
        EXPECT_EQ(segno(e, r, 1, 3), kNonSegnata) << r;
    }
}

TEST(PaginaElenco, PairsOnSeveralWheelsOfOneDrawAndTheOrangeOfTwoPairs)
{
    PaginaElenco p = paginaVuota();
    poni(p, 5, 1, {10, 20, 30, 1, 2});
    poni(p, 5, 4, {20, 10, 30, 3, 4});
    poni(p, 5, 6, {40, 41, 42, 43, 44});
    const Evidenziazione e = colora(p, EvidenziaAmbiStessaEstrazione);
    // Pairs 10-20, 10-30, 20-30 all on two wheels: entries 0, 1, 2 and
    // every cell is in two of them, so orange.
    for (int w : {1, 4})
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(segno(e, 5, w, k), kSegnoDoppio) << w << k;
    EXPECT_EQ(segno(e, 5, 1, 4), kNonSegnata);
    EXPECT_EQ(segno(e, 5, 6, 1), kNonSegnata);

    PaginaElenco q = paginaVuota();
    poni(q, 2, 1, {10, 20, 1, 2, 3});
    poni(q, 2, 3, {20, 10, 4, 5, 6});
    poni(q, 3, 1, {10, 20, 7, 8, 9});
    poni(q, 3, 2, {10, 20, 11, 12, 13});
    const Evidenziazione f = colora(q, EvidenziaAmbiStessaEstrazione);
    EXPECT_EQ(segno(f, 2, 1, 1), 0);
    EXPECT_EQ(segno(f, 2, 3, 2), 0);
    EXPECT_EQ(segno(f, 3, 2, 2), 0); // the count starts again for every row
}

TEST(PaginaElenco, ReversiblePairsAreTwoDifferentDigitsOneToEightSwapped)
{
    PaginaElenco p = paginaVuota();
    poni(p, 1, 1, {12, 21, 19, 10, 1});
    poni(p, 1, 2, {89, 80, 8, 88, 44});
    poni(p, 2, 3, {78, 87, 13, 31, 55});
    const Evidenziazione e = colora(p, EvidenziaVertibili);
    EXPECT_EQ(segno(e, 1, 1, 1), 0);
    EXPECT_EQ(segno(e, 1, 1, 2), 0);
    for (int k = 3; k <= 5; ++k)
        EXPECT_EQ(segno(e, 1, 1, k), kNonSegnata);
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(segno(e, 1, 2, k), kNonSegnata);
    // The colour carries on from row to row: 13-31 first, then 78-87.
    EXPECT_EQ(segno(e, 2, 3, 3), 1);
    EXPECT_EQ(segno(e, 2, 3, 1), 2);
    EXPECT_EQ(segnate(e), 6);
}

TEST(PaginaElenco, ComplementaryPairsSumToNinetyAndFortyFiveHasNone)
{
    PaginaElenco p = paginaVuota();
    poni(p, 7, 5, {30, 60, 45, 1, 2});
    poni(p, 8, 5, {45, 44, 46, 0, 90});
    const Evidenziazione e = colora(p, EvidenziaComplementari);
    EXPECT_EQ(segno(e, 7, 5, 1), 0);
    EXPECT_EQ(segno(e, 7, 5, 2), 0);
    EXPECT_EQ(segno(e, 7, 5, 3), kNonSegnata);
    EXPECT_EQ(segno(e, 8, 5, 1), kNonSegnata);
    EXPECT_EQ(segno(e, 8, 5, 2), 1);
    EXPECT_EQ(segno(e, 8, 5, 4), kNonSegnata); // 0 and 90 are no pair
    EXPECT_EQ(segno(e, 8, 5, 5), kNonSegnata);
}

TEST(PaginaElenco, EveryModeMatchesTheStepByStepRepaint)
{
    CartellaProgramma cartella;
    auto rec = estrazioniCasuali(QDate(2003, 1, 4), 900, 3, 17);
    // Sprinkle repeats and special pairs so every mode has work.
    for (size_t i = 1; i < rec.size(); i += 3)
        for (int w = 1; w <= 10; w += 3) {
            rec[i].setNumero(w, 2, rec[i - 1].numero(w, 4));
            rec[i].setNumero(w, 5, 90 - rec[i].numero(w, 1) == 45 ? 44 : 90 - rec[i].numero(w, 1));
        }
    rec[400].setNumero(3, 3, 0);
    cartella.scrivi(rec);
    ArchivioEstrazioni archivio;
    archivio.apri(cartella.percorso());
    const auto a = ArchivioMemoria::costruisci(archivio);
    std::array<bool, 91> scelti{};
    for (int n : {3, 12, 21, 33, 47, 60, 88})
        scelti[size_t(n)] = true;
    for (int modo = 0; modo <= 5; ++modo)
        for (qint32 ultima : {36, 410, 900})
            for (int sorte : {1, 2}) {
                bool alternaFast = ultima % 2 == 0, alternaLett = alternaFast;
                ScelteEvidenzia s;
                s.modo = modo;
                s.numeri = scelti;
                s.sorteMinima = sorte;
                const PaginaElenco p = riempiPagina(*a, ultima, false, {}, {});
                const Evidenziazione e = evidenzia(p, s, alternaFast);
                const RiferimentoElenco l = paginaLetterale(archivio, ultima, modo, scelti, sorte, alternaLett);
                EXPECT_EQ(alternaFast, alternaLett);
                for (int c = 0; c < kCelleElenco; ++c) {
                    ASSERT_EQ(e.segno[size_t(c)], l.colore[size_t(c + 1)])
                        << "mode " << modo << " page " << ultima << " cell " << c + 1;
                    ASSERT_EQ(QString::number(p.righe[size_t(c / 55)].numeri[size_t(c % 55)]),
                              l.didascalia[size_t(c + 1)]);
                }
                for (int r = 0; r < kRigheElenco; ++r)
                    EXPECT_EQ(e.rigaBianca[size_t(r)], l.bianca[size_t(r + 1)]);
            }
}

TEST(PaginaElenco, FormationsOfTheSettingsWindow)
{
    std::vector<int> cadenze = numeriFormazione(FormazioneCadenza, 1);
    const std::vector<int> due = numeriFormazione(FormazioneCadenza, 2);
    cadenze.insert(cadenze.end(), due.begin(), due.end());
    EXPECT_EQ(cadenze.size(), 18u);
    EXPECT_EQ(numeriFormazione(FormazioneCadenza, 0), (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90}));
    ASSERT_EQ(numeriFormazione(FormazioneDecina, 0).size(), 10u);
    ASSERT_EQ(numeriFormazione(FormazioneDecina, 8).size(), 10u);
    EXPECT_EQ(numeriFormazione(FormazioneDecina, 0).front(), 1);
    EXPECT_EQ(numeriFormazione(FormazioneDecina, 0).back(), 10);
    EXPECT_EQ(numeriFormazione(FormazioneDecina, 8).front(), 81);
    EXPECT_EQ(numeriFormazione(FormazioneDecina, 8).back(), 90);
    EXPECT_EQ(numeriFormazione(FormazioneFigura, 1), (std::vector<int>{1, 10, 19, 28, 37, 46, 55, 64, 73, 82}));
    EXPECT_EQ(numeriFormazione(FormazioneFigura, 9), (std::vector<int>{9, 18, 27, 36, 45, 54, 63, 72, 81, 90}));
    EXPECT_EQ(numeriFormazione(FormazioneControfigura, 3), (std::vector<int>{3, 11, 14, 25, 36, 47, 58, 69, 80}));
    EXPECT_EQ(numeriFormazione(FormazioneControfigura, 0), (std::vector<int>{10, 21, 32, 43, 54, 65, 76, 87, 88}));
    EXPECT_EQ(numeriFormazione(FormazioneControfigura, 2), (std::vector<int>{2, 13, 24, 35, 46, 57, 68, 79, 90}));
    EXPECT_EQ(numeriFormazione(FormazioneRadicali, 1), (std::vector<int>{1, 10, 11, 19}));
    EXPECT_EQ(numeriFormazione(FormazioneRadicali, 8), (std::vector<int>{8, 80, 88, 89}));
    EXPECT_TRUE(numeriFormazione(FormazioneGemelli, 1).empty());
    EXPECT_TRUE(numeriFormazione(FormazioneVertibili, 1).empty());
}

TEST(PaginaElenco, TextFileIsFortyTwoFixedColumnLines)
{
    PaginaElenco p = paginaVuota();
    for (int r = 0; r < kRigheElenco; ++r) {
        p.righe[size_t(r)].data = QStringLiteral("%1/03/2020").arg(r + 1, 2, 10, QChar(u'0'));
        p.righe[size_t(r)].indice = QString::number(r + 1);
    }
    p.righe[0].indice = QStringLiteral("U4");
    poni(p, 1, 1, {7, 12, 90, 1, 45});
    poni(p, 1, 11, {80, 2, 3, 4, 88});
    const QStringList l = righeFileElenco(p);
    ASSERT_EQ(l.size(), 42);
    for (int i : {0, 2, 12, 22, 32})
        EXPECT_EQ(l[i], QString(195, u' ')) << i;
    EXPECT_EQ(l[1], intestazioneElenco());
    EXPECT_EQ(l[1].size(), 193);
    EXPECT_EQ(l[1].left(35), QStringLiteral("Data        Ind  BARI            CA"));
    EXPECT_EQ(l[1].mid(177), QStringLiteral("NAZIONALE       "));
    const QString uno = l[3];
    ASSERT_EQ(uno.size(), 195);
    EXPECT_EQ(uno.left(33), QStringLiteral("01/03/2020   U4  7  12 90 1  45  "));
    EXPECT_EQ(uno.mid(33, 16), QStringLiteral("0  0  0  0  0   "));
    EXPECT_EQ(uno.mid(177), QStringLiteral("80 2  3  4  88    "));
    EXPECT_EQ(l[15].mid(13, 2), QStringLiteral("12")); // row 12, two-digit index
    EXPECT_TRUE(l[41].startsWith(u"36/03/2020   36"));
    EXPECT_EQ(l[4].mid(12, 3), QStringLiteral("  2"));

    const QStringList s = righeStampaElenco(p);
    ASSERT_EQ(s.size(), 42);
    EXPECT_EQ(s[0], "");
    EXPECT_EQ(s[1], u' ' + intestazioneElenco());
    EXPECT_EQ(s[12], "");
    EXPECT_EQ(s[3], u' ' + uno);
    EXPECT_EQ(s[41].size(), 196);
}

} // namespace
