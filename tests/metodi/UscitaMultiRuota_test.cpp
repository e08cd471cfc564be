#include "metodi/UscitaMultiRuota.h"

#include <gtest/gtest.h>

namespace {

const QString kDidascalia =
    QStringLiteral("Quorvane by Miravell - Ricerca abbinamento Ruote di ricerca e gioco");

// Bari and Napoli searched, every wheel played, the number 7 in positions 1 and 3.
DescrizioneMultiRuota opzioni()
{
    DescrizioneMultiRuota o;
    o.perDate = true;
    o.da = QDate(2024, 1, 2);
    o.a = QDate(2024, 1, 20);
    o.sortite = QStringLiteral("10");
    o.descriviRicerca = QStringLiteral("sortite del numero spia");
    o.ruote[1] = o.ruote[6] = true;
    o.ruoteGioco[0] = o.ruoteGioco[11] = true;
    o.tipoSpia = QStringLiteral("Numero spia");
    o.spiaNumero = true;
    o.valoreFisso = true;
    o.didascaliaFisso = QStringLiteral("Numero fisso");
    o.numero = QStringLiteral(" 7");
    o.didascaliaTutti = QStringLiteral("Tutti i numeri");
    o.posizioneDeterminata = true;
    o.posizioni[1] = o.posizioni[3] = true;
    o.colpi = QStringLiteral(" 6");
    o.indice = QStringLiteral("Tutti");
    o.intestazioneSpia = QStringLiteral("Numero");
    return o;
}

std::vector<CelleMultiRuota> righe(int n)
{
    std::vector<CelleMultiRuota> r;
    for (int i = 1; i <= n; ++i)
        r.push_back({QStringLiteral(" %1' su BA + 23").arg(i), QStringLiteral("   2"), QStringLiteral("    2 /     4"),
                     QStringLiteral("100,0 %"), QStringLiteral(" 7"), QStringLiteral("BA"), QStringLiteral("NA")});
    return r;
}

} // namespace

TEST(UscitaMultiRuota, TheTextBlockByteForByte)
{
    const std::vector<CelleMultiRuota> r = {
        {" 1' su BA + 23", "   2", "    2 /     4", "100,0 %", " 7", "BA", "BA-NA"},
        // A long description: the later cells overwrite it only where they fall.
        {"  12' su NZ x 12' su NZ + 99 e altro", "  11", "   10 /    12", " 90,9 %", "90", "Tutte+NZ",
         "NA-RO-VE"},
    };
    const QString vuota(90, u' ');
    const QString rigo = QStringLiteral(
        "*--------------------------------*-------*-------------------*---------*----*------*----------------*");
    const QStringList attese = {
        "Quorvane 2",
        vuota,
        "Intervallo di ricerca         : dal 02/01/2024 al 20/01/2024",
        "Ruota/e di ricerca condizione : BA NA ",
        "Ruota/e di gioco              : Tutte + NZ",
        "Tipo di gioco                 : Numero spia in 1' 3' posizione",
        "Spia                          : Numero fisso  7 in posizione 1' 3' ",
        "Colpi di gioco                : 6",
        "Indice mensile                : Tutti",
        "Quorvane by Miravell - Ricerca abbinamento Ruote d",
        vuota,
        rigo,
        "| Descrizione algoritmo          | Sort. | Presenze/quantità | % pres. | N. | ric. | ruote gioco    |",
        rigo,
        vuota,
        QStringLiteral("  1' su BA + 23                       2        2 /     4       100,0 %    7   BA     BA-NA")
            .leftJustified(100),
        QStringLiteral("   12' su NZ x 12' su NZ + 99 e alt  11       10 /    12        90,9 %   90   Tutte+NNA-RO-VE")
            .leftJustified(100),
        vuota,
        vuota,
    };
    EXPECT_EQ(fileMultiRuota(opzioni(), kDidascalia, r), attese);
}

TEST(UscitaMultiRuota, SettingLinesFollowTheOptionsOfTheRun)
{
    DescrizioneMultiRuota o = opzioni();
    o.perDate = false;
    o.ruote = {};
    o.ruote[0] = true;
    o.ruoteGioco = {};
    o.posizioni = {false, true, true, true, true, true};   // all five: no positions in the kind
    o.valoreFisso = false;
    QStringList l = righeDescrizioneMultiRuota(o);
    ASSERT_GE(l.size(), 5);
    EXPECT_EQ(l[0], "Intervallo di ricerca         : 10 sortite del numero spia");
    EXPECT_EQ(l[1], "Ruota/e di ricerca condizione : Tutte");
    EXPECT_EQ(l[2], "Ruota/e di gioco              : ");
    EXPECT_EQ(l[3], "Tipo di gioco                 : Numero spia");
    EXPECT_EQ(l[4], "Spia                          : Tutti i numeri in posizione 1' 2' 3' 4' 5' ");

    // A difference spia: no position text at all, and "D" in the heading.
    o.posizioneDeterminata = false;
    o.spiaNumero = false;
    o.valoreFisso = true;
    o.tipoSpia = "Differenza spia";
    o.didascaliaFisso = "Differenza fissa";
    o.intestazioneSpia = "Differenza";
    l = righeDescrizioneMultiRuota(o);
    ASSERT_GE(l.size(), 5);
    EXPECT_EQ(l[3], "Tipo di gioco                 : Differenza spia");
    EXPECT_EQ(l[4], "Spia                          : Differenza fissa  7");
    const QStringList f = fileMultiRuota(o, "  breve  ", {});
    ASSERT_EQ(f.size(), 17);
    EXPECT_EQ(f[9], QStringLiteral("breve").leftJustified(50));
    EXPECT_TRUE(f[12].contains("| % pres. | D. | ric. |"));
}

namespace {

// Rows per page of one printed copy, and whether each page opens as it should.
std::vector<int> righePerPagina(const std::vector<RigaStampaMulti>& s)
{
    std::vector<int> pagine{0};
    for (const RigaStampaMulti& r : s) {
        if (r.newPage)
            pagine.push_back(0);
        else if (r.text.startsWith(QStringLiteral("  ")) && r.text.contains(QStringLiteral("' su BA")))
            ++pagine.back();
    }
    return pagine;
}

} // namespace

TEST(UscitaMultiRuota, PrintedPagesHold77RowsThen87)
{
    struct Caso {
        int righe;
        std::vector<int> pagine;
    };
    const Caso casi[] = {
        {1, {1}}, {77, {77}}, {78, {77, 1}}, {164, {77, 87}}, {165, {77, 87, 1}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.righe);
        const auto s = stampaMultiRuota(opzioni(), kDidascalia, righe(c.righe), 1);
        EXPECT_EQ(righePerPagina(s), c.pagine);
    }

    // The first page opens with the whole heading, each further one with the table's.
    const auto s = stampaMultiRuota(opzioni(), kDidascalia, righe(78), 1);
    ASSERT_GE(s.size(), 17u);
    EXPECT_EQ(s[0].text, "");
    EXPECT_EQ(s[1].text, "Quorvane 2");
    EXPECT_EQ(s[2].text, "");
    EXPECT_EQ(s[3].text, "Intervallo di ricerca         : dal 02/01/2024 al 20/01/2024");
    EXPECT_EQ(s[10].text, "Quorvane by Miravell - Ricerca abbinamento Ruote d");
    EXPECT_EQ(s[11].text, "");
    EXPECT_TRUE(s[13].text.startsWith("| Descrizione algoritmo"));
    EXPECT_EQ(s[15].text, "");
    EXPECT_EQ(s[16].text, fileMultiRuota(opzioni(), kDidascalia, righe(1)).value(15));
    const size_t pagina = 16 + 77;
    ASSERT_TRUE(s[pagina].newPage);
    EXPECT_EQ(s[pagina + 1].text, "");
    EXPECT_TRUE(s[pagina + 2].text.startsWith("*---"));
    EXPECT_TRUE(s[pagina + 3].text.startsWith("| Descrizione algoritmo"));
    EXPECT_EQ(s[pagina + 5].text, "");
    EXPECT_EQ(s.size(), pagina + 7);

    // Two copies: the second from a new page with its own "Quorvane 2".
    const auto due = stampaMultiRuota(opzioni(), kDidascalia, righe(3), 2);
    ASSERT_EQ(due.size(), 2 * 19u + 1);
    EXPECT_TRUE(due[19].newPage);
    EXPECT_EQ(due[21].text, "Quorvane 2");
    EXPECT_EQ(righePerPagina(due), (std::vector<int>{3, 3}));
}
