#include "core/Restrizioni.h"

#include "compat/vbdate.h"

ImpostazioniRestrizioni LeggiImpostazioniRestrizioni(const Impostazione& giorni)
{
    ImpostazioniRestrizioni r;
    r.Giorno = leggi(imp::Giorno);
    r.Giorni = leggi(giorni);
    r.Mese = leggi(imp::Mese);
    r.Mesi = leggi(imp::Mesi);
    r.Periodo = leggi(imp::Periodo);
    r.Dal = leggi(imp::Dal);
    r.Al = leggi(imp::Al);
    return r;
}

void SalvaImpostazioniRestrizioni(const ImpostazioniRestrizioni& r)
{
    const auto seAttivo = [](const QString& interruttore, const QString& flag) {
        return interruttore == u"Y" ? std::optional<QString>(flag) : std::nullopt;
    };
    salva(imp::Giorno, r.Giorno);
    salva(imp::Mese, r.Mese);
    salva(imp::Periodo, r.Periodo);
    salva(imp::Giorni, seAttivo(r.Giorno, r.Giorni));
    salva(imp::Mesi, seAttivo(r.Mese, r.Mesi));
    salva(imp::Dal, r.Dal);
    salva(imp::Al, r.Al);
}

int meseDaNome(QStringView nome)
{
    // A fixed Italian table, never the machine's locale: a setting written
    // as "05Marzo" or under another locale still names March.
    for (int m = 1; m <= 12; ++m)
        if (nome.compare(compat::vbMonthName(m), Qt::CaseInsensitive) == 0)
            return m;
    return 0;
}

namespace {

// The day of "Dal"/"Al" with its month as a date of 2001, if it is one.
std::optional<QDate> giornoDel2001(const QString& testo)
{
    const int mese = meseDaNome(QStringView(testo).mid(2));
    if (mese == 0)
        return std::nullopt;
    bool ok = false;
    const int giorno = QStringView(testo).left(2).toInt(&ok);
    const QDate d(2001, mese, giorno);
    if (!ok || !d.isValid())
        return std::nullopt;
    return d;
}

} // namespace

Restrizioni::Restrizioni()
    : Giorno(QStringLiteral("N")), Mese(QStringLiteral("N")), Periodo(QStringLiteral("N"))
{
    FlagGiorni.fill(true);
    FlagMesi.fill(true);
    FlagPeriodo.fill(true);
    FlagGiorni[0] = FlagMesi[0] = false;
}

Restrizioni Restrizioni::daImpostazioni(const ImpostazioniRestrizioni& imp)
{
    Restrizioni r;
    r.Giorno = imp.Giorno;
    r.Mese = imp.Mese;
    r.Periodo = imp.Periodo;

    r.FlagGiorni.fill(false);
    for (int i = 1; i <= 7; ++i)
        r.FlagGiorni[i] = imp.Giorno == u"N" || (i <= imp.Giorni.size() && imp.Giorni[i - 1] == u'Y');

    r.FlagMesi.fill(false);
    for (int i = 1; i <= 12; ++i)
        r.FlagMesi[i] = imp.Mese == u"N" || (i <= imp.Mesi.size() && imp.Mesi[i - 1] == u'Y');

    r.FlagPeriodo.fill(false);
    if (imp.Periodo == u"N") {
        r.FlagPeriodo.fill(true);
        return r;
    }
    // A day that is no date of 2001 (only an edited file has one) makes the
    // period unreadable, like an unknown month name: every draw then fails.
    const auto inizio = giornoDel2001(imp.Dal);
    if (!inizio)
        return r;
    auto fine = giornoDel2001(imp.Al);
    if (!fine)
        return r;
    if (*fine < *inizio)
        *fine = fine->addDays(365);
    for (QDate d = *inizio; d <= *fine; d = d.addDays(1))
        r.FlagPeriodo[d.dayOfYear() - 1] = true;
    return r;
}

bool Restrizioni::verifica(QByteArrayView dataCompatta, char giornoSettimana) const
{
    const auto data = compat::fromCompatta(dataCompatta);
    if (!data)
        return false;
    if (Giorno == u"N" && Mese == u"N" && Periodo == u"N")
        return true;
    if (Giorno == u"Y") {
        // A weekday digit outside 1..7 fails rather than reading out of the table.
        const int g = giornoSettimana >= '1' && giornoSettimana <= '7' ? giornoSettimana - '0' : 0;
        if (g == 0 || !FlagGiorni[g])
            return false;
    }
    if (Mese == u"Y" && !FlagMesi[data->month()])
        return false;
    if (Periodo == u"Y") {
        const int giorno = data->month() == 2 && data->day() == 29 ? 28 : data->day();
        const QDate d(2001, data->month(), giorno);
        if (!d.isValid() || !FlagPeriodo[d.dayOfYear() - 1])
            return false;
    }
    return true;
}
