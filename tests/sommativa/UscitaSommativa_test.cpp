#include "sommativa/UscitaSommativa.h"

#include <gtest/gtest.h>

namespace {

DescrizioneSimulazione descrizione()
{
    return {QStringLiteral("05/01/2019"), QStringLiteral("28/12/2019"), QStringLiteral("Bari      "),
            QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("5")};
}

std::vector<RigaRisultato> risultati(int n)
{
    std::vector<RigaRisultato> r;
    for (int i = 1; i <= n; ++i)
        r.push_back({QStringLiteral("1' su BA + 3  e  2' su CA"), QStringLiteral("  3  (30,00%)"),
                     QStringLiteral("  7  (70,00%)"), QStringLiteral("    3"),
                     QStringLiteral(" 5 - 47  (3)")});
    return r;
}

std::vector<RigaDettaglioTesto> dettagli(int n)
{
    std::vector<RigaDettaglioTesto> r;
    for (int i = 1; i <= n; ++i)
        r.push_back({QStringLiteral("05/01/2019"), QStringLiteral(" 5 - 47  "),
                     QStringLiteral("Positivo 1' 3' colpo")});
    return r;
}

// The new-page markers' positions (row lines counted from 1) and the lines
// that follow each of them.
std::vector<int> righePrimaDelSalto(const std::vector<RigaStampa>& s, const QString& prefisso)
{
    std::vector<int> out;
    int righe = 0;
    for (const RigaStampa& r : s) {
        if (r.newPage)
            out.push_back(righe);
        else if (r.text.startsWith(prefisso))
            ++righe;
    }
    return out;
}

TEST(UscitaSommativa, ResultsFileLineByLine)
{
    const QStringList l = fileRisultati(descrizione(), QStringLiteral("Numeri al 28/12/2019"), risultati(2));
    ASSERT_EQ(l.size(), 12);
    EXPECT_EQ(l[0], " Metodo sommativo per ambi by Ostrel");
    EXPECT_EQ(l[1], QString(90, u' '));
    EXPECT_EQ(l[2], " Intervallo di simulazione    : dal 05/01/2019 al 28/12/2019");
    EXPECT_EQ(l[2].indexOf("dal"), 32);   // column 33
    EXPECT_EQ(l[3], " Ruota                        : Bari      ");
    EXPECT_EQ(l[4], " Tipo giocate                 : indice mensile 1 per 10 cicli di 5 colpi");
    EXPECT_EQ(l[5], QString(90, u' '));
    EXPECT_EQ(l[6], "*-------------------------------------*--------------*--------------*----------*----------------------*");
    EXPECT_EQ(l[7], "| Algoritmo                           | Casi posit.  | Casi negat.  | Quantità | Numeri al 28/12/2019 |");
    EXPECT_EQ(l[8], l[6]);
    EXPECT_EQ(l[9], QString(90, u' '));
    const QString riga = l[10];
    EXPECT_EQ(riga.size(), 110);
    EXPECT_EQ(riga.mid(2, 25), "1' su BA + 3  e  2' su CA");
    EXPECT_EQ(riga.mid(40, 13), "  3  (30,00%)");
    EXPECT_EQ(riga.mid(55, 13), "  7  (70,00%)");
    EXPECT_EQ(riga.mid(73, 5), "    3");
    EXPECT_EQ(riga.mid(81), " 5 - 47  (3)" + QString(110 - 81 - 12, u' '));

    // A heading text of 22 characters or more is cut at column 103.
    const QStringList lunga = fileRisultati(descrizione(), QString(30, u'x'), {});
    ASSERT_GE(lunga.size(), 8);
    EXPECT_EQ(lunga[7].size(), 103);
    EXPECT_TRUE(lunga[7].endsWith(QString(22, u'x')));
}

TEST(UscitaSommativa, DetailFileLineByLine)
{
    const QString desc = rigaDescrizioneDettaglio(QStringLiteral("Dettaglio giocate    1' su BA  e  2' su BA  "),
                                                  QStringLiteral("05/01/2019"), QStringLiteral("28/12/2019"));
    EXPECT_EQ(desc, " Dettaglio giocate    1' su BA  e  2' su BA dal 05/01/2019 al 28/12/2019");
    EXPECT_EQ(rigaDescrizioneDettaglio(QStringLiteral("Dettaglio giocate"), "a", "b"),
              " Dettaglio giocate dal a al b");
    const QStringList l = fileDettaglio(descrizione(), desc, dettagli(1));
    ASSERT_EQ(l.size(), 12);
    EXPECT_EQ(l[5], desc);
    EXPECT_EQ(l[6], QString(90, u' '));
    EXPECT_EQ(l[7], "*-----------------*-----------------*--------------------------------*");
    EXPECT_EQ(l[8], "| Data previsione | Numeri in gioco | Esito                          |");
    EXPECT_EQ(l[10], QString(90, u' '));
    EXPECT_EQ(l[11], "  05/01/2019         5 - 47           Positivo 1' 3' colpo" + QString(90 - 58, u' '));
}

TEST(UscitaSommativa, PageBreaksAtTheRowCountsAndEachCopyOnItsOwnPages)
{
    const QString numeri = QStringLiteral("Numeri al 28/12/2019");
    EXPECT_TRUE(righePrimaDelSalto(stampaRisultati(descrizione(), numeri, risultati(84), 1), "  1'").empty());
    const auto r85 = stampaRisultati(descrizione(), numeri, risultati(85), 1);
    EXPECT_EQ(righePrimaDelSalto(r85, "  1'"), std::vector<int>{84});
    EXPECT_EQ(righePrimaDelSalto(stampaRisultati(descrizione(), numeri, risultati(175), 1), "  1'"),
              (std::vector<int>{84, 174}));
    // The opening block, then after the break: empty, border, heading, border, empty.
    ASSERT_EQ(r85.size(), 11u + 85u + 1u + 5u);
    EXPECT_EQ(r85[1].text, " Metodo sommativo per ambi By ostrel");
    EXPECT_TRUE(r85[0].text.isEmpty());
    EXPECT_TRUE(r85[95].newPage);
    EXPECT_TRUE(r85[96].text.isEmpty());
    EXPECT_TRUE(r85[97].text.startsWith("*---"));
    EXPECT_TRUE(r85[98].text.endsWith("Numeri al 28/12/2019 |"));
    EXPECT_TRUE(r85[100].text.isEmpty());

    const QString desc = QStringLiteral(" Dettaglio giocate dal a al b");
    EXPECT_TRUE(righePrimaDelSalto(stampaDettaglio(descrizione(), desc, dettagli(62), 1), "  05").empty());
    const auto d63 = stampaDettaglio(descrizione(), desc, dettagli(63), 1);
    EXPECT_EQ(righePrimaDelSalto(d63, "  05"), std::vector<int>{62});
    EXPECT_EQ(righePrimaDelSalto(stampaDettaglio(descrizione(), desc, dettagli(133), 1), "  05"),
              (std::vector<int>{62, 132}));
    ASSERT_EQ(d63.size(), 12u + 63u + 1u + 4u);
    EXPECT_EQ(d63[1].text, " Metodo sommativo per ambi by Ostrel");
    EXPECT_EQ(d63[6].text, desc);
    EXPECT_TRUE(d63[74].newPage);
    EXPECT_TRUE(d63[75].text.startsWith("*---"));

    // Two copies of 10 rows: the second starts on a page of its own.
    const auto due = stampaDettaglio(descrizione(), desc, dettagli(10), 2);
    ASSERT_EQ(due.size(), 2u * 22u + 1u);
    EXPECT_TRUE(due[22].newPage);
    EXPECT_EQ(due[24].text, due[1].text);
}

} // namespace
