#include "archivio/StampaEstrazioni.h"

#include "compat/vb.h"
#include "core/Archivio.h"

#include <algorithm>
#include <array>

using compat::vbCInt;

namespace {

using Tipo = ComandoStampa::Tipo;

// Builds a document call by call, as the print loop would make them.
class Scrittura {
public:
    void carattere(const QString& famiglia, double punti) { doc.push_back({Tipo::Carattere, famiglia, punti}); }
    void grassetto(bool si) { doc.push_back({Tipo::Grassetto, {}, si ? 1.0 : 0.0}); }
    void colonna(int c) { doc.push_back({Tipo::Colonna, {}, double(c)}); }
    void x(double twips) { doc.push_back({Tipo::PosizioneX, {}, twips}); }
    void testo(const QString& t)
    {
        if (!t.isEmpty())
            doc.push_back({Tipo::Testo, t, 0});
    }
    void aColonna(int c, const QString& t)
    {
        if (t.isEmpty())
            return; // an empty place prints nothing
        colonna(c);
        testo(t);
    }
    void fineRiga() { doc.push_back({Tipo::FineRiga, {}, 0}); }
    void nuovaPagina() { doc.push_back({Tipo::NuovaPagina, {}, 0}); }

    DocumentoStampa doc;
};

QString campoNumero(int n)
{
    return QString::number(n).rightJustified(3, u' ');
}

// The near-date filter's memory: the year last seen and whether it printed.
struct StatoDateVicine {
    int anno = -1;
    bool stampato = false;
};


class ElencoUnaRuota {
public:
    ElencoUnaRuota(Scrittura& s, const RichiestaStampa& r) : s_(s), r_(r) {}

    void aggiungi(const QString& voce)
    {
        if (voce.isEmpty())
            return; // a draw with a missing number is left out of the list
        voci_[size_t(n_++)] = voce;
        if (n_ == 100)
            stampaPagina();
    }
    void chiudi()
    {
        if (n_ > 0)
            stampaPagina();
    }

private:
    void intestazione()
    {
        s_.fineRiga();
        s_.grassetto(true);
        s_.aColonna(ColonnaCentrata(int(r_.intestazione[0].size())), r_.intestazione[0]);
        s_.fineRiga();
        s_.fineRiga();
        s_.aColonna(ColonnaCentrata(int(r_.intestazione[1].size())), r_.intestazione[1]);
        s_.fineRiga();
        s_.aColonna(65, QStringLiteral("Pag.") + QString::number(pagina_).rightJustified(4, u' '));
        s_.fineRiga();
        s_.fineRiga();
        s_.grassetto(false);
    }
    void stampaPagina()
    {
        // The new page waits for output, so a list that ends on a full page
        // leaves no blank page behind.
        if (pagina_ > 1)
            s_.nuovaPagina();
        intestazione();
        for (int i = 0; i < 50; ++i) {
            s_.aColonna(6, voci_[size_t(i)]);
            s_.aColonna(47, voci_[size_t(i + 50)]);
            s_.fineRiga();
        }
        voci_.fill(QString());
        n_ = 0;
        ++pagina_;
    }

    Scrittura& s_;
    const RichiestaStampa& r_;
    std::array<QString, 100> voci_;
    int n_ = 0;
    int pagina_ = 1;
};

class ElencoTutteLeRuote {
public:
    explicit ElencoTutteLeRuote(Scrittura& s) : s_(s) {}

    void aggiungi(const ArchivioMemoria& a, qint32 r)
    {
        auto& b = blocchi_[size_t(blocco_)];
        b[0] = a.dataTesto(r);
        for (int w = 1; w <= 11; ++w)
            b[size_t(w)] = RigaBlocco(a, r, w);
        if (++blocco_ == 3) {
            stampaRiga(true);
            if (++rigaBlocchi_ == 4)
                rigaBlocchi_ = 0; // the next block row opens a page
        }
    }
    void chiudi()
    {
        if (blocco_ > 0)
            stampaRiga(false);
    }

private:
    void stampaRiga(bool chiusa)
    {
        if (rigaBlocchi_ == 0 && stampate_ > 0)
            s_.nuovaPagina();
        static constexpr int colDate[3] = {12, 37, 62};
        static constexpr int colRuote[3] = {5, 30, 55};
        for (int k = 0; k < 3; ++k)
            s_.aColonna(colDate[k], blocchi_[size_t(k)][0]);
        s_.fineRiga();
        s_.fineRiga();
        for (int w = 1; w <= 11; ++w) {
            for (int k = 0; k < 3; ++k)
                s_.aColonna(colRuote[k], blocchi_[size_t(k)][size_t(w)]);
            s_.fineRiga();
        }
        if (chiusa)
            s_.fineRiga();
        for (auto& b : blocchi_)
            b.fill(QString());
        blocco_ = 0;
        ++stampate_;
    }

    Scrittura& s_;
    std::array<std::array<QString, 12>, 3> blocchi_;
    int blocco_ = 0;
    int rigaBlocchi_ = 0;
    int stampate_ = 0;
};

} // namespace

bool StampaQualcosa(const DocumentoStampa& doc)
{
    return std::any_of(doc.begin(), doc.end(),
                       [](const ComandoStampa& c) { return c.tipo == Tipo::Testo; });
}

int ColonnaCentrata(int lunghezza)
{
    return std::max(1, vbCInt((80.0 - lunghezza) / 2));
}

bool GiornoMeseValido(int giorno, int mese)
{
    if (mese < 1 || mese > 12 || giorno < 1 || giorno > 31)
        return false;
    if (mese == 2)
        return giorno <= 28;
    if (mese == 4 || mese == 6 || mese == 9 || mese == 11)
        return giorno <= 30;
    return true;
}

QString VoceRuota(const ArchivioMemoria& a, qint32 r, int ruota)
{
    QString voce = a.dataTesto(r) + QStringLiteral("  ");
    for (int p = 1; p <= 5; ++p) {
        const int n = a.numero(r, ruota, p);
        if (n == 0)
            return {};
        voce += campoNumero(n);
    }
    return voce;
}

QString RigaBlocco(const ArchivioMemoria& a, qint32 r, int ruota)
{
    QString riga = siglaRuota(ruota) + QStringLiteral("  ");
    for (int p = 1; p <= 5; ++p) {
        const int n = a.numero(r, ruota, p);
        riga += n == 0 ? QStringLiteral(" --") : campoNumero(n);
    }
    return riga;
}

DocumentoStampa ElencoEstrazioni(const ArchivioMemoria& a, const RichiestaStampa& richiesta)
{
    Scrittura s;
    s.carattere(QStringLiteral("Courier New"), 12);
    ElencoUnaRuota unaRuota(s, richiesta);
    ElencoTutteLeRuote tutte(s);
    StatoDateVicine vicine;
    const qint32 fine = std::min(richiesta.fine, a.numeroEstrazioni());
    for (qint32 r = std::max(1, richiesta.inizio); r <= fine; ++r) {
        const QString data = a.dataTesto(r);
        if (richiesta.modo == ModoStampa::Mese && data.mid(3, 2).toInt() != richiesta.mese)
            continue;
        if (richiesta.modo == ModoStampa::DateVicine) {
            const int anno = data.mid(6, 4).toInt();
            if (anno != vicine.anno) {
                vicine.anno = anno;
                vicine.stampato = false;
            }
            if (vicine.stampato || data.mid(3, 2).toInt() * 100 + data.left(2).toInt() < richiesta.chiaveData)
                continue;
            // The year's first draw on or after the day uses up the year even
            // when the wheel has no numbers in it: a later draw is no stand-in.
            vicine.stampato = true;
        }
        if (richiesta.ruota == 0)
            tutte.aggiungi(a, r);
        else
            unaRuota.aggiungi(VoceRuota(a, r, richiesta.ruota));
    }
    unaRuota.chiudi();
    tutte.chiudi();
    return s.doc;
}

QString RigaGriglia(const ArchivioMemoria& a, qint32 r, int ruota)
{
    QString riga(98, u' ');
    for (int g = 0; g < 9; ++g)
        riga.replace(11 * g, 10, QString(10, u'.'));
    for (int p = 1; p <= 5; ++p) {
        const int n = a.numero(r, ruota, p);
        if (n < 1 || n > 90)
            continue; // a missing number marks nothing
        const int gruppo = (n - 1) / 10;     // NumeroDecina - 1
        const int posto = (n - 1) % 10;      // Cadenza, 0 counted as place 10
        riga[11 * gruppo + posto] = QChar(u'0' + n % 10);
    }
    return riga;
}

DocumentoStampa GrigliaRuota(const ArchivioMemoria& a, const RichiestaStampa& richiesta)
{
    static const QString decine = QStringLiteral(
        "0000000001 1111111112 2222222223 3333333334 4444444445 5555555556 6666666667 7777777778 8888888889");
    static const QString unita = QStringLiteral(
        "1234567890 1234567890 1234567890 1234567890 1234567890 1234567890 1234567890 1234567890 1234567890");
    Scrittura s;
    const auto posizioni = [&s](const QString& caratteri) {
        for (int i = 0; i < caratteri.size(); ++i)
            if (caratteri[i] != u' ') {
                s.x(PosizioneGriglia(i + 1));
                s.testo(caratteri.mid(i, 1));
            }
    };
    s.carattere(QStringLiteral("Arial"), 9);
    s.fineRiga();
    s.testo(QStringLiteral("Estrazioni della ruota di "));
    s.grassetto(true);
    s.testo(richiesta.testoRuota);
    s.grassetto(false);
    s.fineRiga();
    s.fineRiga();
    posizioni(decine);
    s.fineRiga();
    posizioni(unita);
    s.fineRiga();
    const qint32 fine = std::min(richiesta.fine, a.numeroEstrazioni());
    for (qint32 r = std::max(1, richiesta.inizio); r <= fine; ++r) {
        const QString data = a.dataTesto(r);
        s.x(0);
        s.testo(data.left(6) + data.mid(8, 2) + u' ');
        posizioni(RigaGriglia(a, r, richiesta.ruota));
        for (int p = 1; p <= 5; ++p) {
            s.x(PosizioneGriglia(98 + 3 * p));
            s.testo(QString::number(a.numero(r, richiesta.ruota, p)).rightJustified(2, u' '));
        }
        s.fineRiga();
    }
    return s.doc;
}
