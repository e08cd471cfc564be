#include "ArchivioTest.h"
#include "core/Archivio.h"
#include "core/ArchivioMemoria.h"

#include <gtest/gtest.h>

namespace {

struct ArchivioAperto {
    CartellaProgramma cartella;
    ArchivioEstrazioni archivio;
    explicit ArchivioAperto(const std::vector<RecEstrazione>& e)
    {
        cartella.scrivi(e);
        EXPECT_TRUE(archivio.apri(cartella.percorso()).ok());
    }
};

TEST(ArchivioMemoria, EqualsRecordByRecordReadsOnRandomArchives)
{
    for (unsigned seme : {1u, 2u, 3u}) {
        ArchivioAperto a(estrazioniCasuali(QDate(2005, 3, 1), 40 + 7 * seme, 3, seme));
        const auto v = ArchivioMemoria::costruisci(a.archivio);
        ASSERT_EQ(v->numeroEstrazioni(), a.archivio.numeroEstrazioni());
        const qint32 nz = a.archivio.primaEstrazioneDal(primaDataNazionale());
        EXPECT_EQ(v->primaEstrazioneRuota(kNazionale), nz);
        for (qint32 r = 1; r <= v->numeroEstrazioni(); ++r) {
            const RecEstrazione rec = a.archivio.leggi(r);
            EXPECT_EQ(v->data(r), *rec.data());
            EXPECT_EQ(v->dataTesto(r), rec.dataTesto());
            EXPECT_EQ(v->giornoSettimana(r), rec.giorno());
            EXPECT_EQ(v->progressivoAnno(r), rec.ProgressivoAnno());
            for (int w = 1; w <= kRuote; ++w)
                for (int p = 1; p <= 5; ++p)
                    EXPECT_EQ(v->numero(r, w, p), w == kNazionale && r < nz ? 0 : rec.numero(w, p));
            EXPECT_EQ(v->haRuota(r, kNazionale), r >= nz);
        }
        EXPECT_EQ(v->recordDanneggiati(), 0);
    }
}

TEST(ArchivioMemoria, DamagedRecordsAreCountedAndReadSafely)
{
    auto e = estrazioniCasuali(QDate(2020, 1, 2), 10, 2, 7);
    e[3].setNumero(2, 3, 200);
    e[6].bytes[3] = 'x';   // the date is no date
    ArchivioAperto a(e);
    const auto v = ArchivioMemoria::costruisci(a.archivio);
    EXPECT_EQ(v->recordDanneggiati(), 2);
    EXPECT_EQ(v->primoDanneggiato(), 4);
    EXPECT_EQ(v->numero(4, 2, 3), 0);
    EXPECT_FALSE(v->dataValida(7));
    // Lookups step over the damaged date.
    const QDate d6 = v->data(6), d8 = v->data(8);
    EXPECT_EQ(v->cerca(d6.addDays(1), ArchivioMemoria::Direzione::Precedente), 6);
    EXPECT_EQ(v->cerca(d6.addDays(1), ArchivioMemoria::Direzione::Successiva), 8);
    EXPECT_EQ(v->cerca(d8, ArchivioMemoria::Direzione::Precedente), 8);
}

TEST(ArchivioMemoria, LookupByDateTakesItsDirectionAsAnArgument)
{
    ArchivioAperto a(estrazioniCasuali(QDate(2020, 1, 2), 5, 3, 9));   // 2, 5, 8, 11, 14 Jan
    const auto v = vistaArchivio(a.archivio);
    using D = ArchivioMemoria::Direzione;
    EXPECT_EQ(v->cerca(QDate(2020, 1, 5), D::Precedente), 2);
    EXPECT_EQ(v->cerca(QDate(2020, 1, 6), D::Precedente), 2);
    EXPECT_EQ(v->cerca(QDate(2020, 1, 6), D::Successiva), 3);
    EXPECT_EQ(v->cerca(QDate(2020, 1, 1), D::Precedente), 0);
    EXPECT_EQ(v->cerca(QDate(2020, 1, 1), D::Successiva), 1);
    EXPECT_EQ(v->cerca(QDate(2020, 1, 15), D::Successiva), 0);
    EXPECT_EQ(v->cerca(QDate(2020, 1, 15), D::Precedente), 5);
}

TEST(ArchivioMemoria, SharedViewIsRebuiltWhenADrawIsAppended)
{
    auto e = estrazioniCasuali(QDate(2021, 6, 1), 6, 2, 4);
    ArchivioAperto a(e);
    const auto v1 = vistaArchivio(a.archivio);
    EXPECT_EQ(vistaArchivio(a.archivio), v1);   // same count: same view
    RecEstrazione nuova = RecEstrazione::crea(QDate(2021, 6, 20), 7);
    nuova.setNumero(1, 1, 33);
    a.archivio.fileEstrazioni().put(7, nuova.toBytes());
    const auto v2 = vistaArchivio(a.archivio);
    ASSERT_EQ(v2->numeroEstrazioni(), 7);
    EXPECT_EQ(v2->numero(7, 1, 1), 33);
    EXPECT_EQ(v1->numeroEstrazioni(), 6);   // a holder of the old view keeps it whole
    invalidaVistaArchivio();
    EXPECT_NE(vistaArchivio(a.archivio), v2);
}

TEST(ArchivioMemoria, AGrownArchiveIsReadOnlyFromWhereTheViewEnded)
{
    // The Nazionale starts among the draws appended, one of them damaged.
    auto e = estrazioniCasuali(QDate(2005, 4, 2), 20, 3, 5);
    e[15].setNumero(3, 1, 200);
    ArchivioAperto a({e.begin(), e.begin() + 8});
    const auto prima = vistaArchivio(a.archivio);
    // Draw 1 changed behind the view's back: only writers that leave the
    // stored draws as they are rely on the view growing.
    RecEstrazione cambiata = e[0];
    cambiata.setNumero(1, 1, e[0].numero(1, 1) % 90 + 1);
    a.archivio.fileEstrazioni().put(1, cambiata.toBytes());
    QByteArray aggiunte;
    for (size_t i = 8; i < e.size(); ++i)
        aggiunte += e[i].toBytes();
    a.archivio.fileEstrazioni().putMany(9, aggiunte);

    const auto v = vistaArchivio(a.archivio);
    EXPECT_EQ(v->numero(1, 1, 1), prima->numero(1, 1, 1));
    a.archivio.fileEstrazioni().put(1, e[0].toBytes());
    const auto intera = ArchivioMemoria::costruisci(a.archivio);
    ASSERT_EQ(v->numeroEstrazioni(), 20);
    EXPECT_EQ(v->primeEstrazioniRuote(), intera->primeEstrazioniRuote());
    EXPECT_EQ(v->recordDanneggiati(), 1);
    EXPECT_EQ(v->primoDanneggiato(), 16);
    for (qint32 r = 1; r <= 20; ++r) {
        EXPECT_EQ(v->giornoGiuliano(r), intera->giornoGiuliano(r)) << r;
        EXPECT_EQ(v->dataTesto(r), intera->dataTesto(r)) << r;
        EXPECT_EQ(QByteArrayView(v->numeri(r), kNumeriEstrazione),
                  QByteArrayView(intera->numeri(r), kNumeriEstrazione))
            << r;
    }
}

} // namespace
