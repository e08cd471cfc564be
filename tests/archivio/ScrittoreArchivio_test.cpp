#include "ArchivioTest.h"
#include "archivio/ScrittoreArchivio.h"
#include "compat/files.h"
#include "core/ScritturaArchivio.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using E = EsitoScrittura::Errore;

// A program folder with an open archive, and the bytes of both files.
struct Archivio {
    CartellaProgramma cartella;
    ArchivioEstrazioni a;
    explicit Archivio(const std::vector<RecEstrazione>& r)
    {
        cartella.scrivi(r);
        EXPECT_TRUE(a.apri(cartella.percorso()).ok());
    }
    QByteArray estrazioni() const { return cartella.leggiFile("Archivi/Estrazioni.ind"); }
    QByteArray anni() const { return cartella.leggiFile("Archivi/anni.ind"); }
};

// Fails the next write to a file whose name ends with `nome`, letting
// `passano` bytes through.
struct Guasto {
    Guasto(const QString& nome, qint64 passano)
    {
        compat::setWriteFault([=, usato = false](const QString& path, qint64) mutable -> qint64 {
            if (usato || !path.endsWith(nome, Qt::CaseInsensitive))
                return -1;
            usato = true;
            return passano;
        });
    }
    ~Guasto() { compat::setWriteFault({}); }
};

std::vector<RecEstrazione> fineAnno()
{
    return componi({{QDate(2025, 12, 27), {{1, {1, 2, 3, 4, 5}}}},
                    {QDate(2025, 12, 30), {{1, {6, 7, 8, 9, 10}}}}});
}

RecEstrazione nuova(QDate d, int progressivo)
{
    RecEstrazione r = RecEstrazione::crea(d, progressivo);
    for (int w = 1; w <= 11; ++w)
        for (int p = 1; p <= 5; ++p)
            r.setNumero(w, p, w * 5 + p);
    return r;
}

TEST(ScrittoreArchivio, YearsFirstDrawAppendsRecordAndYearByteForByte)
{
    Archivio t(fineAnno());
    const QByteArray primaE = t.estrazioni(), primaA = t.anni();
    const RecEstrazione r = nuova(QDate(2026, 1, 2), 1);
    BloccoScrittura b;
    const EsitoScrittura e = accodaEstrazioni(t.a, b, r.toBytes());
    ASSERT_TRUE(e.ok());
    EXPECT_EQ(e.primo, 3);
    EXPECT_TRUE(e.indiceRiscritto);
    EXPECT_EQ(t.estrazioni(), primaE + r.toBytes());
    EXPECT_EQ(t.anni(), primaA + QByteArray("20263      \r"));
    EXPECT_EQ(t.a.numeroEstrazioni(), 3);
}

TEST(ScrittoreArchivio, SameYearDrawKeepsItsNumberByteAndAddsNoYear)
{
    std::vector<BozzaEstrazione> bozze;
    for (int i = 0; i < 150; ++i)
        bozze.push_back({QDate(2024, 1, 2).addDays(2 * i), {{1, {1, 2, 3, 4, 5}}}});
    Archivio t(componi(bozze));
    const QByteArray primaA = t.anni();
    const RecEstrazione r = nuova(QDate(2024, 12, 30), 151);
    BloccoScrittura b;
    ASSERT_TRUE(accodaEstrazioni(t.a, b, r.toBytes()).ok());
    EXPECT_EQ(t.estrazioni().right(66), r.toBytes());
    EXPECT_EQ(quint8(t.estrazioni().right(66)[2]), 151);
    EXPECT_EQ(t.anni(), primaA);
}

TEST(ScrittoreArchivio, YearRecordOnlyForANewYearNotYetIndexed)
{
    // The index already lists 2026 (a stale extra line): no second record.
    Archivio t(fineAnno());
    t.a.fileAnni().put(2, RecAnno::crea(2026, 3).toBytes());
    const QByteArray primaA = t.anni();
    BloccoScrittura b;
    ASSERT_TRUE(accodaEstrazioni(t.a, b, nuova(QDate(2026, 1, 2), 1).toBytes()).ok());
    EXPECT_EQ(t.anni(), primaA);

    // A draw numbered 1 in the last stored year adds none either.
    Archivio u(fineAnno());
    const QByteArray primaU = u.anni();
    ASSERT_TRUE(accodaEstrazioni(u.a, b, nuova(QDate(2025, 12, 31), 1).toBytes()).ok());
    EXPECT_EQ(u.anni(), primaU);
}

TEST(ScrittoreArchivio, ManyDrawsAcrossTwoNewYearsAddTwoYearRecords)
{
    Archivio t(fineAnno());
    const QByteArray primaA = t.anni();
    QByteArray blocco;
    blocco += nuova(QDate(2025, 12, 31), 3).toBytes();
    blocco += nuova(QDate(2026, 1, 2), 1).toBytes();
    blocco += nuova(QDate(2026, 12, 31), 2).toBytes();
    blocco += nuova(QDate(2027, 1, 2), 1).toBytes();
    BloccoScrittura b;
    const EsitoScrittura e = accodaEstrazioni(t.a, b, blocco);
    ASSERT_TRUE(e.ok());
    EXPECT_EQ(e.ultimo, 6);
    EXPECT_EQ(t.anni(), primaA + "20264      \r" + "20276      \r");
}

TEST(ScrittoreArchivio, RefusalsWriteNothing)
{
    Archivio t(fineAnno());
    const QByteArray primaE = t.estrazioni(), primaA = t.anni();
    BloccoScrittura b;
    const auto rifiuta = [&](const QByteArray& dati, E atteso, const BloccoScrittura& blocco) {
        EXPECT_EQ(accodaEstrazioni(t.a, blocco, dati).errore, atteso);
        EXPECT_EQ(t.estrazioni(), primaE);
        EXPECT_EQ(t.anni(), primaA);
    };
    {
        BloccoScrittura secondo;   // the lock is already held by `b`
        EXPECT_FALSE(secondo.preso());
        rifiuta(nuova(QDate(2026, 1, 2), 1).toBytes(), E::Occupato, secondo);
    }
    RecEstrazione r = nuova(QDate(2026, 1, 2), 1);
    r.setNumero(3, 2, 91);
    rifiuta(r.toBytes(), E::RecordNonValido, b);
    r = nuova(QDate(2026, 1, 2), 1);
    r.setGiornoSettimana('0');
    rifiuta(r.toBytes(), E::RecordNonValido, b);
    r = nuova(QDate(2026, 1, 2), 0);
    rifiuta(r.toBytes(), E::RecordNonValido, b);
    r = nuova(QDate(2026, 1, 2), 1);
    r.bytes[3] = '3';   // 32/01/2026
    rifiuta(r.toBytes(), E::RecordNonValido, b);
    rifiuta(nuova(QDate(2025, 12, 30), 3).toBytes(), E::FuoriOrdine, b);
    rifiuta(nuova(QDate(2026, 1, 2), 1).toBytes().left(65), E::RecordNonValido, b);
    // A good record followed by an earlier one: neither is written.
    rifiuta(nuova(QDate(2026, 1, 5), 1).toBytes() + nuova(QDate(2026, 1, 3), 2).toBytes(),
            E::FuoriOrdine, b);
}

TEST(ScrittoreArchivio, PartialTrailingRecordsAreCutBackBeforeEveryWrite)
{
    // A store killed mid-write: part of a draw, and part of its year record.
    const auto strappa = [](Archivio& t) {
        t.cartella.scriviFile("Archivi/Estrazioni.ind",
                              t.estrazioni() + nuova(QDate(2026, 1, 2), 1).toBytes().left(40));
        t.cartella.scriviFile("Archivi/anni.ind", t.anni() + "2026");
    };
    BloccoScrittura b;
    const RecEstrazione r = nuova(QDate(2026, 1, 3), 1);
    {
        Archivio t(fineAnno());
        const QByteArray interoE = t.estrazioni(), interoA = t.anni();
        strappa(t);
        EXPECT_EQ(t.a.numeroEstrazioni(), 2);
        ASSERT_TRUE(accodaEstrazioni(t.a, b, r.toBytes()).ok());
        EXPECT_EQ(t.estrazioni(), interoE + r.toBytes());
        EXPECT_EQ(t.anni(), interoA + "20263      \r");
    }
    {
        Archivio t(fineAnno());
        const QByteArray interoE = t.estrazioni(), interoA = t.anni();
        strappa(t);
        RecEstrazione c = nuova(QDate(2025, 12, 31), 2);
        c.setGiornoSettimana(interoE[66]);
        ASSERT_TRUE(correggiEstrazione(t.a, b, 2, c).ok());
        EXPECT_EQ(t.estrazioni(), interoE.left(66) + c.toBytes());
        EXPECT_EQ(t.anni(), interoA);
    }
    {
        // A write that fails after the cut leaves the whole draws only, and
        // says so; the year index is left as it was.
        Archivio t(fineAnno());
        const QByteArray interoE = t.estrazioni(), interoA = t.anni();
        strappa(t);
        {
            Guasto g(QStringLiteral("Estrazioni.ind"), 30);
            EXPECT_EQ(accodaEstrazioni(t.a, b, r.toBytes()).errore, E::RecordIncompletoRimosso);
        }
        EXPECT_EQ(t.estrazioni(), interoE);
        EXPECT_EQ(t.anni(), interoA + "2026");
    }
}

TEST(ScrittoreArchivio, YearsMissingFromTheIndexAreAddedByTheNextWrite)
{
    // Draws of 2026 and 2027 stored, the index stopped at 2025.
    const std::vector<RecEstrazione> r = componi({{QDate(2025, 12, 27), {{1, {1, 2, 3, 4, 5}}}},
                                                  {QDate(2025, 12, 30), {{1, {6, 7, 8, 9, 10}}}},
                                                  {QDate(2026, 1, 3), {{1, {1, 2, 3, 4, 5}}}},
                                                  {QDate(2026, 1, 7), {{1, {1, 2, 3, 4, 5}}}},
                                                  {QDate(2027, 1, 2), {{1, {1, 2, 3, 4, 5}}}}});
    const QByteArray attesi = QByteArray("20263      \r") + "20275      \r";
    BloccoScrittura b;
    {
        Archivio t(r);
        t.a.fileAnni().truncate(12);
        const QByteArray primaE = t.estrazioni();
        // A refused write mends nothing.
        EXPECT_EQ(accodaEstrazioni(t.a, b, nuova(QDate(2027, 1, 1), 2).toBytes()).errore,
                  E::FuoriOrdine);
        EXPECT_EQ(t.anni().size(), 12);
        // A draw of the last stored year adds no year of its own.
        const RecEstrazione nuovo = nuova(QDate(2027, 1, 5), 2);
        const EsitoScrittura e = accodaEstrazioni(t.a, b, nuovo.toBytes());
        ASSERT_TRUE(e.ok());
        EXPECT_TRUE(e.indiceRiscritto);
        EXPECT_EQ(t.estrazioni(), primaE + nuovo.toBytes());
        EXPECT_EQ(t.anni(), QByteArray("20251      \r") + attesi);
        EXPECT_EQ(t.a.cercaEstrazione(u"05/01/2027", false).estrazione, 6);
    }
    {
        Archivio t(r);
        t.a.fileAnni().truncate(12);
        const QByteArray primaE = t.estrazioni();
        RecEstrazione c = nuova(QDate(2026, 1, 5), 2);
        c.setGiornoSettimana(primaE[3 * 66]);
        ASSERT_TRUE(correggiEstrazione(t.a, b, 4, c).ok());
        EXPECT_EQ(t.anni(), QByteArray("20251      \r") + attesi);
    }
}

TEST(ScrittoreArchivio, AYearIndexThatIsNotTheDrawsOwnIsWrittenAfreshByTheNextWrite)
{
    std::vector<BozzaEstrazione> bozze;   // two draws a year, 1949 to 1952
    for (int anno = 1949; anno <= 1952; ++anno)
        for (int giorno : {8, 15})
            bozze.push_back({QDate(anno, 1, giorno), {{1, {1, 2, 3, 4, 5}}}});
    const std::vector<RecEstrazione> draws = componi(bozze);
    const QByteArray giusto = contenutoArchivio(draws).anni;
    const auto anno = [&](int i) { return giusto.mid(i * kLunghezzaRecAnno, kLunghezzaRecAnno); };
    const std::pair<const char*, QByteArray> indici[] = {
        {"a year removed from the middle", anno(0) + anno(2) + anno(3)},
        {"a year missing at the end", anno(0) + anno(1) + anno(2)},
        {"a year in the wrong place", anno(0) + anno(2) + anno(3) + anno(1)},
        {"a year pointing at the wrong draw",
         anno(0) + RecAnno::crea(1950, 4).toBytes() + anno(2) + anno(3)},
    };
    const struct {
        const char* nome;
        std::vector<RecEstrazione> record;
        qint32 corretta;   // the draw the record corrects; 0: the records are appended
    } scritture[] = {
        {"a draw of the last year", {nuova(QDate(1952, 1, 22), 3)}, 0},
        {"a correction", {nuova(QDate(1950, 1, 9), 1)}, 3},
        {"a merge into a new year", {nuova(QDate(1952, 1, 22), 3), nuova(QDate(1953, 1, 3), 1)}, 0},
    };
    BloccoScrittura b;
    for (const auto& [danno, indice] : indici) {
        for (const auto& s : scritture) {
            Archivio t(draws);
            t.cartella.scriviFile(QStringLiteral("Archivi/anni.ind"), indice);
            std::vector<RecEstrazione> dopo = draws;
            QByteArray accodate;
            for (const RecEstrazione& r : s.record)
                accodate += r.toBytes();
            if (s.corretta)
                dopo[size_t(s.corretta - 1)] = s.record[0];
            else
                dopo.insert(dopo.end(), s.record.begin(), s.record.end());
            EXPECT_TRUE((s.corretta ? correggiEstrazione(t.a, b, s.corretta, s.record[0])
                                    : accodaEstrazioni(t.a, b, accodate))
                            .ok());
            const QByteArray atteso = contenutoArchivio(dopo).anni;
            EXPECT_EQ(t.anni(), atteso) << danno << ", " << s.nome;
            // Read at once by the archive.
            EXPECT_EQ(t.a.fileAnni().getMany(1, t.a.numeroAnni()), atteso) << danno << ", " << s.nome;
        }
    }
}

// Runs `corpo` in a child process that stands for the program; its exit code
// (-1 when it did not exit).
int inUnFiglio(const std::function<void()>& corpo)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        corpo();
        ::_exit(0);
    }
    int stato = 0;
    ::waitpid(pid, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

TEST(ScrittoreArchivio, AMergeOrACorrectionCutByACrashLeavesTheOldDrawsOrAllTheNewOnes)
{
    // Enough draws for the draw file to be written in several pieces.
    const std::vector<RecEstrazione> tutte = estrazioniCasuali(QDate(1990, 1, 6), 5000, 3, 7);
    const std::vector<RecEstrazione> vecchie(tutte.begin(), tutte.begin() + 2500);
    QByteArray nuove;
    for (size_t i = vecchie.size(); i < tutte.size(); ++i)
        nuove += tutte[i].toBytes();
    const ContenutoArchivio prima = contenutoArchivio(vecchie);
    // The corrected draw lies across a 512-byte sector; the year index lacks
    // its last year, so that the correction writes it afresh.
    constexpr qint32 kCorretta = 2002;
    constexpr qint64 kInizio = (kCorretta - 1) * kLunghezzaRecEstrazione;
    std::vector<RecEstrazione> corrette = vecchie;
    RecEstrazione& r = corrette[kCorretta - 1];
    r = nuova(*r.data(), r.ProgressivoAnno());
    constexpr int kFine = 42;
    struct Caso {
        const char* quando;
        bool correzione;
        const char* file;
        qint64 byte;   // written when the process ends; -1: all, just before the rename
        bool nuoveEstrazioni;
    };
    // A disk that writes in pieces may stop anywhere, inside a record too.
    const Caso casi[] = {
        {"at the first piece of the draws", false, "Estrazioni.ind", 0, false},
        {"midway through the draws", false, "Estrazioni.ind", 200 * 1024, false},
        {"before the draws' rename", false, "Estrazioni.ind", -1, false},
        {"at the first piece of the year index", false, "anni.ind", 0, true},
        {"before the year index's rename", false, "anni.ind", -1, true},
        {"a correction, 12 bytes in", true, "Estrazioni.ind", 12, false},
        {"a correction, 33 bytes in", true, "Estrazioni.ind", 33, false},
        {"a correction, 65 bytes in", true, "Estrazioni.ind", 65, false},
        {"a correction, at its draw's first number", true, "Estrazioni.ind", kInizio + 12, false},
        {"a correction, midway through its draw", true, "Estrazioni.ind", kInizio + 33, false},
        {"a correction, before its draw's last number", true, "Estrazioni.ind", kInizio + 65, false},
        {"a correction, midway through the draws", true, "Estrazioni.ind", 100 * 1024, false},
        {"a correction, before the draws' rename", true, "Estrazioni.ind", -1, false},
        {"a correction, at the year index", true, "anni.ind", 0, true},
        {"a correction, before the year index's rename", true, "anni.ind", -1, true},
    };
    for (const Caso& c : casi) {
        const std::vector<RecEstrazione>& dopo = c.correzione ? corrette : tutte;
        const QByteArray anni = c.correzione ? prima.anni.chopped(kLunghezzaRecAnno) : prima.anni;
        Archivio t(vecchie);
        t.cartella.scriviFile(QStringLiteral("Archivi/anni.ind"), anni);
        const int uscita = inUnFiglio([&] {
            const QString file = QString::fromLatin1(c.file);
            qint64 scritti = 0;
            bool taglio = false;
            compat::setWriteWatch([&](const QString&, qint64) {
                if (taglio)
                    ::_exit(kFine);
            });
            // The piece that reaches c.byte is cut there, and the process ends.
            compat::setWriteFault([&](const QString& path, qint64 pezzo) -> qint64 {
                if (!path.endsWith(file))
                    return -1;
                if (c.byte < 0 && pezzo == 0)
                    ::_exit(kFine);
                if (c.byte < 0 || scritti + pezzo <= c.byte) {
                    scritti += pezzo;
                    return -1;
                }
                taglio = true;
                return c.byte - scritti;
            });
            BloccoScrittura b;
            c.correzione ? correggiEstrazione(t.a, b, kCorretta, r) : accodaEstrazioni(t.a, b, nuove);
        });
        ASSERT_EQ(uscita, kFine) << c.quando;

        // The program starts again: it reads no leftover of the cut write.
        t.a.chiudi();
        EXPECT_EQ(QDir(t.cartella.archivi()).entryList(QDir::Files, QDir::Name),
                  QStringList({QStringLiteral("Estrazioni.ind"), QStringLiteral("anni.ind")}))
            << c.quando;
        ASSERT_TRUE(t.a.apri(t.cartella.percorso()).ok()) << c.quando;
        const QByteArray attese = contenutoArchivio(c.nuoveEstrazioni ? dopo : vecchie).estrazioni;
        const auto corretta = [](const QByteArray& e) {
            return e.mid(kInizio, kLunghezzaRecEstrazione).toHex(' ').toStdString();
        };
        EXPECT_EQ(corretta(t.estrazioni()), corretta(attese)) << c.quando;
        EXPECT_TRUE(t.estrazioni() == attese) << c.quando;
        EXPECT_EQ(t.anni(), anni) << c.quando;
        if (!c.nuoveEstrazioni)
            continue;
        // The next store gives the index its missing years.
        const RecEstrazione u = nuova(dopo.back().data()->addDays(3), dopo.back().ProgressivoAnno() + 1);
        BloccoScrittura b;
        ASSERT_TRUE(accodaEstrazioni(t.a, b, u.toBytes()).ok()) << c.quando;
        std::vector<RecEstrazione> conNuova = dopo;
        conNuova.push_back(u);
        EXPECT_EQ(t.anni(), contenutoArchivio(conNuova).anni) << c.quando;
    }
}

TEST(ScrittoreArchivio, FailedWriteLeavesBothFilesAsTheyWere)
{
    BloccoScrittura b;
    QByteArray blocco = nuova(QDate(2026, 1, 2), 1).toBytes() + nuova(QDate(2026, 1, 3), 2).toBytes();
    // Midway through the draws, and after the draws when the year record fails.
    for (const auto& [file, passano] : {std::pair{QStringLiteral("Estrazioni.ind"), 100},
                                        std::pair{QStringLiteral("anni.ind"), 5}}) {
        Archivio t(fineAnno());
        const QByteArray primaE = t.estrazioni(), primaA = t.anni();
        {
            Guasto g(file, passano);
            const EsitoScrittura e = accodaEstrazioni(t.a, b, blocco);
            EXPECT_EQ(e.errore, E::Scrittura) << file.toStdString();
            EXPECT_FALSE(e.dettaglio.isEmpty());
        }
        EXPECT_EQ(t.estrazioni(), primaE) << file.toStdString();
        EXPECT_EQ(t.anni(), primaA) << file.toStdString();
        EXPECT_EQ(t.a.numeroEstrazioni(), 2);
    }
}

TEST(ScrittoreArchivio, FailedReopenAfterAWriteIsToldAndTheArchiveStaysReadable)
{
    BloccoScrittura b;
    Archivio t(fineAnno());
    const RecEstrazione r = nuova(QDate(2026, 1, 2), 1);
    RecEstrazione c = nuova(QDate(2025, 12, 29), 2);
    c.setGiornoSettimana(t.estrazioni()[66]);
    EsitoScrittura accodata, corretta;
    {
        AperturaNegata negata(QStringLiteral("Estrazioni.ind"));
        accodata = accodaEstrazioni(t.a, b, r.toBytes());
        corretta = correggiEstrazione(t.a, b, 2, c);
    }
    for (const EsitoScrittura& e : {accodata, corretta}) {
        EXPECT_TRUE(e.ok());
        EXPECT_TRUE(e.nonRiaperto);
        EXPECT_FALSE(e.dettaglio.isEmpty());
    }
    EXPECT_EQ(accodata.ultimo, 3);
    // The correction replaced the file whole: till the next write opens it,
    // the handle that appended reads it as it was.
    EXPECT_FALSE(accodata.leggeIlVecchio);
    EXPECT_TRUE(corretta.leggeIlVecchio);
    ASSERT_TRUE(t.a.aperto());
    EXPECT_EQ(t.a.numeroEstrazioni(), 3);
    EXPECT_EQ(t.a.leggi(3).toBytes(), r.toBytes());
    EXPECT_EQ(t.a.leggi(2).toBytes(), fineAnno()[1].toBytes());
    EXPECT_EQ(t.estrazioni().mid(66), c.toBytes() + r.toBytes());
    EXPECT_TRUE(accodaEstrazioni(t.a, b, nuova(QDate(2026, 1, 3), 2).toBytes()).ok());
    EXPECT_EQ(t.a.numeroEstrazioni(), 4);
    EXPECT_EQ(t.a.leggi(2).toBytes(), c.toBytes());
}

TEST(ScrittoreArchivio, AMergedFileThatCannotBeOpenedAgainIsOnlyReadTillItOpens)
{
    BloccoScrittura b;
    Archivio t(fineAnno());
    const QByteArray primaE = t.estrazioni();
    const QByteArray fuse = nuova(QDate(2026, 1, 2), 1).toBytes() + nuova(QDate(2026, 1, 3), 2).toBytes();
    const QByteArray dopo = nuova(QDate(2026, 1, 5), 3).toBytes();
    {
        AperturaNegata negata(QStringLiteral("Estrazioni.ind"));
        const EsitoScrittura e = accodaEstrazioni(t.a, b, fuse);
        EXPECT_TRUE(e.ok());
        EXPECT_TRUE(e.nonRiaperto && e.leggeIlVecchio);
        EXPECT_EQ(t.estrazioni(), primaE + fuse);
        // The open handle is the replaced file's: read as it was, and a
        // draw written through it would be lost.
        EXPECT_EQ(t.a.numeroEstrazioni(), 2);
        EXPECT_EQ(accodaEstrazioni(t.a, b, dopo).errore, E::Scrittura);
        EXPECT_EQ(t.estrazioni(), primaE + fuse);
    }
    ASSERT_TRUE(accodaEstrazioni(t.a, b, dopo).ok());
    EXPECT_EQ(t.estrazioni(), primaE + fuse + dopo);
    EXPECT_EQ(t.a.numeroEstrazioni(), 5);
}

TEST(ScrittoreArchivio, CorrectionRewritesInPlaceWithinItsYear)
{
    Archivio t(componi({{QDate(2025, 12, 27), {{1, {1, 2, 3, 4, 5}}}},
                        {QDate(2025, 12, 30), {{1, {6, 7, 8, 9, 10}}}},
                        {QDate(2026, 1, 3), {{1, {11, 12, 13, 14, 15}}}}}));
    const QByteArray primaE = t.estrazioni(), primaA = t.anni();
    BloccoScrittura b;
    // Moved to the 29th, weekday digit kept as stored.
    RecEstrazione r = nuova(QDate(2025, 12, 29), 2);
    r.setGiornoSettimana(primaE[66]);
    ASSERT_TRUE(correggiEstrazione(t.a, b, 2, r).ok());
    EXPECT_EQ(t.estrazioni(), primaE.left(66) + r.toBytes() + primaE.mid(132));
    EXPECT_EQ(t.anni(), primaA);

    const QByteArray dopo = t.estrazioni();
    const auto rifiuta = [&](qint32 n, const RecEstrazione& x, E atteso) {
        EXPECT_EQ(correggiEstrazione(t.a, b, n, x).errore, atteso);
        EXPECT_EQ(t.estrazioni(), dopo);
    };
    rifiuta(3, nuova(QDate(2025, 12, 31), 1), E::AnnoDiverso);   // into the year before
    rifiuta(2, nuova(QDate(2025, 12, 27), 2), E::FuoriOrdine);   // on the previous draw
    rifiuta(1, nuova(QDate(2025, 12, 29), 1), E::FuoriOrdine);   // on the next draw
    rifiuta(4, nuova(QDate(2026, 1, 4), 2), E::FuoriOrdine);     // past the end
    RecEstrazione rotto = nuova(QDate(2025, 12, 28), 2);
    rotto.setNumero(11, 5, 200);
    rifiuta(2, rotto, E::RecordNonValido);
    {
        Guasto g(QStringLiteral("Estrazioni.ind"), 30);
        EXPECT_EQ(correggiEstrazione(t.a, b, 2, nuova(QDate(2025, 12, 28), 2)).errore,
                  E::Scrittura);
    }
    EXPECT_EQ(t.estrazioni(), dopo);
}

TEST(ScrittoreArchivio, LockIsFreeAgainOnceItsHolderEnds)
{
    EXPECT_FALSE(BloccoScrittura::occupato());
    {
        BloccoScrittura b;
        EXPECT_TRUE(b.preso());
        EXPECT_TRUE(BloccoScrittura::occupato());
    }
    EXPECT_FALSE(BloccoScrittura::occupato());
    BloccoScrittura c;
    EXPECT_TRUE(c.preso());
}

} // namespace
