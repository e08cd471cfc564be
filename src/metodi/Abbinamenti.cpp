#include "metodi/Abbinamenti.h"

#include "compat/vb.h"
#include "compat/vbformat.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"
#include "core/Fuori90.h"
#include "core/Restrizioni.h"

#include <algorithm>
#include <cmath>
#include <cstring>

using namespace compat;

namespace {

int cifre(const QString& s, int da, int quante)
{
    return static_cast<int>(vbVal(s.mid(da - 1, quante)));
}

// A missing number (0) never makes a spia.
bool spiaSuRuota(int tipo, int valore, const std::array<bool, 6>& posizioni, const int* e)
{
    for (int p = 1; p <= 5; ++p) {
        if (!numeroValido(e[p]))
            continue;
        if (tipo == 0 && e[p] == valore && posizioni[p])
            return true;
        if (tipo != 1 && tipo != 2)
            continue;
        for (int q = p + 1; q <= 5; ++q) {
            if (!numeroValido(e[q]))
                continue;
            const int v = tipo == 1 ? SommaFuori90(e[p], e[q]) : DifferenzaFuori90(e[p], e[q]);
            if (v == valore)
                return true;
        }
    }
    return false;
}

const QString kMancante = QStringLiteral("Impossibile calcolare gli abbinamenti: capogioco mancante.");

} // namespace

CodiceCapogioco leggiCodiceCapogioco(const QString& codice)
{
    CodiceCapogioco c;
    auto rifiuta = [&c](const char* testo) {
        c.errore = QStringLiteral("Impossibile calcolare gli abbinamenti: ") + QString::fromUtf8(testo);
        return c;
    };
    if (codice.size() < 12)
        return c.errore = kMancante, c;
    c.tipoSpia = cifre(codice, 10, 1);
    if ((c.tipoSpia == 0 && codice.size() != 17)
        || ((c.tipoSpia == 1 || c.tipoSpia == 2) && codice.size() != 12))
        return c.errore = kMancante, c;
    FormulaMetodo& f = c.formula;
    f.posizione1 = cifre(codice, 1, 1);
    if (f.posizione1 < 1 || f.posizione1 > 5)
        return rifiuta("posizione non valida.");
    f.ruota1 = cifre(codice, 2, 2);
    if (f.ruota1 < 1 || f.ruota1 > 11)
        return rifiuta("ruota 1 non valida.");
    f.operazione = codice.at(3);
    if (f.operazione != u'+' && f.operazione != u'-' && f.operazione != u'x')
        return rifiuta("operazione non valida.");
    f.posizione2 = cifre(codice, 5, 1);
    if (f.posizione2 != 0 && (f.posizione2 < 1 || f.posizione2 > 5))
        return rifiuta("posizione 2 non valida.");
    f.ruota2 = cifre(codice, 6, 2);
    if (f.ruota2 != 0 && (f.ruota2 < 1 || f.ruota2 > 11))
        return rifiuta("ruota 2 non valida.");
    f.costante = cifre(codice, 8, 2);
    if (f.costante > 89 || f.costante < 0)
        return rifiuta("numero non valido (operazione).");
    c.valoreSpia = cifre(codice, 11, 2);
    if (c.tipoSpia == 0)
        for (int p = 1; p <= 5; ++p)
            c.posizioniSpia[p] = codice.mid(11 + p, 1) == u"1";
    return c;
}

QString CandidatoAbbinato::descrizione() const
{
    return ruota2 == 0 ? descrizioneFamigliaA(posizione1, ruota1, costante)
                       : descrizioneFamigliaB(posizione1, ruota1, posizione2, ruota2);
}

QString CandidatoAbbinato::codice() const
{
    const QString c = ruota2 == 0
                          ? codiceFamigliaA(posizione1, ruota1, costante, TipoSpia::Numero, 0, {})
                          : codiceFamigliaB(posizione1, ruota1, posizione2, ruota2, TipoSpia::Numero, 0, {});
    return c.left(9);
}

namespace {

// A case whose capogioco is a number, whose window is counted after the scan.
struct CasoAbbinato {
    qint32 estrazione;
    int capogioco;
    int avanzamento;   // how far the scan had come there (AvanzamentoAbbinati)
};

// The counting goes in at most this many steps over the cases, in scan order.
constexpr int kPassi = 100;

// Rows of family A padded to 92 constants so that every row adds alike.
constexpr int kRiga = 92;
constexpr int kCoppie = 55 * 25;

struct ContiAbbinati {
    std::vector<qint32> a = std::vector<qint32>(size_t(kNumeriEstrazione) * kRiga, 0);   // (wheel, position) x constant
    std::vector<qint32> b = std::vector<qint32>(kCoppie, 0);   // r1 < r2, in (r1, p1, r2, p2) order
    qint64 uscite = 0;
};

// A candidate's count only depends on which numbers came out beside the
// capogioco in the case's window: those companions are gathered first, then
// each formula reads the count of the one number it gives. Indexed by a sum
// before its reduction (x + y, 2..180), the count of y fuori 90 is one read;
// a term that is no number reads past 180, where all is 0.
void contaCaso(const ArchivioMemoria& archivio, const CasoAbbinato& caso, int colpi,
               const std::array<bool, 12>& gioco, ContiAbbinati& conti)
{
    constexpr int kNessuno = 200;
    std::array<qint32, 2 * kNessuno + 1> compagni{};
    // The window's draws follow each other in memory: the capogioco's
    // appearances are found by searching its bytes.
    const quint8* finestra = archivio.numeri(caso.estrazione + 1);
    const size_t lunghezza = size_t(colpi) * kNumeriEstrazione;
    qint64 uscite = 0;
    for (const quint8* u = finestra;
         (u = static_cast<const quint8*>(std::memchr(u, caso.capogioco, lunghezza - size_t(u - finestra))));
         ++u) {
        const size_t o = size_t(u - finestra) % kNumeriEstrazione;
        if (!gioco[o / 5 + 1])
            continue;
        ++uscite;
        const quint8* numeri = u - o % 5;
        for (int q = 0; q < 5; ++q) {
            const int y = numeri[q];
            if (numeri + q != u && numeroValido(y)) {
                ++compagni[size_t(y)];
                ++compagni[size_t(y + 90)];
            }
        }
    }
    if (uscite == 0)
        return;
    conti.uscite += uscite;
    const quint8* e = archivio.numeri(caso.estrazione);
    int x[kNumeriEstrazione];
    for (int k = 0; k < kNumeriEstrazione; ++k)
        x[k] = numeroValido(e[k]) ? e[k] : kNessuno;
    for (int k = 0; k < kNumeriEstrazione; ++k) {
        if (x[k] == kNessuno)
            continue;
        qint32* riga = &conti.a[size_t(k) * kRiga];
        const qint32* da = &compagni[size_t(x[k])];   // constant K gives x + K fuori 90
        for (int K = 0; K < kRiga; ++K)
            riga[K] += da[K];
    }
    qint32* b = conti.b.data();
    for (int k1 = 0; k1 < 50; ++k1) {
        const qint32* da = &compagni[size_t(x[k1])];
        for (int k2 = (k1 / 5 + 1) * 5; k2 < kNumeriEstrazione; ++k2)
            *b++ += da[x[k2]];
    }
}

} // namespace

EsitoAlgoAbbinati cercaAlgoritmiAbbinati(const ArchivioMemoria& archivio,
                                         const Restrizioni& restrizioni,
                                         const ParametriAlgoAbbinati& p,
                                         const AvanzamentoAbbinati& avanzamento)
{
    EsitoAlgoAbbinati esito;
    const CodiceCapogioco& c = p.codice;
    const FormulaMetodo& f = c.formula;
    const qint32 n = archivio.numeroEstrazioni();
    std::vector<CasoAbbinato> casi;
    for (qint32 i = std::min(p.estrazioneFine, n); i >= std::max(p.estrazioneInizio, 1); --i) {
        if (!restrizioni.verifica(archivio.dataCompatta(i), char('0' + archivio.giornoSettimana(i))))
            continue;
        if (p.perSortite && esito.casi >= p.sortite)
            break;
        const quint8* caso = archivio.numeri(i);
        bool trovato = false;
        for (int w = 1; w <= 11 && !trovato; ++w) {
            if (!p.ruoteRicerca[size_t(w)])
                continue;
            int e[6] = {};
            for (int q = 1; q <= 5; ++q)
                e[q] = caso[(w - 1) * 5 + q - 1];
            trovato = spiaSuRuota(c.tipoSpia, c.valoreSpia, c.posizioniSpia, e);
        }
        if (!trovato)
            continue;
        ++esito.casi;
        const int a = caso[(f.ruota1 - 1) * 5 + f.posizione1 - 1];
        const int b = f.conCostante() ? f.costante : caso[(f.ruota2 - 1) * 5 + f.posizione2 - 1];
        if (!numeroValido(a) || (!f.conCostante() && !numeroValido(b)))
            continue;
        const int capo = OperazioneFuori90(f.operazione, a, b);
        if (numeroValido(capo) && i < n)
            casi.push_back({i, capo, p.perSortite ? esito.casi : p.estrazioneFine - i});
    }

    // A few milliseconds even over the whole archive: counted here, in steps
    // after each of which the caller hears how far the scan has come.
    ContiAbbinati tot;
    const size_t passi = std::min<size_t>(casi.size(), kPassi);
    for (size_t passo = 0; passo < passi; ++passo) {
        const size_t fine = casi.size() * (passo + 1) / passi;
        for (size_t k = casi.size() * passo / passi; k < fine; ++k)
            contaCaso(archivio, casi[k], std::min<qint32>(p.colpi, n - casi[k].estrazione), p.ruoteGioco,
                      tot);
        if (avanzamento)
            avanzamento(casi[fine - 1].avanzamento);
    }
    esito.uscite = tot.uscite;

    for (int r = 1; r <= 11; ++r)
        for (int q = 1; q <= 5; ++q)
            for (int k = 0; k <= 89; ++k)
                if (const qint32 v = tot.a[size_t((r - 1) * 5 + q - 1) * kRiga + size_t(k)])
                    esito.candidati.push_back({v, quint8(q), quint8(r), 0, 0, quint8(k)});
    const qint32* b = tot.b.data();
    for (int r1 = 1; r1 <= 10; ++r1)
        for (int p1 = 1; p1 <= 5; ++p1)
            for (int r2 = r1 + 1; r2 <= 11; ++r2)
                for (int p2 = 1; p2 <= 5; ++p2)
                    if (const qint32 v = *b++)
                        esito.candidati.push_back({v, quint8(p1), quint8(r1), quint8(p2), quint8(r2), 0});
    std::stable_sort(esito.candidati.begin(), esito.candidati.end(),
                     [](const CandidatoAbbinato& x, const CandidatoAbbinato& y) {
                         return x.conteggio > y.conteggio;
                     });
    return esito;
}

QString rigaAlgoritmoAbbinato(const CandidatoAbbinato& c, qint64 uscite)
{
    const double percentuale = uscite > 0 ? vbRound(double(c.conteggio) * 100.0 / double(uscite)) : 0.0;
    return vbFormat(QString::number(qint64(percentuale)), u"@@@") + QStringLiteral(" %   ")
           + c.descrizione();
}

EsitoNumeriAbbinati cercaNumeriAbbinati(const ArchivioMemoria& archivio,
                                        const Restrizioni& restrizioni, int capogioco,
                                        qint32 estrazioneFine,
                                        const std::array<bool, 12>& ruoteGioco,
                                        qint32 estrazioneInizio)
{
    EsitoNumeriAbbinati esito;
    if (!numeroValido(capogioco))
        return esito;
    const qint32 n = archivio.numeroEstrazioni();
    auto valida = [&](qint32 i) {
        return restrizioni.verifica(archivio.dataCompatta(i), char('0' + archivio.giornoSettimana(i)));
    };
    for (qint32 i = std::min(estrazioneFine, n); i >= std::max(estrazioneInizio, 1); --i) {
        if (!valida(i))
            continue;
        qint32 prima = 0, dopo = 0;
        bool vicineCercate = false;
        for (int w = 1; w <= 11; ++w) {
            if (!ruoteGioco[w])
                continue;
            bool esce = false;
            for (int q = 1; q <= 5; ++q)
                esce = esce || archivio.numero(i, w, q) == capogioco;
            if (!esce)
                continue;
            ++esito.occorrenze;
            if (!vicineCercate) {
                for (qint32 k = i - 1; k >= i - 5 && k >= 1 && prima == 0; --k)
                    if (valida(k))
                        prima = k;
                for (qint32 k = i + 1; k <= i + 5 && k <= n && dopo == 0; ++k)
                    if (valida(k))
                        dopo = k;
                vicineCercate = true;
            }
            std::array<bool, 91> giaContato{};
            for (qint32 k : {i, prima, dopo}) {
                if (k == 0)
                    continue;
                for (int q = 1; q <= 5; ++q) {
                    const int y = archivio.numero(k, w, q);
                    if (numeroValido(y) && y != capogioco && !giaContato[y]) {
                        ++esito.conteggi[y];
                        giaContato[y] = true;
                    }
                }
            }
        }
        if (esito.occorrenze >= 10)
            break;
    }
    return esito;
}

QStringList righeNumeriAbbinati(const EsitoNumeriAbbinati& e, int quanti)
{
    QStringList righe;
    if (e.occorrenze <= 0)
        return righe;
    const int massimo = *std::max_element(e.conteggi.begin() + 1, e.conteggi.end());
    for (int s = massimo; s >= 1 && righe.size() < quanti; --s)
        for (int y = 1; y <= 90 && righe.size() < quanti; ++y) {
            if (e.conteggi[y] != s)
                continue;
            const QString perc = vbFormat(double(s) * 100.0 / e.occorrenze, u"##0.0");
            righe << vbFormat(perc, u"@@@@@") + QStringLiteral("%  n. ")
                         + vbFormat(QString::number(y), u"@@@@");
        }
    return righe;
}

bool spiaPresente(const QString& codiceMetodo, const std::array<std::array<int, 6>, 12>& numeri,
                  const std::array<bool, 12>& ruoteRicerca)
{
    const int tipo = cifre(codiceMetodo, 10, 1);
    const int valore = cifre(codiceMetodo, 11, 2);
    std::array<bool, 6> posizioni{};
    for (int p = 1; p <= 5; ++p)
        posizioni[p] = codiceMetodo.mid(11 + p, 1) == u"1";
    for (int w = 1; w <= 11; ++w)
        if (ruoteRicerca[w] && spiaSuRuota(tipo, valore, posizioni, numeri[w].data()))
            return true;
    return false;
}

QString avvisoSpiaAssente(const QString& codiceMetodo, const QString& data)
{
    const int tipo = cifre(codiceMetodo, 10, 1);
    const int valore = cifre(codiceMetodo, 11, 2);
    const char* parola = tipo == 1 ? "Somma spia " : tipo == 2 ? "Differenza spia " : "Numero spia ";
    return QStringLiteral("Attenzione! ") + QString::fromUtf8(parola) + vbStr(valore)
           + QStringLiteral(" non presente nelle ruote di ricerca il ") + data;
}

QString testoRuoteGioco(bool tutte, const std::array<bool, 12>& ruoteGioco)
{
    if (tutte)
        return ruoteGioco[11] ? QStringLiteral(" Tutte + NZ") : QStringLiteral(" Tutte");
    QString t;
    for (int w = 1; w <= 11; ++w)
        if (ruoteGioco[w])
            t += u' ' + siglaRuota(w);
    return t;
}

QString testoMultiSegnalazione(int altri)
{
    if (altri == 1)
        return QStringLiteral("(Segnalato anche da un'altro algoritmo)");
    if (altri > 1)
        return QStringLiteral("(Segnalato da altri") + vbStr(altri) + QStringLiteral(" algoritmi)");
    return {};
}

QString testoNumeriAbbinati(const std::vector<int>& numeri)
{
    QString t;
    for (int x : numeri)
        if (x > 0)
            t += u' ' + vbFormat(QString::number(x), u"@@");
    return t;
}

QStringList righeFileNumeri(const QString& ruote, const QString& data, const QString& capogioco,
                            const QString& algoritmi, const QString& abbinati)
{
    return {QStringLiteral("Numeri da giocare su : ") + ruote + QStringLiteral(" dopo il ") + data,
            QStringLiteral("Capogioco : ") + capogioco,
            QStringLiteral("Abbinamenti ricavati da algoritmi  : ") + algoritmi,
            QStringLiteral("Abbinamenti ricavati dal capogioco : ") + abbinati};
}
