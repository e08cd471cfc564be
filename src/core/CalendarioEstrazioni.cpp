#include "core/CalendarioEstrazioni.h"

#include "compat/vbdate.h"

CalendarioMensile costruisciIndiceMensile(const std::vector<QDate>& date, const QString& giorni)
{
    CalendarioMensile c;
    const qint32 n = date.empty() ? 0 : static_cast<qint32>(date.size()) - 1;
    c.IndiceMensile.assign(n + 1, 0);
    c.UltimaDelMese.assign(n + 1, false);
    if (n < 1)
        return c;
    // Only the month number is compared, not the year.
    int meseCorrente = date[1].month();
    int k = 0;
    for (qint32 i = 1; i <= n; ++i) {
        const int m = date[i].month();
        if (m != meseCorrente) {
            c.UltimaDelMese[i - 1] = true;
            meseCorrente = m;
            k = 1;
        } else {
            ++k;
            c.massimo = std::max(c.massimo, k);
        }
        c.IndiceMensile[i] = k;
    }
    const QDate prossima = prossimaDataEstrazione(date[n], giorni);
    if (prossima.month() != date[n].month())
        c.UltimaDelMese[n] = true;
    return c;
}

CalendarioMensile costruisciIndiceMensile(ArchivioEstrazioni& a, const QString& giorni)
{
    const qint32 n = a.numeroEstrazioni();
    std::vector<QDate> date(n + 1);
    if (n > 0) {
        const QByteArray tutto = a.leggiBlocco(1, n);
        for (qint32 i = 1; i <= n; ++i)
            date[i] = RecEstrazione::daBytes(
                          QByteArrayView(tutto).sliced(qsizetype(i - 1) * kLunghezzaRecEstrazione,
                                                       kLunghezzaRecEstrazione))
                          .data()
                          .value_or(QDate());
    }
    return costruisciIndiceMensile(date, giorni);
}

std::array<bool, 8> giorniDiEstrazione(const QString& giorni)
{
    std::array<bool, 8> g{};
    bool almenoUno = false;
    for (int d = 1; d <= 7; ++d) {
        g[d] = d <= giorni.size() && giorni[d - 1] == u'Y';
        almenoUno = almenoUno || g[d];
    }
    if (!almenoUno)
        g[7] = true;
    return g;
}

QDate prossimaDataEstrazione(QDate ultima, const QString& giorni)
{
    if (!ultima.isValid())
        return ultima;
    const auto g = giorniDiEstrazione(giorni);
    QDate d = ultima.addDays(1);
    while (!g[compat::vbWeekday(d)])
        d = d.addDays(1);
    return d;
}
