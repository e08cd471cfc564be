#include "consulta/Tabellone.h"

#include "compat/vb.h"
#include "consulta/IndiceUscite.h"
#include "core/ArchivioMemoria.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// One row of five numbers into its cells, default colours; `ordinate` sorts
// them (a missing number, 0, comes first). `suggerimento` tells the tooltip.
template <class Suggerimento>
void riempiRiga(ModelloCelle& m, int riga, std::array<int, 5> n, bool ordinate, Suggerimento sugg)
{
    if (ordinate)
        std::sort(n.begin(), n.end());
    for (int p = 1; p <= 5; ++p) {
        Cella& c = m.at(riga, p);
        c.coloriPredefiniti();
        c.scrivi(n[p - 1]);
        c.suggerimento = sugg(n[p - 1]);
    }
}

std::array<int, 5> numeriRuota(const ArchivioMemoria& v, qint32 r, int ruota)
{
    std::array<int, 5> n{};
    for (int p = 1; p <= 5; ++p)
        n[p - 1] = v.numero(r, ruota, p);
    return n;
}

IntestazioneEstrazione intestazione(const ArchivioMemoria& v, qint32 r)
{
    IntestazioneEstrazione h;
    h.progressivoAnno = v.progressivoAnno(r);
    h.anno = v.dataTesto(r).right(4);
    return h;
}

// Marks the largest values red and then the smallest blue, over cells 1..ultima.
void marcaEstremi(ModelloCelle& m, int ultima)
{
    qint64 massimo = 0;
    qint64 minimo = 50000;
    for (int i = 1; i <= ultima; ++i) {
        massimo = std::max<qint64>(massimo, m[i].valore);
        minimo = std::min<qint64>(minimo, m[i].valore);
    }
    for (int i = 1; i <= ultima; ++i) {
        if (m[i].valore == massimo)
            m[i].marca(kSfondoMassimo, kTestoEstremi);
        if (m[i].valore == minimo)
            m[i].marca(kSfondoMinimo, kTestoEstremi);
    }
}

int ultimaCella(const StatoTabellone& s)
{
    return s.RuotaSingola == 0 ? 55 : 50;
}

} // namespace

IntestazioneEstrazione RiempiTutteLeRuote(const ArchivioMemoria& v, qint32 estrazione,
                                          bool ordinate, ModelloCelle& m)
{
    for (int riga = 0; riga <= 10; ++riga) {
        riempiRiga(m, riga, numeriRuota(v, estrazione, riga + 1), ordinate, [ordinate](int n) {
            return ordinate ? QString::number(n) : compat::vbStr(n);
        });
    }
    return intestazione(v, estrazione);
}

IntestazioneEstrazione RiempiRuotaSingola(const ArchivioMemoria& v, StatoTabellone& s,
                                          bool ordinate, ModelloCelle& m)
{
    for (int p = 1; p <= 5; ++p) {
        m.at(10, p).coloriPredefiniti();
        m.at(10, p).svuota();
        m.at(10, p).suggerimento.clear();
    }
    const qint32 ultima = std::min(std::max<qint32>(s.EstrazioneCorrente, 10), v.numeroEstrazioni());
    std::array<QString, 10> date;
    for (int riga = 0; riga <= 9; ++riga) {
        const qint32 k = ultima - 9 + riga;
        s.EstrazioneRiga[riga] = k;
        if (k < 1) {   // an archive of fewer than ten draws
            for (int p = 1; p <= 5; ++p) {
                m.at(riga, p).coloriPredefiniti();
                m.at(riga, p).svuota();
            }
            continue;
        }
        date[riga] = v.dataTesto(k);
        riempiRiga(m, riga, numeriRuota(v, k, s.RuotaSingola), ordinate,
                   [](int n) { return QString::number(n); });
    }
    IntestazioneEstrazione h = intestazione(v, std::max<qint32>(ultima, 1));
    h.dateRighe = date;
    return h;
}

namespace {

// The delay of a cell's number; a value outside 1..90 has none.
qint32 ritardoDi(const std::array<qint32, 91>& tabella, int n)
{
    return n >= 1 && n <= 90 ? tabella[size_t(n)] : 0;
}

} // namespace

void MostraRitardiSortita(const ArchivioMemoria& v, const StatoTabellone& s, ModelloCelle& m)
{
    const bool tutte = s.RuotaSingola == 0;
    for (int riga = 0; riga <= (tutte ? 10 : 9); ++riga) {
        const auto tabella = tutte ? RitardiAllaEstrazione(v, riga + 1, s.EstrazioneCorrente)
                                   : RitardiAllaEstrazione(v, s.RuotaSingola, s.EstrazioneRiga[riga]);
        for (int p = 1; p <= 5; ++p) {
            Cella& c = m.at(riga, p);
            c.scrivi(ritardoDi(tabella, c.valore));
        }
    }
    marcaEstremi(m, ultimaCella(s));
}

void MarcaRitardiAlmeno(const ArchivioMemoria& v, qint32 estrazione, qint64 soglia, ModelloCelle& m)
{
    for (int riga = 0; riga <= 10; ++riga) {
        const auto tabella = RitardiAllaEstrazione(v, riga + 1, estrazione);
        for (int p = 1; p <= 5; ++p) {
            Cella& c = m.at(riga, p);
            if (ritardoDi(tabella, c.valore) >= soglia)
                c.marca(kSfondoMassimo, kTestoEstremi);
        }
    }
}

void MostraFrequenze(const IndiceUscite& ind, const StatoTabellone& s, bool escludiAttuale,
                     ModelloCelle& m)
{
    if (s.RuotaSingola == 0) {
        for (int riga = 0; riga <= 10; ++riga)
            for (int p = 1; p <= 5; ++p) {
                Cella& c = m.at(riga, p);
                c.scrivi(ind.frequenza(riga + 1, c.valore, s.InizioPeriodo, s.FinePeriodo));
            }
    } else {
        const qint32 l = s.FinePeriodo - s.InizioPeriodo;
        for (int riga = 0; riga <= 9; ++riga) {
            const qint32 e = s.EstrazioneRiga[riga] - (escludiAttuale ? 1 : 0);
            for (int p = 1; p <= 5; ++p) {
                Cella& c = m.at(riga, p);
                c.scrivi(ind.frequenza(s.RuotaSingola, c.valore, std::max<qint32>(e - l, 1), e));
            }
        }
    }
    marcaEstremi(m, ultimaCella(s));
}

int SommaRuota(const ModelloCelle& m, int riga)
{
    int somma = 0;
    for (int p = 1; p <= 5; ++p) {
        somma += m.at(riga, p).valore;
        if (somma > 90)
            somma -= 90;
    }
    return somma;
}

std::array<quint32, 2> ColoriTrova(int slot)
{
    static constexpr std::array<std::array<quint32, 2>, 6> coppie{{
        {0x000000, 0x00FFFF},
        {0x0000C0, 0x00FFFF},
        {0xFF0000, 0x00FFFF},
        {0x008000, 0x00FFFF},
        {0x00FFFF, 0x000000},
        {0xFFC0C0, 0x000000},
    }};
    return coppie[size_t(slot)];
}

void MarcaNumeriCercati(StatoTabellone& s, ModelloCelle& m)
{
    const auto [fondo, testo] = ColoriTrova(0);
    for (int i = 1; i <= kCelleTabellone; ++i) {
        const int n = m[i].valore;
        if (n < 1 || n > 90 || !s.NumeriCercati[size_t(n)])
            continue;
        m[i].marca(fondo, testo);
        ++s.PresenzeNumeri[size_t(n)];
    }
}

namespace {

// Marks every pair of a row whose value matches a slot's target; `valore`
// gives the pair's value.
template <class Valore>
void marcaCoppie(const std::array<int, 6>& obiettivi, std::array<qint32, 6>& totali, ModelloCelle& m,
                 Valore valore)
{
    for (int riga = 0; riga <= 10; ++riga)
        for (int j = 0; j <= 5; ++j) {
            if (obiettivi[size_t(j)] <= 0)
                continue;
            const auto [fondo, testo] = ColoriTrova(j);
            for (int a = 1; a <= 4; ++a)
                for (int b = a + 1; b <= 5; ++b) {
                    Cella& ca = m.at(riga, a);
                    Cella& cb = m.at(riga, b);
                    if (valore(ca.valore, cb.valore) != obiettivi[size_t(j)])
                        continue;
                    ca.marca(fondo, testo);
                    cb.marca(fondo, testo);
                    ++totali[size_t(j)];
                }
        }
}

} // namespace

void MarcaSommeCercate(StatoTabellone& s, bool fuori90, ModelloCelle& m)
{
    marcaCoppie(s.SommeCercate, s.TotaleSomme, m, [fuori90](int a, int b) {
        int somma = a + b;
        if (fuori90 && somma > 90)
            somma -= 90;
        return somma;
    });
}

void MarcaDistanzeCercate(StatoTabellone& s, ModelloCelle& m)
{
    marcaCoppie(s.DistanzeCercate, s.TotaleDistanze, m, [](int a, int b) { return std::abs(a - b); });
}

qint32 ValoreIntero(QStringView testo)
{
    const double v = std::round(compat::vbVal(testo));
    if (!(v < double(std::numeric_limits<qint32>::max())))
        return std::numeric_limits<qint32>::max();
    if (!(v > double(std::numeric_limits<qint32>::min())))
        return std::numeric_limits<qint32>::min();
    return compat::vbCLng(compat::vbVal(testo));
}
