#include "archivio/ScrittoreArchivio.h"

#include "compat/AppError.h"
#include "compat/files.h"
#include "core/ArchivioMemoria.h"
#include "core/ScritturaArchivio.h"

#include <optional>

namespace {

bool gBloccato = false;

using Errore = EsitoScrittura::Errore;

EsitoScrittura errore(Errore e, qint32 record = 0, const QString& dettaglio = {})
{
    EsitoScrittura r;
    r.errore = e;
    r.recordErrato = record;
    r.dettaglio = dettaglio;
    return r;
}

RecEstrazione recordA(QByteArrayView records, qint32 i)
{
    return RecEstrazione::daBytes(
        records.sliced(qsizetype(i) * kLunghezzaRecEstrazione, kLunghezzaRecEstrazione));
}

// The year index that the stored draws followed by `aggiunte` call for. The
// stored ones are taken from the shared view, so nothing is read for them.
QByteArray indiceAtteso(ArchivioEstrazioni& a, const QByteArray& aggiunte)
{
    return indiceAnni(*vistaArchivio(a), aggiunte);
}

// Replaces one of the archive's files whole. On failure (AppError with the
// run-time error) the old file stays byte for byte.
void sostituisci(const QString& percorso, const QByteArray& dati)
{
    int numero = 0;
    if (!compat::replaceOwnFile(percorso, dati, nullptr, &numero))
        compat::raise(numero);
}

// Writes the year index afresh unless it is `indice` byte for byte: a year
// missing, out of order or pointing elsewhere, or a record cut short.
bool aggiornaIndice(ArchivioEstrazioni& a, const QByteArray& indice)
{
    if (a.indiceAnniUguale(indice))
        return false;
    sostituisci(a.percorsoAnni(), indice);
    return true;
}

// The draw file up to its last whole record: what lies past it is part of a
// record whose write was cut short, which no reader takes.
qint64 byteInteri(ArchivioEstrazioni& a)
{
    return qint64(a.numeroEstrazioni()) * kLunghezzaRecEstrazione;
}

// Drops the partial record, so that what is appended lands on whole ones.
void tagliaCoda(compat::RandomFile& f, qint64 interi)
{
    if (f.lof() != interi) {
        f.truncate(interi);
        f.flush();
    }
}

// Puts the draw file back to its whole records; false when that fails too.
bool ripristina(compat::RandomFile& f, qint64 interi)
{
    try {
        f.truncate(interi);
        f.flush();
        return true;
    } catch (const compat::AppError&) {
        return false;
    }
}

// A write that failed and was undone (`rimesso`): the draws are as they were,
// and so is every byte unless a partial record was dropped on the way.
EsitoScrittura fallita(bool rimesso, bool codaTolta, const compat::AppError& e)
{
    const Errore tipo = !rimesso   ? Errore::NonRipristinato
                        : codaTolta ? Errore::RecordIncompletoRimosso
                                    : Errore::Scrittura;
    return errore(tipo, 0, e.description);
}

// The draw file opened again after a write in place, as readers expect; a
// failure leaves it open on the handle that wrote, and is told.
void riapri(ArchivioEstrazioni& a, EsitoScrittura& esito)
{
    try {
        a.riapriEstrazioni();
    } catch (const compat::AppError& e) {
        esito.nonRiaperto = true;
        esito.dettaglio = e.description;
    }
}

// A replaced file opened again; till that succeeds the old one is read.
void riapriSostituito(ArchivioEstrazioni& a, compat::RandomFile& f, EsitoScrittura& esito)
{
    try {
        a.riapriSostituito(f);
    } catch (const compat::AppError& e) {
        esito.nonRiaperto = esito.leggeIlVecchio = true;
        esito.dettaglio = e.description;
    }
}

EsitoScrittura scritta(qint32 primo, qint32 ultimo, bool indiceRiscritto)
{
    EsitoScrittura r;
    r.primo = primo;
    r.ultimo = ultimo;
    r.indiceRiscritto = indiceRiscritto;
    return r;
}

// One draw appended in place. A cut there leaves at most part of that draw,
// which the opening tells and the next write drops.
EsitoScrittura accodaUna(ArchivioEstrazioni& a, const QByteArray& record)
{
    auto& fEstr = a.fileEstrazioni();
    const qint32 presenti = a.numeroEstrazioni();
    const qint64 interi = byteInteri(a);
    const bool coda = fEstr.lof() != interi;
    const QByteArray indice = indiceAtteso(a, record);
    bool riscritto = false;
    try {
        tagliaCoda(fEstr, interi);
        fEstr.putMany(presenti + 1, record);
        fEstr.flush();
        riscritto = aggiornaIndice(a, indice);
    } catch (const compat::AppError& e) {
        return fallita(ripristina(fEstr, interi), coda, e);
    }
    EsitoScrittura esito = scritta(presenti + 1, presenti + 1, riscritto);
    riapri(a, esito);
    if (riscritto)
        riapriSostituito(a, a.fileAnni(), esito);
    return esito;
}

// `records` written from draw n on (past the last one: appended) with the
// other stored draws to a new file that replaces the old whole, so that a
// crash leaves the old draws or all the new ones; then the year index the
// same way. A crash between the two leaves years missing from the index,
// which the next write finds and mends.
EsitoScrittura sostituisciDa(ArchivioEstrazioni& a, qint32 n, const QByteArray& records)
{
    auto& fEstr = a.fileEstrazioni();
    const qint64 lunghezza = fEstr.lof();
    const QByteArray vecchio =
        fEstr.getMany(1, (lunghezza + kLunghezzaRecEstrazione - 1) / kLunghezzaRecEstrazione)
            .left(lunghezza);
    const QByteArray interi = vecchio.left(byteInteri(a));
    const qsizetype da = qsizetype(n - 1) * kLunghezzaRecEstrazione;
    const QByteArray nuovo = interi.left(da) + records + interi.mid(da + records.size());
    const QByteArray indice = indiceAnni(nuovo);
    try {
        sostituisci(a.percorsoEstrazioni(), nuovo);
    } catch (const compat::AppError& e) {
        return errore(Errore::Scrittura, 0, e.description);
    }
    EsitoScrittura esito =
        scritta(n, n + qint32(records.size() / kLunghezzaRecEstrazione) - 1, false);
    riapriSostituito(a, fEstr, esito);
    try {
        esito.indiceRiscritto = aggiornaIndice(a, indice);
    } catch (const compat::AppError& e) {
        // The old draws go back, so that the two files agree.
        const bool rimesso = compat::replaceOwnFile(a.percorsoEstrazioni(), vecchio);
        EsitoScrittura r = errore(rimesso ? Errore::Scrittura : Errore::NonRipristinato, 0,
                                  e.description);
        riapriSostituito(a, fEstr, r);
        return r;
    }
    if (esito.indiceRiscritto)
        riapriSostituito(a, a.fileAnni(), esito);
    return esito;
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
    try {
        a.riapriSostituiti();
    } catch (const compat::AppError& e) {
        return errore(Errore::Scrittura, 0, e.description);
    }
    const qint32 presenti = a.numeroEstrazioni();
    std::optional<QDate> precedente;
    if (presenti > 0) {
        precedente = a.leggi(presenti).data();
        if (!precedente)
            return errore(Errore::ArchivioDanneggiato);
    }

    // Everything is checked before the first byte is written.
    const qint32 quanti = static_cast<qint32>(records.size() / kLunghezzaRecEstrazione);
    for (qint32 i = 0; i < quanti; ++i) {
        const RecEstrazione r = recordA(records, i);
        if (!recordValido(r))
            return errore(Errore::RecordNonValido, i + 1);
        const QDate d = *r.data();
        if (precedente && d <= *precedente)
            return errore(Errore::FuoriOrdine, i + 1);
        precedente = d;
    }
    return quanti == 1 ? accodaUna(a, records) : sostituisciDa(a, presenti + 1, records);
}

EsitoScrittura correggiEstrazione(ArchivioEstrazioni& a, const BloccoScrittura& blocco, qint32 n,
                                  const RecEstrazione& r)
{
    if (!blocco.preso())
        return errore(Errore::Occupato);
    try {
        a.riapriSostituiti();
    } catch (const compat::AppError& e) {
        return errore(Errore::Scrittura, 0, e.description);
    }
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

    // Not in place: a crash could tear the record, which may cross a disk sector.
    const EsitoScrittura esito = sostituisciDa(a, n, r.toBytes());
    invalidaVistaArchivio();
    return esito;
}
