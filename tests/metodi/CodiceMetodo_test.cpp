#include "metodi/CodiceMetodo.h"

#include <gtest/gtest.h>

namespace {

TEST(Fuori90, ArithmeticKeepsNumbersOnTheBoard)
{
    struct Caso {
        char op;
        int a, b, atteso;
    };
    const Caso casi[] = {
        {'+', 60, 20, 80}, {'+', 45, 45, 90}, {'+', 90, 90, 90}, {'+', 80, 15, 5},
        {'+', 1, 0, 1},    {'-', 60, 20, 40}, {'-', 20, 60, 50}, {'-', 7, 7, 0},
        {'-', 1, 90, 1},   {'-', 90, 1, 89},  {'x', 60, 20, 30}, {'x', 9, 10, 90},
        {'x', 45, 2, 90},  {'x', 90, 7, 90},  {'x', 0, 5, 90},   {'x', 7, 13, 1},
    };
    for (const Caso& c : casi) {
        const int r = c.op == '+'   ? SommaFuori90(c.a, c.b)
                      : c.op == '-' ? DifferenzaFuori90(c.a, c.b)
                                    : ProdottoFuori90(c.a, c.b);
        EXPECT_EQ(r, c.atteso) << c.a << ' ' << c.op << ' ' << c.b;
    }
}

TEST(CodiceMetodo, MalformedCodesAreRefusedInCheckOrder)
{
    struct Caso {
        const char* codice;
        ErroreCodice atteso;
    };
    const Caso casi[] = {
        {"", ErroreCodice::CapogiocoMancante},
        {"101+2020", ErroreCodice::CapogiocoMancante},
        {"001+20200", ErroreCodice::Posizione},
        {"601+20200", ErroreCodice::Posizione},
        {"A01+20200", ErroreCodice::Posizione},
        {"112+20200", ErroreCodice::Ruota1},
        {"100+20200", ErroreCodice::Ruota1},
        {"101*20200", ErroreCodice::Operazione},
        {"101X20200", ErroreCodice::Operazione},
        {"101+60200", ErroreCodice::Posizione2},
        {"101+90200", ErroreCodice::Posizione2},
        {"101+21200", ErroreCodice::Ruota2},
        {"101+00090", ErroreCodice::Numero},
        {"101+000-5", ErroreCodice::Numero},   // a negative constant is no constant
        {"612*21290", ErroreCodice::Posizione},
        {"101+20200", ErroreCodice::Nessuno},
        {"511x00089", ErroreCodice::Nessuno},
        {"305+0001500710000", ErroreCodice::Nessuno},
    };
    for (const Caso& c : casi) {
        FormulaMetodo f;
        EXPECT_EQ(leggiCodice(QString::fromLatin1(c.codice), f), c.atteso) << c.codice;
    }
    EXPECT_EQ(messaggioErroreCodice(ErroreCodice::CapogiocoMancante),
              QStringLiteral("Calcolo impossibile: capogioco mancante."));
    EXPECT_EQ(messaggioErroreCodice(ErroreCodice::Numero),
              QStringLiteral("Calcolo impossibile: numero non valido (operazione)."));
    EXPECT_EQ(messaggioErroreCodice(ErroreCodice::Ruota2),
              QStringLiteral("Calcolo impossibile: ruota 2 non valida."));
}

RecEstrazione estrazione(QDate data)
{
    RecEstrazione r = RecEstrazione::crea(data, 1);
    const int ba[5] = {60, 11, 12, 13, 14};
    const int ca[5] = {21, 20, 22, 23, 24};
    const int mi[5] = {31, 32, 80, 33, 34};
    for (int p = 1; p <= 5; ++p) {
        r.setNumero(1, p, ba[p - 1]);
        r.setNumero(2, p, ca[p - 1]);
        r.setNumero(5, p, mi[p - 1]);
        r.setNumero(11, p, 40 + p);   // stored even where the wheel did not exist yet
    }
    r.setNumero(3, 1, 0);             // a missing number
    r.setNumero(3, 2, 95);            // a byte that is no number
    r.setNumero(4, 1, 60);
    return r;
}

TEST(CodiceMetodo, FormulasEvaluateOnADraw)
{
    struct Caso {
        const char* codice;
        QDate data;
        int atteso;
    };
    const QDate oggi(2010, 3, 2), prima(2004, 3, 2);
    const Caso casi[] = {
        {"305+0001500710000", oggi, 5},   // 80 + 15
        {"305+00015107", oggi, 5},
        {"101+20200", oggi, 80},
        {"101-20200", oggi, 40},
        {"101x20200", oggi, 30},
        {"101-10400", oggi, 0},           // equal numbers
        {"101+00505", oggi, 65},          // position 2 "0": constant form
        {"101+30005", oggi, 65},          // wheel 2 "00": constant form
        {"111+00069", oggi, 41 + 69 - 90},
        {"101+21100", oggi, 60 + 42 - 90},
        // No number where a term is missing, whatever the arithmetic would give.
        {"103+00069", oggi, 0},
        {"203+00069", oggi, 0},
        {"101x10300", oggi, 0},
        {"101+10300", oggi, 0},
        // The Nazionale is read only from its first draw on.
        {"111+00069", prima, 0},
        {"101+21100", prima, 0},
        {"101+20200", prima, 80},
    };
    for (const Caso& c : casi) {
        ErroreCodice e = ErroreCodice::Numero;
        EXPECT_EQ(CalcolaAlgoritmo(QString::fromLatin1(c.codice), estrazione(c.data), &e),
                  c.atteso)
            << c.codice << ' ' << c.data.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(e, ErroreCodice::Nessuno);
    }
    ErroreCodice e = ErroreCodice::Nessuno;
    EXPECT_EQ(CalcolaAlgoritmo(u"101+21200", estrazione(oggi), &e), 0);
    EXPECT_EQ(e, ErroreCodice::Ruota2);
}

TEST(CodiceMetodo, FamilyCodesAndDescriptions)
{
    EXPECT_EQ(codiceFamigliaA(3, 5, 15, TipoSpia::Numero, 7, u"10000"),
              QStringLiteral("305+0001500710000"));
    EXPECT_EQ(codiceFamigliaA(3, 5, 15, TipoSpia::Somma, 7, u""), QStringLiteral("305+00015107"));
    EXPECT_EQ(codiceFamigliaB(2, 6, 4, 8, TipoSpia::Differenza, 89, u""),
              QStringLiteral("206+40800289"));
    EXPECT_EQ(codiceFamigliaB(5, 10, 1, 11, TipoSpia::Numero, 90, u"01011"),
              QStringLiteral("510+1110009001011"));
    EXPECT_EQ(descrizioneFamigliaA(3, 1, 15), QStringLiteral(" 3' su BA + 15"));
    EXPECT_EQ(descrizioneFamigliaA(3, 1, 7), QStringLiteral(" 3' su BA +  7"));
    EXPECT_EQ(descrizioneFamigliaA(4, 11, 0), QStringLiteral(" 4' su NZ +  0"));
    EXPECT_EQ(descrizioneFamigliaB(2, 6, 4, 8), QStringLiteral(" 2' su NA +  4' su RO"));
    EXPECT_EQ(mascheraPosizioni({false, true, false, true, true, false}), QStringLiteral("10110"));
}

} // namespace
