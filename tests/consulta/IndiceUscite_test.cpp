#include "ArchivioTest.h"
#include "consulta/IndiceUscite.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::shared_ptr<const ArchivioMemoria> vista(const std::vector<RecEstrazione>& e)
{
    return vistaDi(e);
}

// The backward scan as the board describes it, record by record, with the
// completeness test every ten draws from the hundredth on. Every record is
// passed, also those where the wheel has no numbers.
std::array<int, 91> ritardiLetterali(const std::vector<RecEstrazione>& e, int ruota, qint32 inizio,
                                     qint32 quante)
{
    std::array<int, 91> ritardo{};
    std::array<bool, 91> visto{};
    int contati = 0, letti = 0, controllo = 0;
    while (letti < quante) {
        bool completo = false;
        while (letti >= controllo + 100) {
            completo = true;
            for (int n = 1; n <= 90; ++n)
                completo = completo && visto[n];
            if (completo)
                break;
            controllo += 10;
        }
        if (completo)
            break;
        const RecEstrazione& r = e[size_t(inizio - letti - 1)];
        bool manca = false;
        for (int p = 1; p <= 5; ++p) {
            const int n = r.numero(ruota, p);
            if (n == 0) {
                manca = true;
                break;
            }
            if (!visto[n]) {
                ritardo[n] = contati;
                visto[n] = true;
            }
        }
        if (!manca)
            ++contati;
        ++letti;
    }
    for (int n = 1; n <= 90; ++n)
        if (!visto[n])
            ritardo[n] = contati;
    return ritardo;
}

// A random archive across the Nazionale's start, with two records whose
// wheels stop after a number.
std::vector<RecEstrazione> archivioCasuale()
{
    auto e = estrazioniCasuali(QDate(2004, 6, 1), 420, 3, 5);
    e[40].setNumero(3, 2, 0);
    e[41].setNumero(3, 1, 0);
    e[300].setNumero(11, 4, 0);
    return e;
}

TEST(IndiceUscite, DelaysEqualTheNaiveBackwardScanForEveryWheelAndDraw)
{
    const auto e = archivioCasuale();
    const auto v = vista(e);
    ASSERT_GT(v->primaEstrazioneRuota(kNazionale), 100);
    for (qint32 d = 1; d <= v->numeroEstrazioni(); ++d)
        for (int w = 1; w <= 11; ++w) {
            const auto atteso = ritardiLetterali(e, w, d - 1, d - 1);
            const auto tabella = RitardiAllaEstrazione(*v, w, d);
            for (int n = 0; n <= 90; ++n)
                ASSERT_EQ(tabella[n], atteso[n]) << "draw " << d << " wheel " << w << " n " << n;
        }
}

TEST(IndiceUscite, DelayCountsOnlyDrawsOfTheWheel)
{
    const auto e = archivioCasuale();
    const auto v = vista(e);
    const IndiceUscite ind(*v);
    const qint32 nz = v->primaEstrazioneRuota(kNazionale);
    // Just after its start the Nazionale has few draws: a number never drawn
    // there has as delay the count of the Nazionale's draws only.
    int mai = 0;
    for (int n = 1; n <= 90; ++n)
        if (ind.frequenza(kNazionale, n, 1, nz + 3) == 0)
            mai = n;
    ASSERT_NE(mai, 0);
    EXPECT_EQ(RitardiAllaEstrazione(*v, kNazionale, nz + 4)[mai], 4);
    // A number of the previous draw has delay 0.
    EXPECT_EQ(RitardiAllaEstrazione(*v, 1, 201)[e[199].numero(1, 3)], 0);
}

TEST(IndiceUscite, FrequenciesCountEveryPositionInTheRange)
{
    const auto e = archivioCasuale();
    const auto v = vista(e);
    const IndiceUscite ind(*v);
    std::mt19937 gen(3);
    for (int prova = 0; prova < 300; ++prova) {
        const int w = 1 + int(gen() % 11);
        const int n = 1 + int(gen() % 90);
        qint32 da = qint32(gen() % 430) - 5, a = qint32(gen() % 430) - 5;
        if (da > a)
            std::swap(da, a);
        int atteso = 0;
        for (qint32 r = std::max(da, 1); r <= std::min<qint32>(a, qint32(e.size())); ++r)
            for (int p = 1; p <= 5; ++p) {
                const int x = e[size_t(r - 1)].numero(w, p);
                if (x == 0)
                    break;
                atteso += x == n ? 1 : 0;
            }
        ASSERT_EQ(ind.frequenza(w, n, da, a), atteso) << w << " " << n << " " << da << ".." << a;
    }
}

TEST(IndiceUscite, IsSharedPerViewAndRebuiltWhenTheViewChanges)
{
    const auto v1 = vista(estrazioniCasuali(QDate(2020, 1, 2), 30, 2, 1));
    const auto v2 = vista(estrazioniCasuali(QDate(2020, 1, 2), 31, 2, 1));
    const auto a = indiceUscite(v1);
    EXPECT_EQ(indiceUscite(v1), a);
    const auto b = indiceUscite(v2);
    EXPECT_NE(b, a);
    EXPECT_EQ(b->numeroEstrazioni(), 31);
}

// The period of the frequencies, with lookups that refuse dates outside the
// archive as the shell's would (after telling the user).
struct Periodi {
    std::shared_ptr<const ArchivioMemoria> v;
    int rifiutate = 0;
    explicit Periodi(const std::vector<RecEstrazione>& e) : v(vista(e)) {}
    std::optional<Periodo> calcola(ParametriPeriodo p)
    {
        return CalcolaPeriodo(p, *v, [this](QDate d) -> std::optional<qint32> {
            if (d < v->data(1) || d > v->data(v->numeroEstrazioni())) {
                ++rifiutate;
                return std::nullopt;
            }
            return v->cerca(d, ArchivioMemoria::Direzione::Successiva);
        });
    }
    ParametriPeriodo su(qint32 estrazione, int opzione)
    {
        ParametriPeriodo p;
        p.opzione = opzione;
        p.dataMostrata = v->data(estrazione);
        p.estrazioni = QStringLiteral("90");
        p.cicli = QStringLiteral("5");
        return p;
    }
};

TEST(CalcolaPeriodo, LastDrawsAndCycles)
{
    Periodi t(estrazioniCasuali(QDate(2010, 1, 2), 200, 2, 1));
    auto r = t.calcola(t.su(200, 0));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->inizio, 111);
    EXPECT_EQ(r->fine, 200);
    EXPECT_DOUBLE_EQ(r->sortitaMedia, 5.0);
    r = t.calcola(t.su(200, 3));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->inizio, 111);

    auto p = t.su(200, 0);
    p.escludiAttuale = true;
    EXPECT_EQ(t.calcola(p)->fine, 199);
    EXPECT_EQ(t.calcola(p)->inizio, 110);

    // No count, or a period reaching before draw 1, is no period.
    for (const char* testo : {"", "0", "abc", "201"}) {
        p = t.su(200, 0);
        p.estrazioni = QString::fromLatin1(testo);
        EXPECT_FALSE(t.calcola(p)) << testo;
    }
    p = t.su(200, 3);
    p.cicli = QStringLiteral("0");
    EXPECT_FALSE(t.calcola(p));
    // Long rows of digits are large numbers, not overflows.
    p = t.su(200, 0);
    p.estrazioni = QStringLiteral("99999999999");
    EXPECT_FALSE(t.calcola(p));
    p = t.su(200, 3);
    p.cicli = QStringLiteral("999999999");
    EXPECT_FALSE(t.calcola(p));
    // No option chosen.
    EXPECT_FALSE(t.calcola(t.su(200, -1)));
    EXPECT_EQ(t.rifiutate, 0);
}

TEST(CalcolaPeriodo, FromDrawOneWithTheCurrentDrawLeftOut)
{
    Periodi t(estrazioniCasuali(QDate(2010, 1, 2), 200, 2, 1));
    for (int opzione : {0, 3}) {
        auto p = t.su(1, opzione);
        p.escludiAttuale = true;
        EXPECT_FALSE(t.calcola(p)) << opzione;
    }
    // The year and the year-start periods from the first draw start at draw 1.
    for (int opzione : {1, 2}) {
        auto p = t.su(1, opzione);
        p.escludiAttuale = true;
        const auto r = t.calcola(p);
        ASSERT_TRUE(r) << opzione;
        EXPECT_EQ(r->inizio, 1);
        EXPECT_EQ(r->fine, 0);
    }
    EXPECT_EQ(t.rifiutate, 0);
}

TEST(CalcolaPeriodo, LastYearAndFromTheFirstOfJanuary)
{
    // A draw every other day from 01/01/2007 falls on 29/02/2008.
    Periodi t(estrazioniCasuali(QDate(2007, 1, 1), 400, 2, 2));
    const qint32 bisestile = t.v->cerca(QDate(2008, 2, 29), ArchivioMemoria::Direzione::Precedente);
    ASSERT_EQ(t.v->data(bisestile), QDate(2008, 2, 29));
    auto r = t.calcola(t.su(bisestile, 1));
    ASSERT_TRUE(r);
    // The first draw on or after 28/02/2007.
    EXPECT_EQ(r->inizio, t.v->cerca(QDate(2007, 2, 28), ArchivioMemoria::Direzione::Successiva));
    EXPECT_EQ(r->fine, bisestile);

    // A year back from a date between two draws: the next draw.
    const qint32 d = 250;
    r = t.calcola(t.su(d, 1));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->inizio, t.v->cerca(t.v->data(d).addYears(-1), ArchivioMemoria::Direzione::Successiva));

    // From the first of January: the year's first draw; on that draw a
    // period of one draw.
    const qint32 primaDel2008 = t.v->cerca(QDate(2008, 1, 1), ArchivioMemoria::Direzione::Successiva);
    r = t.calcola(t.su(primaDel2008 + 20, 2));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->inizio, primaDel2008);
    r = t.calcola(t.su(primaDel2008, 2));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->inizio, r->fine);
    EXPECT_NEAR(r->sortitaMedia, 1.0 / 18, 1e-12);

    // A year before the first draw starts at draw 1.
    r = t.calcola(t.su(50, 1));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->inizio, 1);
    EXPECT_EQ(t.rifiutate, 0);
}

TEST(CalcolaPeriodo, ARefusedDateIsNoPeriod)
{
    Periodi t(estrazioniCasuali(QDate(2010, 1, 2), 20, 2, 1));
    auto p = t.su(20, 0);
    p.dataMostrata = QDate(2030, 1, 1);
    EXPECT_FALSE(t.calcola(p));
    EXPECT_EQ(t.rifiutate, 1);
}

} // namespace
