#include "consulta/Analisi.h"

#include "compat/vb.h"
#include "consulta/Ciclometria.h"
#include "consulta/IndiceUscite.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

std::array<quint32, 2> ColoriAnalisi(int indice)
{
    static constexpr std::array<std::array<quint32, 2>, kCoppieColori> coppie{{
        {0x000000, 0x00FFFF},
        {0x0000FF, 0x00FFFF},
        {0xFF0000, 0x00FFFF},
        {0x00FFFF, 0x0000FF},
        {0x00FF00, 0x000000},
        {0x000080, 0xFFFFFF},
        {0x404040, 0xFFFFFF},
        {0xFFFFFF, 0x000000},
        {0x800080, 0x00FFFF},
        {0x0080FF, 0xFF0000},
        {0xC0C0FF, 0x000000},
        {0x80FFFF, 0x000000},
        {0x008080, 0xFFFFFF},
    }};
    return coppie[size_t(indice)];
}

namespace {

void marca(Cella& c)
{
    c.marca(kSfondoAnalisi, kTestoAnalisi);
}

void marcaCoppia(Cella& c, int indice)
{
    const auto [fondo, testo] = ColoriAnalisi(indice);
    c.marca(fondo, testo);
}

int prossimoColore(int indice)
{
    return (indice + 1) % kCoppieColori;
}

// ---------------------------------------------------------------------------
// Number classes

bool diFamiglia(int codice, int v, int famiglia)
{
    switch (codice) {
    case AnalisiDecina:
        return (v + 9) / 10 - 1 == famiglia;
    case AnalisiCadenza:
        return v % 10 == famiglia;
    case AnalisiFigura: {
        int figura = v >= 10 ? v / 10 + v % 10 : v;
        if (figura > 9)
            figura -= 9;
        return figura == famiglia;
    }
    case AnalisiQuindicina: {
        const int basso = 15 * famiglia - 14;
        return v >= basso && v <= basso + 14;
    }
    default:
        return false;
    }
}

void famiglia(const ContestoAnalisi& c, ModelloCelle& m)
{
    for (int i = 1; i <= kCelleTabellone; ++i)
        if (m[i].valore > 0 && diFamiglia(c.codice, m[i].valore, c.famiglia))
            marca(m[i]);
}

void gemelli(ModelloCelle& m)
{
    for (int i = 1; i <= kCelleTabellone; ++i) {
        const int v = m[i].valore;
        if (v >= 11 && v <= 88 && v % 11 == 0)
            marca(m[i]);
    }
}

void terzine(ModelloCelle& m)
{
    for (int riga = 0; riga <= 10; ++riga)
        for (int r = 1; r <= 30; ++r) {
            std::vector<int> posizioni;
            for (int p = 1; p <= 5; ++p) {
                const int v = m.at(riga, p).valore;
                if (v == r || v == r + 30 || v == r + 60)
                    posizioni.push_back(p);
            }
            if (posizioni.size() >= 2)
                for (int p : posizioni)
                    marca(m.at(riga, p));
        }
}

EsitoAnalisi segni1X2(ModelloCelle& m)
{
    EsitoAnalisi e{true, true, {}};
    std::array<int, 3> totale{};
    for (int i = 1; i <= kCelleTabellone; ++i) {
        const int v = m[i].valore;
        if (v < 1 || v > 90)
            continue;
        const int segno = (v - 1) / 30;
        // Only the text: the value stays a number for the later steps.
        m[i].testo = QStringLiteral("1X2").mid(segno, 1);
        ++totale[size_t(segno)];
    }
    for (int s = 0; s <= 2; ++s)
        e.righe << QStringLiteral("Totale segni %1 :").arg(QStringLiteral("1X2").at(s)) + compat::vbStr(totale[size_t(s)]);
    return e;
}

EsitoAnalisi pariDispari(ModelloCelle& m)
{
    EsitoAnalisi e{true, true, {}};
    int pari = 0, dispari = 0;
    for (int i = 1; i <= 50; ++i) {
        const int v = m[i].valore;
        if (v == 0)
            continue;
        if (v % 2 == 0) {
            m[i].marca(kSfondoAnalisi, kTestoAnalisi);
            ++pari;
        } else {
            m[i].marca(kSfondoMinimo, kTestoAnalisi);
            ++dispari;
        }
    }
    if (pari > 0 || dispari > 0) {
        e.righe << QStringLiteral("Sono usciti ") + compat::vbStr(pari) + QStringLiteral(" numeri pari (in rosso)");
        e.righe << QStringLiteral("Sono usciti ") + compat::vbStr(dispari) + QStringLiteral(" numeri dispari (in blu)");
    }
    return e;
}

// ---------------------------------------------------------------------------
// Drawn and undrawn numbers

EsitoAnalisi usciti(const ContestoAnalisi& c, ModelloCelle& m)
{
    EsitoAnalisi e;
    e.titolo = true;
    if (!c.tutteLeRuote)
        return e;
    e.riepilogo = true;
    std::array<bool, 91> sulTabellone{};
    for (int i = 1; i <= kCelleTabellone; ++i) {
        const int v = m[i].valore;
        if (v >= 0 && v <= 90)
            sulTabellone[size_t(v)] = true;
    }
    // The draw before; the first draw has none, which reads as an empty draw.
    std::array<bool, 91> precedente{};
    const bool scorsa = c.codice == AnalisiUscitiScorsa || c.codice == AnalisiNonUscitiScorsa;
    if (scorsa && c.vista && c.estrazione > 1 && c.estrazione - 1 <= c.vista->numeroEstrazioni()) {
        const quint8* numeri = c.vista->numeri(c.estrazione - 1);
        for (int k = 0; k < kNumeriEstrazione; ++k)
            precedente[numeri[k]] = true;
    }
    std::array<bool, 91> scelti{};
    int quanti = 0;
    for (int n = 1; n <= 90; ++n) {
        switch (c.codice) {
        case AnalisiUsciti: scelti[n] = sulTabellone[n]; break;
        case AnalisiNonUsciti: scelti[n] = !sulTabellone[n]; break;
        case AnalisiUscitiScorsa: scelti[n] = sulTabellone[n] && precedente[n]; break;
        default: scelti[n] = sulTabellone[n] && !precedente[n]; break;
        }
        quanti += scelti[n] ? 1 : 0;
    }
    static const char* intestazioni[] = {"---> Sono usciti %1 numeri <---", "---> Non sono usciti %1 numeri <---",
                                         "Usciti la scorsa estrazione :%1 numeri",
                                         "Non usciti la scorsa estrazione :%1 numeri"};
    if (quanti > 0)
        e.righe << QString::fromLatin1(intestazioni[c.codice - AnalisiUsciti]).arg(compat::vbStr(quanti))
                << QStringLiteral(" ");
    QString riga;
    for (int n = 1; n <= 90; ++n) {
        if (scelti[n])
            riga += QString::number(n) + u',';
        if (n % 10 == 0 && (n == 90 || !scorsa || !riga.isEmpty())) {
            e.righe << riga;
            riga.clear();
        }
    }
    if (scorsa)
        for (int i = 1; i <= kCelleTabellone; ++i) {
            const int v = m[i].valore;
            if (v >= 1 && v <= 90 && scelti[size_t(v)])
                marca(m[i]);
        }
    return e;
}

// ---------------------------------------------------------------------------
// Pair relations within a row

constexpr std::array<std::pair<int, int>, 10> kCoppiePosizioni{
    {{1, 2}, {1, 3}, {1, 4}, {1, 5}, {2, 3}, {2, 4}, {2, 5}, {3, 4}, {3, 5}, {4, 5}}};

bool vertibili(int a, int b)
{
    return a >= 10 && b >= 10 && a % 10 != 0 && (a % 10) * 10 + a / 10 == b;
}

void relazioni(int codice, ModelloCelle& m)
{
    for (int riga = 0; riga <= 10; ++riga) {
        std::array<bool, 6> marcate{};
        if (codice == AnalisiVertibili) {
            bool vuota = false;
            for (int p = 1; p <= 5; ++p)
                vuota = vuota || m.at(riga, p).valore == 0;
            if (vuota)
                continue;
        }
        for (auto [p, q] : kCoppiePosizioni) {
            const int a = m.at(riga, p).valore;
            const int b = m.at(riga, q).valore;
            bool coppia = false;
            switch (codice) {
            case AnalisiComplementari: coppia = a + b == 90; break;
            case AnalisiSimmetrici: coppia = std::abs(a - b) == 45; break;
            default: coppia = vertibili(a, b) || vertibili(b, a); break;
            }
            if (coppia)
                marcate[size_t(p)] = marcate[size_t(q)] = true;
        }
        for (int p = 1; p <= 5; ++p)
            if (marcate[size_t(p)])
                marca(m.at(riga, p));
    }
}

void radicali(ModelloCelle& m)
{
    for (int riga = 0; riga <= 10; ++riga)
        for (int i = 1; i <= 8; ++i) {
            const std::array<int, 4> gruppo{i, 10 * i, 11 * i, 10 * i + 9};
            std::vector<int> posizioni;
            for (int p = 1; p <= 5; ++p)
                if (std::find(gruppo.begin(), gruppo.end(), m.at(riga, p).valore) != gruppo.end())
                    posizioni.push_back(p);
            if (posizioni.size() >= 2)
                for (int p : posizioni)
                    marca(m.at(riga, p));
        }
}

// ---------------------------------------------------------------------------
// Repeated numbers and pairs

// Lines ordered by their count, largest first, then by their text.
QStringList ordinaPerConteggio(std::vector<std::pair<int, QString>> righe)
{
    auto chiave = [](const std::pair<int, QString>& r) {
        return QString::number(100 - r.first).rightJustified(3, u'0') + r.second;
    };
    std::stable_sort(righe.begin(), righe.end(), [&](const auto& a, const auto& b) {
        return chiave(a).compare(chiave(b), Qt::CaseInsensitive) < 0;
    });
    QStringList out;
    for (const auto& r : righe)
        out << r.second;
    return out;
}

QString sigla(int cella)
{
    return siglaRuota((cella - 1) / 5 + 1);
}

EsitoAnalisi numeriRipetuti(const ContestoAnalisi& c, ModelloCelle& m)
{
    EsitoAnalisi e{true, true, {}};
    std::array<bool, kCelleTabellone + 1> contato{};
    std::vector<std::pair<int, QString>> righe;
    for (int i = 1; i <= kCelleTabellone; ++i) {
        const int n = m[i].valore;
        int quanti = 1;
        QString riga = QString::number(n);
        if (c.tutteLeRuote)
            riga += QStringLiteral(" : ") + sigla(i);
        for (int j = i + 1; j <= kCelleTabellone; ++j)
            if (n != 0 && !contato[size_t(i)] && m[j].valore == n && (!c.isotopi || (j - i) % 5 == 0)) {
                if (c.tutteLeRuote)
                    riga += u',' + sigla(j);
                ++quanti;
                contato[size_t(j)] = true;
            }
        if (quanti >= 2)
            righe.emplace_back(quanti, riga);
    }
    if (!righe.empty())
        e.righe << QStringLiteral("--->") + compat::vbStr(double(righe.size())) +
                       (c.isotopi ? QStringLiteral(" numeri isotopi ripetuti") : QStringLiteral(" numeri ripetuti")) +
                       QStringLiteral(" <---")
                << QStringLiteral(" ");
    e.righe << ordinaPerConteggio(std::move(righe));

    int colore = 0;
    for (int i = 1; i <= kCelleTabellone; ++i) {
        const int n = m[i].valore;
        if (n <= 0)
            continue;
        bool trovato = false;
        for (int j = i + 1; j <= kCelleTabellone; ++j)
            if (m[j].valore == n && (!c.isotopi || (j - i) % 5 == 0) && !m[j].marcata()) {
                marcaCoppia(m[i], colore);
                marcaCoppia(m[j], colore);
                trovato = true;
            }
        if (trovato)
            colore = prossimoColore(colore);
    }
    return e;
}

EsitoAnalisi ambiRipetuti(const ContestoAnalisi& c, ModelloCelle& m)
{
    EsitoAnalisi e{true, true, {}};
    struct Ambo {
        int a = 0, b = 0;
        QString avanti, indietro;
    };
    std::array<Ambo, 111> ambi;
    for (int r = 0; r <= 10; ++r)
        for (int s = 1; s <= 10; ++s) {
            Ambo& x = ambi[size_t(10 * r + s)];
            x.a = m.at(r, kCoppiePosizioni[size_t(s - 1)].first).valore;
            x.b = m.at(r, kCoppiePosizioni[size_t(s - 1)].second).valore;
            const QString fa = QStringLiteral("%1").arg(x.a, 2), fb = QStringLiteral("%1").arg(x.b, 2);
            x.avanti = fa + u'-' + fb;
            x.indietro = fb + u'-' + fa;
        }
    std::array<bool, 111> contato{};
    std::vector<std::pair<int, QString>> righe;
    int colore = 0;
    for (int i = 1; i <= 110; ++i) {
        const Ambo& x = ambi[size_t(i)];
        if (x.a == 0)
            continue;
        int quanti = 1;
        QString riga = x.avanti;
        if (c.tutteLeRuote)
            riga += QStringLiteral(" : ") + siglaRuota((i - 1) / 10 + 1);
        for (int j = i + 1; j <= 110; ++j) {
            const Ambo& y = ambi[size_t(j)];
            if ((y.avanti != x.avanti && y.indietro != x.avanti) || contato[size_t(i)] ||
                (c.isotopi && (j - i) % 10 != 0))
                continue;
            if (c.tutteLeRuote)
                riga += u',' + siglaRuota((j - 1) / 10 + 1);
            ++quanti;
            for (int r = 0; r <= 10; ++r) {
                std::vector<int> celle;
                for (int p = 1; p <= 5; ++p)
                    if (m.at(r, p).valore == x.a || m.at(r, p).valore == x.b)
                        celle.push_back(p);
                if (celle.size() == 2)
                    for (int p : celle)
                        marcaCoppia(m.at(r, p), colore);
            }
            colore = prossimoColore(colore);
            contato[size_t(j)] = true;
        }
        if (quanti >= 2)
            righe.emplace_back(quanti, riga);
    }
    const QString isotopo = c.isotopi ? QStringLiteral(" isotopo") : QString();
    if (righe.empty())
        e.righe << QStringLiteral("---> nessun ambo") + isotopo + QStringLiteral(" ripetuto <---");
    else
        e.righe << QStringLiteral("--->") + compat::vbStr(double(righe.size())) +
                       (c.isotopi ? QStringLiteral(" ambo/i isotopi ripetuti") : QStringLiteral(" ambo/i ripetuti")) +
                       QStringLiteral(" <---")
                << QStringLiteral(" ");
    e.righe << ordinaPerConteggio(std::move(righe));
    return e;
}

} // namespace

EsitoAnalisi EseguiAnalisi(const ContestoAnalisi& c, ModelloCelle& m)
{
    switch (c.codice) {
    case AnalisiDecina:
    case AnalisiCadenza:
    case AnalisiFigura:
    case AnalisiQuindicina:
        famiglia(c, m);
        break;
    case AnalisiGemelli:
        gemelli(m);
        break;
    case AnalisiTerzine:
        terzine(m);
        break;
    case Analisi1X2:
        if (c.tutteLeRuote)
            return segni1X2(m);
        break;
    case AnalisiPariDispari:
        if (c.tutteLeRuote)
            return pariDispari(m);
        break;
    case AnalisiUsciti:
    case AnalisiNonUsciti:
    case AnalisiUscitiScorsa:
    case AnalisiNonUscitiScorsa:
        return usciti(c, m);
    case AnalisiRitardo:
        // Rows are wheels only in the all-wheels layout.
        if (c.tutteLeRuote && c.vista)
            MarcaRitardiAlmeno(*c.vista, c.estrazione, c.sogliaRitardo, m);
        break;
    case AnalisiComplementari:
    case AnalisiSimmetrici:
    case AnalisiVertibili:
        relazioni(c.codice, m);
        break;
    case AnalisiRadicali:
        radicali(m);
        break;
    case AnalisiNumeriRipetuti:
        return numeriRipetuti(c, m);
    case AnalisiAmbiRipetuti:
        return ambiRipetuti(c, m);
    case AnalisiSomma:
    case AnalisiDistanza:
        return {true, true,
                MarcaSommaDistanza(c.codice == AnalisiSomma, c.obiettivo, c.fuori90, c.isotopi, m)};
    case AnalisiSommeUguali:
    case AnalisiDistanzeUguali:
        MarcaUgualiIsotope(c.codice == AnalisiSommeUguali, m);
        break;
    default:
        break;
    }
    return {};
}
