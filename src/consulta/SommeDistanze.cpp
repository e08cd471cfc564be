#include "consulta/SommeDistanze.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/vbformat.h"

#include <algorithm>
#include <cmath>

using namespace compat;

namespace {

// The positions of pair column j (1..10): 1-2, 1-3, 1-4, 1-5, 2-3, .. 4-5.
constexpr std::array<std::array<int, 2>, kCoppieSommeDistanze + 1> kCoppie = {{
    {0, 0}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}, {3, 4}, {3, 5}, {4, 5}}};

// A cell's text as the 16-bit whole number the table works with; a value
// past that range (no cell shows one) is held at its edge.
int valoreCella(const QString& testo)
{
    const double v = std::nearbyint(vbVal(testo));
    return int(std::clamp(v, -32768.0, 32767.0));
}

void scriviCella(CellaSommeDistanze& c, int valore, const QString& suggerimento)
{
    c.uguale = false;
    if (valore <= 0) {
        c.testo = QStringLiteral("-");
        c.suggerimento.clear();
    } else {
        c.testo = QString::number(valore);
        c.suggerimento = suggerimento;
    }
}

void marcaSeUguali(CellaSommeDistanze& a, CellaSommeDistanze& b)
{
    const double va = vbVal(a.testo);
    if (va != 0 && va == vbVal(b.testo))
        a.uguale = b.uguale = true;
}

// Every two cells of one column (or one row) with the same non-zero value.
void evidenziaUguali(std::array<CellaSommeDistanze, kCelleSommeDistanze + 1>& c, bool perColonne)
{
    if (perColonne) {
        for (int col = 1; col <= kCoppieSommeDistanze; ++col)
            for (int i = col; i <= col + 90; i += 10)
                for (int j = i + 10; j <= col + 100; j += 10)
                    marcaSeUguali(c[size_t(i)], c[size_t(j)]);
    } else {
        for (int t = 1; t <= 101; t += 10)
            for (int i = t; i <= t + 8; ++i)
                for (int j = i + 1; j <= t + 9; ++j)
                    marcaSeUguali(c[size_t(i)], c[size_t(j)]);
    }
}

} // namespace

QString DidascaliaCoppia(int k)
{
    const auto& c = kCoppie[size_t(k + 1)];
    return QStringLiteral("%1 - %2").arg(c[0]).arg(c[1]);
}

TabellaSommeDistanze RiempiSommeDistanze(const ModelloCelle& m, const OrigineSommeDistanze& o,
                                         bool perColonne)
{
    TabellaSommeDistanze t;
    if (o.ruotaSingola == 0) {
        for (int r = 1; r <= kRigheSommeDistanze; ++r)
            t.righe[size_t(r)] = vbTrim(o.nomiRuote[size_t(r)]);
        t.intestazione = o.data;
    } else {
        for (int r = 1; r <= 10; ++r)
            t.righe[size_t(r)] = o.dateRighe[size_t(r - 1)];
        t.intestazione = o.nomiRuote[size_t(o.ruotaSingola)];
    }

    int n = 1;
    for (int r = 1; r <= kRigheSommeDistanze; ++r) {
        for (int j = 1; j <= kCoppieSommeDistanze; ++j, ++n) {
            const int x = valoreCella(m.at(r - 1, kCoppie[size_t(j)][0]).testo);
            const int y = valoreCella(m.at(r - 1, kCoppie[size_t(j)][1]).testo);
            const QString suggerimento = vbStr(x) + QStringLiteral(" -") + vbStr(y);
            int s = x + y;
            if (s > 90)
                s -= 90;
            int d = x > y ? x - y : y - x;
            if (d > 45)
                d = 90 - d;
            scriviCella(t.somme[size_t(n)], s, suggerimento);
            scriviCella(t.distanze[size_t(n)], d, suggerimento);
        }
    }
    evidenziaUguali(t.somme, perColonne);
    evidenziaUguali(t.distanze, perColonne);
    return t;
}

DatiGrafico GraficoCoppia(const TabellaSommeDistanze& t, int k, const std::array<QString, 12>& sigle)
{
    DatiGrafico g;
    g.titolo = vbTrim(t.intestazione) + QStringLiteral(" - Ambo ") + DidascaliaCoppia(k);
    const bool tutteLeRuote = vbIsDate(t.intestazione);
    const int righe = tutteLeRuote ? 11 : 10;
    for (int i = 1; i <= righe; ++i) {
        const size_t n = size_t((i - 1) * 10 + k + 1);
        if (tutteLeRuote) {
            g.etichette << sigle[size_t(i)];
        } else {
            const QString nome = vbTrim(t.righe[size_t(i)]);
            g.etichette << vbLeft(nome, 6) + vbRight(nome, 2);
        }
        g.somme << t.somme[n].testo;
        g.distanze << t.distanze[n].testo;
    }
    return g;
}

std::optional<DatiGrafico> GraficoRiga(const TabellaSommeDistanze& t, int r)
{
    const QString nome = t.righe[size_t(r)];
    if (nome.isEmpty())
        return std::nullopt;
    DatiGrafico g;
    g.titolo = vbIsDate(vbTrim(nome)) ? vbTrim(t.intestazione) + QStringLiteral(" - ") + nome
                                      : vbTrim(nome) + QStringLiteral(" - ") + vbTrim(t.intestazione);
    for (int k = 0; k < kCoppieSommeDistanze; ++k) {
        const size_t n = size_t((r - 1) * 10 + k + 1);
        g.etichette << DidascaliaCoppia(k);
        g.somme << t.somme[n].testo;
        g.distanze << t.distanze[n].testo;
    }
    return g;
}

const QString kBordoSommeDistanze =
    QStringLiteral("*----------*-----*-----*-----*-----*-----*-----*-----*-----*-----*-----*");
const QString kTestataSommeDistanze =
    QStringLiteral("|          | 1-2 | 1-3 | 1-4 | 1-5 | 2-3 | 2-4 | 2-5 | 3-4 | 3-5 | 4-5 |");
const QString kSottotestataSommeDistanze =
    QStringLiteral("           |So Di|So Di|So Di|So Di|So Di|So Di|So Di|So Di|So Di|So Di|");
const QString kChiusuraSommeDistanze =
    QStringLiteral("           *-----*-----*-----*-----*-----*-----*-----*-----*-----*-----*");

QString TitoloSommeDistanze()
{
    return QStringLiteral("Quorvane - Somme e distanze");
}

int ColonnaTitolo(const QString& titolo)
{
    return vbCInt((80.0 - titolo.size()) / 2);
}

QString CellaTestoSommeDistanze(const TabellaSommeDistanze& t, int r, int k)
{
    const size_t n = size_t((r - 1) * 10 + k);
    return vbFormat(t.somme[n].testo, u"@@") + u' ' + vbFormat(t.distanze[n].testo, u"@@") + u'|';
}

QString RigaTestoSommeDistanze(const TabellaSommeDistanze& t, int r)
{
    QString riga = vbSpace(78);
    vbOverlay(riga, 6, t.righe[size_t(r)]);
    vbOverlay(riga, 16, u"|");
    for (int k = 1; k <= kCoppieSommeDistanze; ++k)
        vbOverlay(riga, 6 * k + 11, CellaTestoSommeDistanze(t, r, k));
    return riga;
}

QStringList FileSommeDistanze(const TabellaSommeDistanze& t)
{
    const QString vuota = vbSpace(10);
    const QString titolo1 = TitoloSommeDistanze();
    const QString& titolo2 = t.intestazione;
    const QString margine = vbSpace(4);
    QStringList righe;
    righe << vuota << vbSpace(ColonnaTitolo(titolo1)) + titolo1 << vuota
          << vbSpace(ColonnaTitolo(titolo2)) + titolo2 << vuota;
    righe << margine + kBordoSommeDistanze << margine + kTestataSommeDistanze << margine + kBordoSommeDistanze
          << margine + kSottotestataSommeDistanze << margine + kChiusuraSommeDistanze;
    for (int r = 1; r <= kRigheSommeDistanze; ++r)
        righe << RigaTestoSommeDistanze(t, r);
    righe << margine + kChiusuraSommeDistanze;
    return righe;
}

QString NomeFileSommeDistanze(const QString& intestazione)
{
    QString nome = intestazione;
    return QStringLiteral("SommeDistanze_") + nome.replace(u'/', u'_');
}
