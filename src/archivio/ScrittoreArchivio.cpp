#include "archivio/ScrittoreArchivio.h"

#include "compat/AppError.h"

#include <algorithm>
#include <optional>
#include <set>

namespace {

bool gBloccato = false;

using Errore = EsitoScrittura::Errore;

EsitoScrittura errore(Errore e, qint32 record = 0)
{
    EsitoScrittura r;
    r.errore = e;
    r.recordErrato = record;
    return r;
}

RecEstrazione recordA(const QByteArray& records, qint32 i)
{
    return RecEstrazione::daBytes(
        QByteArrayView(records).sliced(qsizetype(i) * kLunghezzaRecEstrazione,
                                       kLunghezzaRecEstrazione));
}

std::set<int> anniIndicizzati(ArchivioEstrazioni& a)
{
    std::set<int> anni;
    const qint32 n = a.numeroAnni();
    for (qint32 i = 1; i <= n; ++i)
        anni.insert(a.leggiAnno(i).anno());
    return anni;
}

// Year records for the stored years that `anni` lacks, each at its year's
// first draw; `anni` gains them. A stop between the draw write and the year
// write leaves such years behind, the last stored draw's year among them:
// while that one is indexed, nothing is missing and no draw is read.
QByteArray anniMancanti(ArchivioEstrazioni& a, std::set<int>& anni)
{
    QByteArray mancanti;
    constexpr qint32 kBlocco = 1024;
    const qint32 tot = a.numeroEstrazioni();
    if (tot < 1)
        return mancanti;
    if (const auto ultima = a.leggi(tot).data(); ultima && anni.count(ultima->year()))
        return mancanti;
    for (qint32 j0 = 1; j0 <= tot; j0 += kBlocco) {
        const qint32 n = std::min(kBlocco, tot - j0 + 1);
        const QByteArray blocco = a.leggiBlocco(j0, n);
        for (qint32 k = 0; k < n; ++k) {
            const auto d = recordA(blocco, k).data();
            if (d && anni.insert(d->year()).second)
                mancanti += RecAnno::crea(d->year(), j0 + k).toBytes();
        }
    }
    return mancanti;
}

// Both files' sizes up to their last whole record: what lies past it is part
// of a record whose write was cut short, which no reader takes.
struct Intere {
    qint64 estrazioni;
    qint64 anni;
};

Intere dimensioniIntere(ArchivioEstrazioni& a)
{
    return {qint64(a.numeroEstrazioni()) * kLunghezzaRecEstrazione,
            qint64(a.numeroAnni()) * kLunghezzaRecAnno};
}

// Drops the partial records, so that what is appended lands on whole ones.
void tagliaCode(ArchivioEstrazioni& a, const Intere& intere)
{
    for (auto [file, dimensione] : {std::pair{&a.fileEstrazioni(), intere.estrazioni},
                                    std::pair{&a.fileAnni(), intere.anni}}) {
        if (file->lof() != dimensione) {
            file->truncate(dimensione);
            file->flush();
        }
    }
}

// The draw file opened again after a write, as readers expect; a failure
// leaves it open on the handle that wrote, and is told with the outcome.
EsitoScrittura riapri(ArchivioEstrazioni& a, EsitoScrittura esito)
{
    try {
        a.riapriEstrazioni();
    } catch (const compat::AppError& e) {
        esito.nonRiaperto = true;
        esito.dettaglio = e.description;
    }
    return esito;
}

// Puts both files back to the sizes given; false when that fails too.
bool ripristina(ArchivioEstrazioni& a, qint64 estrazioni, qint64 anni)
{
    bool ok = true;
    for (auto [file, dimensione] : {std::pair{&a.fileEstrazioni(), estrazioni},
                                    std::pair{&a.fileAnni(), anni}}) {
        try {
            file->truncate(dimensione);
            file->flush();
        } catch (const compat::AppError&) {
            ok = false;
        }
    }
    return ok;
}

} // namespace

BloccoScrittura::BloccoScrittura()
{
    if (!gBloccato)
        preso_ = gBloccato = true;
}

BloccoScrittura::~BloccoScrittura()
{
    if (preso_)
        gBloccato = false;
}

bool BloccoScrittura::occupato()
{
    return gBloccato;
}

bool recordValido(const RecEstrazione& r)
{
    const auto cifra = [](char c) { return c >= '1' && c <= '7'; };
    if (!cifra(r.GiornoSettimana()) || !cifra(r.GiornoEstrazione()) || r.ProgressivoAnno() < 1)
        return false;
    if (!r.data())
        return false;
    for (int w = 1; w <= kRuote; ++w)
        for (int p = 1; p <= 5; ++p)
            if (r.byteNumero(w, p) > 90)
                return false;
    return true;
}

EsitoScrittura accodaEstrazioni(ArchivioEstrazioni& a, const BloccoScrittura& blocco,
                                const QByteArray& records)
{
    if (!blocco.preso())
        return errore(Errore::Occupato);
    if (records.isEmpty() || records.size() % kLunghezzaRecEstrazione != 0)
        return errore(Errore::RecordNonValido, 1);
    auto& fEstr = a.fileEstrazioni();
    auto& fAnni = a.fileAnni();
    const qint32 presenti = a.numeroEstrazioni();
    std::optional<QDate> precedente;
    if (presenti > 0) {
        precedente = a.leggi(presenti).data();
        if (!precedente)
            return errore(Errore::ArchivioDanneggiato);
    }

    // Everything is checked before the first byte is written.
    const qint32 quanti = static_cast<qint32>(records.size() / kLunghezzaRecEstrazione);
    const Intere intere = dimensioniIntere(a);
    std::set<int> anni = anniIndicizzati(a);
    QByteArray nuoviAnni = anniMancanti(a, anni);
    for (qint32 i = 0; i < quanti; ++i) {
        const RecEstrazione r = recordA(records, i);
        if (!recordValido(r))
            return errore(Errore::RecordNonValido, i + 1);
        const QDate d = *r.data();
        if (precedente && d <= *precedente)
            return errore(Errore::FuoriOrdine, i + 1);
        if ((!precedente || d.year() != precedente->year()) && !anni.count(d.year())) {
            anni.insert(d.year());
            nuoviAnni += RecAnno::crea(d.year(), presenti + i + 1).toBytes();
        }
        precedente = d;
    }

    try {
        tagliaCode(a, intere);
        fEstr.putMany(presenti + 1, records);
        fEstr.flush();
        if (!nuoviAnni.isEmpty()) {
            fAnni.putMany(intere.anni / kLunghezzaRecAnno + 1, nuoviAnni);
            fAnni.flush();
        }
    } catch (const compat::AppError& e) {
        EsitoScrittura r = errore(ripristina(a, intere.estrazioni, intere.anni)
                                      ? Errore::Scrittura
                                      : Errore::NonRipristinato);
        r.dettaglio = e.description;
        return r;
    }
    EsitoScrittura r;
    r.primo = presenti + 1;
    r.ultimo = presenti + quanti;
    r.anniAggiunti = static_cast<int>(nuoviAnni.size() / kLunghezzaRecAnno);
    return riapri(a, r);
}

EsitoScrittura correggiEstrazione(ArchivioEstrazioni& a, const BloccoScrittura& blocco, qint32 n,
                                  const RecEstrazione& r)
{
    if (!blocco.preso())
        return errore(Errore::Occupato);
    const qint32 presenti = a.numeroEstrazioni();
    if (n < 1 || n > presenti)
        return errore(Errore::FuoriOrdine, 1);
    if (!recordValido(r))
        return errore(Errore::RecordNonValido, 1);
    const QDate d = *r.data();
    const RecEstrazione vecchio = a.leggi(n);
    const auto dataVecchia = vecchio.data();
    if (!dataVecchia || dataVecchia->year() != d.year())
        return errore(Errore::AnnoDiverso, 1);
    if (n > 1) {
        const auto prima = a.leggi(n - 1).data();
        if (prima && d <= *prima)
            return errore(Errore::FuoriOrdine, 1);
    }
    if (n < presenti) {
        const auto dopo = a.leggi(n + 1).data();
        if (dopo && d >= *dopo)
            return errore(Errore::FuoriOrdine, 1);
    }

    auto& fEstr = a.fileEstrazioni();
    auto& fAnni = a.fileAnni();
    const Intere intere = dimensioniIntere(a);
    std::set<int> anni = anniIndicizzati(a);
    const QByteArray mancanti = anniMancanti(a, anni);
    try {
        tagliaCode(a, intere);
        fEstr.put(n, r.toBytes());
        fEstr.flush();
        if (!mancanti.isEmpty()) {
            fAnni.putMany(intere.anni / kLunghezzaRecAnno + 1, mancanti);
            fAnni.flush();
        }
    } catch (const compat::AppError& e) {
        bool rimesso = true;
        try {
            fEstr.put(n, vecchio.toBytes());
            fEstr.flush();
        } catch (const compat::AppError&) {
            rimesso = false;
        }
        rimesso = ripristina(a, intere.estrazioni, intere.anni) && rimesso;
        EsitoScrittura esito = errore(rimesso ? Errore::Scrittura : Errore::NonRipristinato);
        esito.dettaglio = e.description;
        return esito;
    }
    EsitoScrittura esito;
    esito.primo = esito.ultimo = n;
    esito.anniAggiunti = static_cast<int>(mancanti.size() / kLunghezzaRecAnno);
    return riapri(a, esito);
}
