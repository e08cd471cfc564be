#include "archivio/PaginaElenco.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "compat/vbformat.h"
#include "core/ArchivioMemoria.h"
#include "core/Procedure.h"

#include <algorithm>

using namespace compat;

qint32 ultimaValida(qint32 ultima, qint32 numeroEstrazioni)
{
    if (numeroEstrazioni < 1)
        return 0;
    return std::clamp(ultima, std::min<qint32>(kRigheElenco, numeroEstrazioni), numeroEstrazioni);
}

PaginaElenco riempiPagina(const ArchivioMemoria& a, qint32 ultima, bool mensile,
                          const std::vector<qint32>& indiceMensile,
                          const std::vector<bool>& ultimaDelMese)
{
    PaginaElenco p;
    const qint32 n = a.numeroEstrazioni();
    if (ultima < 1 || ultima > n)
        return p;
    p.ultima = ultima;
    for (int r = 0; r < kRigheElenco; ++r) {
        const qint32 rec = ultima - (kRigheElenco - 1) + r;
        if (rec < 1)
            continue;
        RigaElenco& riga = p.righe[size_t(r)];
        riga.record = rec;
        riga.data = a.dataTesto(rec);
        if (a.dataValida(rec))
            riga.giorno = vbWeekdayAbbr(vbWeekday(a.data(rec)));
        riga.nEstraz = vbFormat(double(rec), u"#,###");
        if (!mensile) {
            riga.indice = QString::number(a.progressivoAnno(rec));
        } else if (size_t(rec) < indiceMensile.size()) {
            const bool u = size_t(rec) < ultimaDelMese.size() && ultimaDelMese[size_t(rec)];
            riga.indice = (u ? QStringLiteral("U") : QString()) + QString::number(indiceMensile[size_t(rec)]);
        }
        const quint8* num = a.numeri(rec);
        std::copy(num, num + kCelleRiga, riga.numeri.begin());
    }
    return p;
}

QString testoRigaAppunti(const RigaElenco& r)
{
    QString t;
    for (int c = 0; c < kCelleRiga; ++c) {
        if (r.record >= 1)
            t += QString::number(r.numeri[size_t(c)]);
        if (c < kCelleRiga - 1)
            t += u'\t';
    }
    return t;
}

// ---- Highlighting ------------------------------------------------------------

namespace {

int decina(int n)
{
    return (n - 1) / 10;
}

struct Pagina {
    const PaginaElenco& p;
    Evidenziazione& e;
    int numero(int r, int w, int k) const { return p.righe[size_t(r)].numeri[size_t(w * 5 + k)]; }
    qint8& segno(int r, int w, int k) { return e.segno[size_t(r * kCelleRiga + w * 5 + k)]; }
};

void modoSelezionati(Pagina& g, const ScelteEvidenzia& s)
{
    for (int r = 0; r < kRigheElenco; ++r)
        for (int w = 0; w < 11; ++w) {
            int quanti = 0;
            for (int k = 0; k < 5; ++k)
                quanti += s.numeri[size_t(g.numero(r, w, k))] ? 1 : 0;
            if (s.sorteMinima >= 2 && quanti < s.sorteMinima)
                continue;
            for (int k = 0; k < 5; ++k) {
                const int n = g.numero(r, w, k);
                if (n >= 1 && s.numeri[size_t(n)])
                    g.segno(r, w, k) = qint8(decina(n));
            }
        }
}

// The ten cells of one wheel in rows r and r + 1.
struct DueGruppi {
    std::array<int, 10> n{};
    std::array<int, 91> conta{};
    DueGruppi(const Pagina& g, int r, int w)
    {
        for (int k = 0; k < 10; ++k) {
            n[size_t(k)] = g.numero(r + k / 5, w, k % 5);
            ++conta[size_t(n[size_t(k)])];
        }
    }
};

void modoRipetuti(Pagina& g)
{
    for (int r = 0; r + 1 < kRigheElenco; ++r)
        for (int w = 0; w < 11; ++w) {
            const DueGruppi d(g, r, w);
            for (int k = 0; k < 10; ++k) {
                const int n = d.n[size_t(k)];
                if (n >= 1 && d.conta[size_t(n)] > 1)
                    g.segno(r + k / 5, w, k % 5) = qint8(decina(n));
            }
        }
}

void modoAmbiRipetuti(Pagina& g)
{
    int c = 0;
    for (int r = 0; r + 1 < kRigheElenco; ++r)
        for (int w = 0; w < 11; ++w) {
            const DueGruppi d(g, r, w);
            std::array<int, 10> doppi{};
            int quanti = 0;
            for (int n = 1; n <= 90; ++n)
                if (d.conta[size_t(n)] >= 2)
                    doppi[size_t(quanti++)] = n;
            for (int i = 0; i < quanti; ++i)
                for (int j = i + 1; j < quanti; ++j) {
                    for (int k = 0; k < 10; ++k)
                        if (d.n[size_t(k)] == doppi[size_t(i)] || d.n[size_t(k)] == doppi[size_t(j)])
                            g.segno(r + k / 5, w, k % 5) = qint8(c);
                    c = (c + 1) % 9;
                }
        }
}

// Step 3 of the pair modes: every wheel of row r holding more than one cell
// equal to a or b gets those cells marked with c, or orange when an earlier
// pair of the row already marked them.
void segnaCoppia(Pagina& g, int r, int a, int b, int c)
{
    for (int w = 0; w < 11; ++w) {
        int quante = 0;
        for (int k = 0; k < 5; ++k)
            quante += (g.numero(r, w, k) == a || g.numero(r, w, k) == b) ? 1 : 0;
        if (quante <= 1)
            continue;
        for (int k = 0; k < 5; ++k) {
            const int n = g.numero(r, w, k);
            if (n != a && n != b)
                continue;
            qint8& s = g.segno(r, w, k);
            s = s == kNonSegnata ? qint8(c) : kSegnoDoppio;
        }
    }
}

bool vertibili(int x, int y)
{
    const int dx = x / 10, ux = x % 10;
    return x >= 12 && x <= 87 && dx != ux && dx >= 1 && dx <= 8 && ux >= 1 && ux <= 8
           && y == ux * 10 + dx;
}

bool complementari(int x, int y)
{
    return x >= 1 && y >= 1 && x != 45 && x + y == 90;
}

// The pairs a < b (a >= 1) of row r's wheels that `scelta` accepts, as
// a * 91 + b, sorted with repeats (one per wheel that holds the pair).
template <class Scelta>
std::vector<int> coppieRiga(const Pagina& g, int r, Scelta scelta)
{
    std::vector<int> coppie;
    for (int w = 0; w < 11; ++w)
        for (int i = 0; i < 5; ++i)
            for (int j = i + 1; j < 5; ++j) {
                int a = g.numero(r, w, i), b = g.numero(r, w, j);
                if (a > b)
                    std::swap(a, b);
                if (a >= 1 && a < b && scelta(a, b))
                    coppie.push_back(a * 91 + b);
            }
    std::sort(coppie.begin(), coppie.end());
    return coppie;
}

void modoAmbiStessaEstrazione(Pagina& g)
{
    for (int r = 0; r < kRigheElenco; ++r) {
        const std::vector<int> coppie = coppieRiga(g, r, [](int, int) { return true; });
        int c = 0;
        for (size_t i = 0; i < coppie.size();) {
            size_t j = i;
            while (j < coppie.size() && coppie[j] == coppie[i])
                ++j;
            if (j - i > 1) {
                segnaCoppia(g, r, coppie[i] / 91, coppie[i] % 91, c);
                c = (c + 1) % 9;
            }
            i = j;
        }
    }
}

template <class Scelta>
void modoCoppieSpeciali(Pagina& g, Scelta scelta)
{
    int c = 0;
    for (int r = 0; r < kRigheElenco; ++r) {
        std::vector<int> coppie = coppieRiga(g, r, scelta);
        coppie.erase(std::unique(coppie.begin(), coppie.end()), coppie.end());
        for (int k : coppie) {
            segnaCoppia(g, r, k / 91, k % 91, c);
            c = (c + 1) % 9;
        }
    }
}

} // namespace

Evidenziazione evidenzia(const PaginaElenco& p, const ScelteEvidenzia& s, bool& rigaAlterna)
{
    Evidenziazione e;
    e.segno.fill(kNonSegnata);
    rigaAlterna = !rigaAlterna;
    for (int r = 0; r < kRigheElenco; ++r) {
        e.rigaBianca[size_t(r)] = rigaAlterna;
        rigaAlterna = !rigaAlterna;
    }
    Pagina g{p, e};
    switch (s.modo) {
    case EvidenziaSelezionati:
        modoSelezionati(g, s);
        break;
    case EvidenziaRipetuti:
        modoRipetuti(g);
        break;
    case EvidenziaAmbiRipetuti:
        modoAmbiRipetuti(g);
        break;
    case EvidenziaAmbiStessaEstrazione:
        modoAmbiStessaEstrazione(g);
        break;
    case EvidenziaVertibili:
        modoCoppieSpeciali(g, vertibili);
        break;
    case EvidenziaComplementari:
        modoCoppieSpeciali(g, complementari);
        break;
    default:
        break;
    }
    return e;
}

// ---- Formations ----------------------------------------------------------------

std::vector<int> numeriFormazione(int formazione, int cifra)
{
    std::vector<int> v;
    if (cifra < 0 || cifra > 9)
        return v;
    const auto figura = [](int n) {
        if (n < 10)
            return n;
        const int s = n / 10 + n % 10;
        return s > 9 ? s - 9 : s;
    };
    for (int n = 1; n <= 90; ++n) {
        bool si = false;
        switch (formazione) {
        case FormazioneCadenza:
            si = n % 10 == cifra;
            break;
        case FormazioneDecina:
            si = NumeroDecina(n) - 1 == cifra;
            break;
        case FormazioneFigura:
            si = figura(n) == cifra;
            break;
        case FormazioneControfigura:
            si = SerieDiagonale(n) == (cifra == 0 ? 10 : cifra);
            break;
        case FormazioneRadicali:
            si = cifra >= 1 && (n == cifra || n == 10 * cifra || n == 11 * cifra || n == 10 * cifra + 9);
            break;
        default:
            break;
        }
        if (si)
            v.push_back(n);
    }
    return v;
}

// ---- Text file and printer -------------------------------------------------------

QString rigaPaginaElenco(const RigaElenco& r)
{
    QString l = vbSpace(195);
    vbOverlay(l, 1, r.data);
    if (!r.indice.isEmpty())
        vbOverlay(l, 16 - int(r.indice.size()), r.indice);
    if (r.record < 1)
        return l;
    for (int w = 0; w < 11; ++w)
        for (int k = 0; k < 5; ++k)
            vbOverlay(l, 18 + 16 * w + 3 * k, QString::number(r.numeri[size_t(w * 5 + k)]));
    return l;
}

QString intestazioneElenco()
{
    static const char* const ruote[11] = {"BARI", "CAGLIARI", "FIRENZE", "GENOVA", "MILANO", "NAPOLI",
                                          "PALERMO", "ROMA", "TORINO", "VENEZIA", "NAZIONALE"};
    QString l = QStringLiteral("Data        Ind  ");
    for (const char* r : ruote)
        l += QString::fromLatin1(r).leftJustified(16);
    return l;
}

namespace {

QStringList righeElenco(const PaginaElenco& p, const QString& vuota, const QString& margine)
{
    QStringList l{vuota, margine + intestazioneElenco(), vuota};
    for (int r = 0; r < kRigheElenco; ++r) {
        l << margine + rigaPaginaElenco(p.righe[size_t(r)]);
        if (r == 8 || r == 17 || r == 26)
            l << vuota;
    }
    return l;
}

} // namespace

QStringList righeFileElenco(const PaginaElenco& p)
{
    return righeElenco(p, vbSpace(195), QString());
}

QStringList righeStampaElenco(const PaginaElenco& p)
{
    return righeElenco(p, QString(), QStringLiteral(" "));
}
