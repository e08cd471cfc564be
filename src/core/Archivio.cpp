#include "core/Archivio.h"

#include "compat/AppError.h"
#include "core/ArchivioMemoria.h"
#include "compat/paths.h"
#include "compat/vbdate.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <array>

QString EsitoApertura::messaggio() const
{
    if (!cartellaMancante && (estrazioniIlleggibile || anniIlleggibile)) {
        QString m = QStringLiteral("Archivio ");
        if (estrazioniIlleggibile)
            m += QStringLiteral("Estrazioni.ind ");
        if (anniIlleggibile)
            m += QStringLiteral("Anni.ind ");
        return m + QStringLiteral("non leggibile/i !");
    }
    QString m = QStringLiteral("Archivio ");
    if (estrazioniVuoto || cartellaMancante)
        m += QStringLiteral("Estrazioni.ind ");
    if (anniVuoto || cartellaMancante)
        m += QStringLiteral("Anni.ind ");
    return m + QStringLiteral("mancante/i !");
}

QString EsitoRicercaData::messaggio() const
{
    switch (errore) {
    case Errore::Nessuno:
        return {};
    case Errore::Formato:
        return QStringLiteral("Inserire la data nel formato GG/MM/AAAA !\r"
                              "Se la data viene mostrata automaticamente con 2 sole cifre "
                              "dell'anno,\r"
                              "è necessario aprire Pannello di controllo/Impostazioni "
                              "internazionali/Data \r"
                              "e impostare la <data breve> nel formato <gg/MM/aaaa>");
    case Errore::DataErrata:
    case Errore::NonTrovata:
        return QStringLiteral("Data errata !");
    case Errore::Inferiore:
        return QStringLiteral("La data non può essere inferiore alla data inizio gestione "
                              "archivi (")
               + primaData + u')';
    case Errore::Superiore:
        return QStringLiteral("La data non può essere superiore alla data ultima estrazione "
                              "inserita (")
               + ultimaData + u')';
    }
    return {};
}

EsitoApertura ArchivioEstrazioni::apri(const QString& cartellaProgramma)
{
    chiudi();
    solaLettura_ = false;
    EsitoApertura esito;
    const QString cartella = compat::resolvePath(cartellaProgramma, u"Archivi");
    if (!QFileInfo(cartella).isDir()) {
        esito.cartellaMancante = true;
        return esito;
    }
    // A file that is there but cannot be written is read: the program runs
    // and refuses only what would store draws.
    const auto apriFile = [&](compat::RandomFile& f, QStringView nome, int lunghezza,
                              bool& vuoto, bool& illeggibile) {
        const QString percorso = compat::resolvePath(cartella, nome);
        try {
            f.open(percorso, lunghezza);
            return;
        } catch (const compat::AppError&) {
        }
        if (!QFileInfo::exists(percorso)) {
            vuoto = true;   // missing, and it cannot be created either
            return;
        }
        try {
            f.openForReading(percorso, lunghezza);
            solaLettura_ = true;
        } catch (const compat::AppError&) {
            illeggibile = true;
        }
    };
    apriFile(estrazioni_, u"Estrazioni.ind", kLunghezzaRecEstrazione, esito.estrazioniVuoto,
             esito.estrazioniIlleggibile);
    apriFile(anni_, u"anni.ind", kLunghezzaRecAnno, esito.anniVuoto, esito.anniIlleggibile);
    // A file with no whole record holds no draw: the remains of a cut write.
    if (estrazioni_.isOpen() && estrazioni_.lof() < kLunghezzaRecEstrazione)
        esito.estrazioniVuoto = true;
    if (anni_.isOpen() && anni_.lof() == 0)
        esito.anniVuoto = true;
    if (!esito.ok()) {
        chiudi();
        return esito;
    }
    // Writers replace files through temporary ones beside them.
    if (!solaLettura_) {
        QTemporaryFile prova(cartella + QStringLiteral("/scrivibile_XXXXXX.tmp"));
        solaLettura_ = !prova.open();
    }
    esito.solaLettura = solaLettura_;
    return esito;
}

void ArchivioEstrazioni::chiudi()
{
    // The shared view belongs to the file it was read from: another archive
    // opened at this address may have as many draws.
    invalidaVistaArchivio();
    estrazioni_.close();
    anni_.close();
    estrazioniDaRiaprire_ = anniDaRiaprire_ = false;
}

void ArchivioEstrazioni::riapriEstrazioni()
{
    estrazioni_.reopen();
}

void ArchivioEstrazioni::riapriSostituito(compat::RandomFile& f)
{
    bool& inSospeso = &f == &estrazioni_ ? estrazioniDaRiaprire_ : anniDaRiaprire_;
    inSospeso = true;
    f.reopen();
    inSospeso = false;
}

void ArchivioEstrazioni::riapriSostituiti()
{
    if (estrazioniDaRiaprire_)
        riapriSostituito(estrazioni_);
    if (anniDaRiaprire_)
        riapriSostituito(anni_);
}

qint32 ArchivioEstrazioni::numeroEstrazioni() const
{
    return static_cast<qint32>(estrazioni_.records());
}

qint32 ArchivioEstrazioni::byteIncompleti() const
{
    return static_cast<qint32>(estrazioni_.lof() % kLunghezzaRecEstrazione);
}

qint32 ArchivioEstrazioni::numeroAnni() const
{
    return static_cast<qint32>(anni_.records());
}

RecEstrazione ArchivioEstrazioni::leggi(qint32 n)
{
    return RecEstrazione::daBytes(estrazioni_.get(n));
}

RecAnno ArchivioEstrazioni::leggiAnno(qint32 n)
{
    return RecAnno::daBytes(anni_.get(n));
}

QByteArray ArchivioEstrazioni::leggiBlocco(qint32 n, qint32 count)
{
    return estrazioni_.getMany(n, count);
}

QString ArchivioEstrazioni::dataEstrazione(qint32 n)
{
    return leggi(estrazioneSana(n)).dataTesto();
}

qint32 ArchivioEstrazioni::estrazioneSana(qint32 n)
{
    const qint32 tot = numeroEstrazioni();
    if (n > tot)
        n = tot;
    if (n < 1)
        n = 1;
    if (leggi(n).data())
        return n;
    for (qint32 j = n - 1; j >= 1; --j)
        if (leggi(j).data())
            return j;
    for (qint32 j = n + 1; j <= tot; ++j)
        if (leggi(j).data())
            return j;
    return n;
}

EsitoRicercaData ArchivioEstrazioni::cercaEstrazione(QStringView data, bool cercaPrecedente)
{
    using E = EsitoRicercaData::Errore;
    EsitoRicercaData esito;

    // Format test, then the calendar test on the fixed character positions.
    const auto parsed = compat::vbCDate(data);
    if (data.size() != 10 || !parsed) {
        esito.errore = E::Formato;
        return esito;
    }
    auto val = [&](int from, int len) {
        int v = 0;
        for (QChar c : data.mid(from, len)) {
            if (c < u'0' || c > u'9')
                break;
            v = v * 10 + (c.unicode() - u'0');
        }
        return v;
    };
    const int giorno = val(0, 2), mese = val(3, 2), anno = val(6, 4);
    const bool lunghi = mese == 1 || mese == 3 || mese == 5 || mese == 7 || mese == 8
                        || mese == 10 || mese == 12;
    const bool corti = mese == 4 || mese == 6 || mese == 9 || mese == 11;
    if ((anno % 4 != 0 && mese == 2 && giorno > 28) || (giorno > 31 && lunghi)
        || (giorno > 30 && corti) || (giorno > 29 && mese == 2) || mese > 12) {
        esito.errore = E::DataErrata;
        return esito;
    }
    const QDate cercata = *parsed;

    // A damaged first or last record does not move the archive's ends.
    const qint32 tot = numeroEstrazioni();
    const RecEstrazione ultima = leggi(estrazioneSana(tot));
    const RecEstrazione prima = leggi(estrazioneSana(1));
    esito.primaData = prima.dataTesto();
    esito.ultimaData = ultima.dataTesto();
    const auto primaD = prima.data();
    const auto ultimaD = ultima.data();
    if (tot < 1 || !primaD || !ultimaD) {
        esito.errore = E::NonTrovata;
        return esito;
    }
    if (cercata < *primaD) {
        esito.errore = E::Inferiore;
        return esito;
    }
    if (cercata > *ultimaD) {
        esito.errore = E::Superiore;
        return esito;
    }

    // From the year's first draw when the index gives it, else from the first.
    const qint32 primaAnno = primaEstrazioneAnno(data.mid(6, 4).toLatin1(), anno);
    const qint32 inizio = primaAnno > 0 ? primaAnno : 1;

    constexpr qint32 kBlocco = 512;
    qint32 trovata = 0;
    for (qint32 j0 = inizio; j0 <= tot && trovata == 0; j0 += kBlocco) {
        const qint32 n = std::min(kBlocco, tot - j0 + 1);
        const QByteArray blocco = leggiBlocco(j0, n);
        for (qint32 k = 0; k < n; ++k) {
            const auto d = RecEstrazione::daBytes(
                               QByteArrayView(blocco).sliced(qsizetype(k) * kLunghezzaRecEstrazione,
                                                             kLunghezzaRecEstrazione))
                               .data();
            if (!d)
                continue;
            const qint32 j = j0 + k;
            if (cercata == *d || (cercata < *d && !cercaPrecedente)) {
                trovata = j;
                break;
            }
            if (cercata < *d) {
                trovata = j - 1;
                break;
            }
        }
    }
    // The draw before a date may be a damaged one: the sound one before it.
    while (trovata >= 1 && !leggi(trovata).data())
        --trovata;
    // A scan with no match, or a match before the first record, is a rejection.
    if (trovata < 1) {
        esito.errore = E::NonTrovata;
        return esito;
    }
    const auto d = leggi(trovata).data();
    if (!d) {
        esito.errore = E::NonTrovata;
        return esito;
    }
    esito.estrazione = trovata;
    esito.data = *d;
    return esito;
}

qint32 ArchivioEstrazioni::primaEstrazioneAnno(const QByteArray& annoTesto, int anno)
{
    qint32 p = 0;
    for (qint32 a = 1, na = numeroAnni(); a <= na; ++a) {
        const RecAnno r = leggiAnno(a);
        if (r.Anno() == annoTesto) {
            p = r.PrimaEstrazione();
            break;
        }
    }
    if (p < 1 || p > numeroEstrazioni() || leggi(p).anno() != anno)
        return 0;
    // The sound draw before it must be of an earlier year; a damaged one
    // stays in the year of the draw before it, as the index is written.
    for (qint32 j = p - 1; j >= 1; --j)
        if (const int annoPrima = leggi(j).anno(); annoPrima != 0)
            return annoPrima < anno ? p : 0;
    return p;
}

bool ArchivioEstrazioni::indiceAnniUguale(const QByteArray& indice)
{
    return anni_.lof() == indice.size()
           && (indice.isEmpty() || anni_.getMany(1, numeroAnni()) == indice);
}

qint32 ArchivioEstrazioni::primaEstrazioneDal(QDate d)
{
    qint32 lo = 1, hi = numeroEstrazioni() + 1;
    while (lo < hi) {
        const qint32 mid = lo + (hi - lo) / 2;
        const auto dm = leggi(mid).data();
        if (dm && *dm >= d)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

namespace {
const std::array<const char*, 12> kNomi = {"Tutte", "Bari", "Cagliari", "Firenze",
                                           "Genova", "Milano", "Napoli", "Palermo",
                                           "Roma", "Torino", "Venezia", "Nazionale"};
const std::array<const char*, 12> kSigle = {"Tu", "BA", "CA", "FI", "GE", "MI",
                                            "NA", "PA", "RO", "TO", "VE", "NZ"};
} // namespace

QString nomeRuota(int i)
{
    if (i < 0 || i > 11)
        return {};
    return QString::fromLatin1(kNomi[i]).leftJustified(10, u' ');
}

QString siglaRuota(int i)
{
    if (i < 0 || i > 11)
        return {};
    return QString::fromLatin1(kSigle[i]);
}

QDate primaDataNazionale()
{
    return QDate(2005, 5, 4);
}

std::array<qint32, 12> primeEstrazioniRuote(ArchivioEstrazioni& a)
{
    std::array<qint32, 12> p = {0, 174, 3575, 1, 3575, 1, 1, 1, 1, 1, 1, 0};
    p[kNazionale] = a.aperto() ? a.primaEstrazioneDal(primaDataNazionale()) : 7440;
    return p;
}
