#include "ArchivioTest.h"
#include "archivio/FileAggiornamento.h"

#include <gtest/gtest.h>

namespace {

using Esito = EsameAggiornamento::Esito;

const QDate kOggi(2026, 3, 1);

QByteArray file(const std::vector<RecEstrazione>& r)
{
    QByteArray b;
    for (const RecEstrazione& x : r)
        b += x.toBytes();
    return b;
}

std::vector<RecEstrazione> tre()
{
    return componi({{QDate(2026, 1, 3), {{1, {1, 2, 3, 4, 5}}}},
                    {QDate(2026, 1, 5), {{1, {6, 7, 8, 9, 10}}}},
                    {QDate(2026, 1, 8), {{11, {11, 12, 13, 14, 90}}}}});
}

TEST(FileAggiornamento, OnlyASoundFileIsValid)
{
    const QByteArray buono = file(tre());
    EXPECT_TRUE(fileAggiornamentoValido(buono));
    EXPECT_TRUE(fileAggiornamentoValido(buono.left(66)));
    const auto guasto = [&](const char* caso, auto modifica) {
        QByteArray b = buono;
        modifica(b);
        EXPECT_FALSE(fileAggiornamentoValido(b)) << caso;
    };
    guasto("empty", [](QByteArray& b) { b.clear(); });
    guasto("65 bytes", [](QByteArray& b) { b = b.left(65); });
    guasto("67 bytes", [](QByteArray& b) { b = b.left(67); });
    guasto("weekday 0", [](QByteArray& b) { b[66] = '0'; });
    guasto("second weekday 8", [](QByteArray& b) { b[67] = '8'; });
    guasto("number in year 0", [](QByteArray& b) { b[68] = 0; });
    guasto("number 91", [](QByteArray& b) { b[66 + 20] = 91; });
    guasto("date 31/02 in the middle", [](QByteArray& b) { b.replace(66 + 3, 8, "31022026"); });
    guasto("disordered", [](QByteArray& b) { b = b.mid(66, 66) + b.left(66) + b.mid(132); });
    guasto("duplicated", [](QByteArray& b) { b = b.left(132) + b.mid(66, 66); });
    // The binary bytes of a sound file may spell anything: still a file.
    QByteArray conTesto = buono;
    conTesto[11] = '4';
    conTesto[12] = '0';
    conTesto[13] = '4';
    EXPECT_TRUE(fileAggiornamentoValido(conTesto));
}

TEST(FileAggiornamento, ExaminedAgainstTheArchivesLastDraw)
{
    const QByteArray f = file(tre());
    struct Caso {
        QDate ultimaArchivio;
        Esito esito;
    };
    const Caso casi[] = {
        {QDate(2026, 1, 2), Esito::Discontinuo},   // a day missing before the file
        {QDate(2026, 1, 3), Esito::DaAccodare},    // the first record is the archive's last
        {QDate(2026, 1, 6), Esito::DaAccodare},
        {QDate(2026, 1, 8), Esito::NienteDiNuovo},
        {QDate(2026, 2, 1), Esito::NienteDiNuovo},
    };
    for (const Caso& c : casi) {
        const EsameAggiornamento e = esaminaAggiornamento(f, c.ultimaArchivio, kOggi);
        EXPECT_EQ(e.esito, c.esito) << c.ultimaArchivio.toString().toStdString();
        EXPECT_EQ(e.primaData, QDate(2026, 1, 3));
        EXPECT_EQ(e.ultimaData, QDate(2026, 1, 8));
    }
    // One record only: on or before the archive's end, or discontinuous.
    const auto esito = [&](qsizetype byte, QDate ultima) {
        return esaminaAggiornamento(f.left(byte), ultima, kOggi).esito;
    };
    EXPECT_EQ(esito(66, QDate(2026, 1, 3)), Esito::NienteDiNuovo);
    EXPECT_EQ(esito(66, QDate(2026, 1, 2)), Esito::Discontinuo);
    EXPECT_EQ(esito(65, QDate(2026, 1, 2)), Esito::Corrotto);

    EXPECT_EQ(recordDopo(f, QDate(2026, 1, 3)), f.mid(66));
    EXPECT_EQ(recordDopo(f, QDate(2026, 1, 4)), f.mid(66));
    EXPECT_EQ(recordDopo(f, QDate(2026, 1, 8)), QByteArray());
}

TEST(FileAggiornamento, ADrawAfterTodayRefusesTheWholeFile)
{
    const QByteArray f = file(tre());   // 03/01 .. 08/01/2026
    struct Caso {
        QDate oggi;
        QDate ultimaArchivio;
        Esito esito;
    };
    const Caso casi[] = {
        {QDate(2026, 1, 8), QDate(2026, 1, 3), Esito::DaAccodare},   // the last draw is today's
        {QDate(2026, 1, 7), QDate(2026, 1, 3), Esito::Futuro},
        {QDate(2026, 1, 7), QDate(2026, 1, 2), Esito::Futuro},       // also when discontinuous
        {QDate(2026, 1, 7), QDate(2026, 1, 8), Esito::Futuro},       // and with nothing new
        {QDate(2025, 6, 1), QDate(2026, 1, 3), Esito::Futuro},
    };
    for (const Caso& c : casi) {
        const EsameAggiornamento e = esaminaAggiornamento(f, c.ultimaArchivio, c.oggi);
        EXPECT_EQ(e.esito, c.esito) << c.oggi.toString().toStdString();
        EXPECT_EQ(e.ultimaData, QDate(2026, 1, 8));
        EXPECT_EQ(dataFutura(f, c.oggi), c.esito == Esito::Futuro ? QDate(2026, 1, 8) : QDate());
    }
}

TEST(FileAggiornamento, ExportStartsAtItsFixedRecord)
{
    CartellaProgramma c;
    const auto r = estrazioniCasuali(QDate(1871, 1, 7), kPrimoRecordEsportato + 1, 7, 3);
    c.scrivi(r);
    ArchivioEstrazioni a;
    ASSERT_TRUE(a.apri(c.percorso()).ok());
    EXPECT_EQ(datiEsportazione(a), r[kPrimoRecordEsportato - 1].toBytes() + r.back().toBytes());

    CartellaProgramma corto;
    corto.scrivi(estrazioniCasuali(QDate(2001, 1, 2), 10, 7, 1));
    ArchivioEstrazioni b;
    ASSERT_TRUE(b.apri(corto.percorso()).ok());
    EXPECT_TRUE(datiEsportazione(b).isEmpty());
}

} // namespace
