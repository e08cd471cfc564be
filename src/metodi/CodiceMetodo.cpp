#include "metodi/CodiceMetodo.h"

#include "compat/vb.h"
#include "compat/vbformat.h"
#include "core/Archivio.h"

using compat::vbCInt;
using compat::vbFormat;
using compat::vbMid;
using compat::vbStr;
using compat::vbVal;

int OperazioneFuori90(QChar operazione, int a, int b)
{
    if (operazione == u'+')
        return SommaFuori90(a, b);
    if (operazione == u'-')
        return DifferenzaFuori90(a, b);
    return ProdottoFuori90(a, b);
}

bool conNazionale(const RecEstrazione& r)
{
    const auto d = r.data();
    return d && *d >= primaDataNazionale();
}

QString messaggioErroreCodice(ErroreCodice e)
{
    switch (e) {
    case ErroreCodice::Nessuno:
        return {};
    case ErroreCodice::CapogiocoMancante:
        return QStringLiteral("Calcolo impossibile: capogioco mancante.");
    case ErroreCodice::Posizione:
        return QStringLiteral("Calcolo impossibile: posizione non valida.");
    case ErroreCodice::Ruota1:
        return QStringLiteral("Calcolo impossibile: ruota 1 non valida.");
    case ErroreCodice::Operazione:
        return QStringLiteral("Calcolo impossibile: operazione non valida.");
    case ErroreCodice::Posizione2:
        return QStringLiteral("Calcolo impossibile: posizione 2 non valida.");
    case ErroreCodice::Ruota2:
        return QStringLiteral("Calcolo impossibile: ruota 2 non valida.");
    case ErroreCodice::Numero:
        return QStringLiteral("Calcolo impossibile: numero non valido (operazione).");
    }
    return {};
}

ErroreCodice leggiCodice(QStringView codice, FormulaMetodo& f)
{
    if (codiceMancante(codice))
        return ErroreCodice::CapogiocoMancante;
    auto campo = [&](int inizio, int lunghezza) {
        return vbCInt(vbVal(vbMid(codice, inizio, lunghezza)));
    };
    f.posizione1 = campo(1, 1);
    if (f.posizione1 < 1 || f.posizione1 > 5)
        return ErroreCodice::Posizione;
    f.ruota1 = campo(2, 2);
    if (f.ruota1 < 1 || f.ruota1 > kRuote)
        return ErroreCodice::Ruota1;
    f.operazione = codice[3];
    if (f.operazione != u'-' && f.operazione != u'+' && f.operazione != u'x')
        return ErroreCodice::Operazione;
    f.posizione2 = campo(5, 1);
    if (f.posizione2 < 0 || f.posizione2 > 5)
        return ErroreCodice::Posizione2;
    f.ruota2 = campo(6, 2);
    if (f.ruota2 < 0 || f.ruota2 > kRuote)
        return ErroreCodice::Ruota2;
    f.costante = campo(8, 2);
    // A constant is 00..89; a negative one ("-5") would give numbers off the board.
    if (f.costante >= 90 || f.costante < 0)
        return ErroreCodice::Numero;
    return ErroreCodice::Nessuno;
}

namespace {

int numeroDi(const RecEstrazione& r, int ruota, int posizione)
{
    const int n = r.numero(ruota, posizione);
    if (!numeroValido(n) || (ruota == kNazionale && !conNazionale(r)))
        return 0;
    return n;
}

} // namespace

int CalcolaAlgoritmo(const FormulaMetodo& f, const RecEstrazione& r)
{
    const int a = numeroDi(r, f.ruota1, f.posizione1);
    if (a == 0)
        return 0;
    int b = f.costante;
    if (!f.conCostante()) {
        b = numeroDi(r, f.ruota2, f.posizione2);
        if (b == 0)
            return 0;
    }
    return OperazioneFuori90(f.operazione, a, b);
}

int CalcolaAlgoritmo(QStringView codice, const RecEstrazione& r, ErroreCodice* errore)
{
    FormulaMetodo f;
    const ErroreCodice e = leggiCodice(codice, f);
    if (errore)
        *errore = e;
    return e == ErroreCodice::Nessuno ? CalcolaAlgoritmo(f, r) : 0;
}

QString mascheraPosizioni(const std::array<bool, 6>& posizioni)
{
    QString m;
    for (int p = 1; p <= 5; ++p)
        m += posizioni[p] ? u'1' : u'0';
    return m;
}

namespace {

QString codice(int p1, int r1, int p2, int r2, int k, TipoSpia tipo, int valore,
               QStringView maschera)
{
    return vbFormat(p1, u"0") + vbFormat(r1, u"00") + u'+' + vbFormat(p2, u"0")
           + vbFormat(r2, u"00") + vbFormat(k, u"00") + vbFormat(static_cast<int>(tipo), u"0")
           + vbFormat(valore, u"00") + maschera.toString();
}

QString termine(int posizione, int ruota)
{
    return vbStr(posizione) + QStringLiteral("' su ") + siglaRuota(ruota);
}

} // namespace

QString codiceFamigliaA(int posizione, int ruota, int costante, TipoSpia tipo, int valore,
                        QStringView maschera)
{
    return codice(posizione, ruota, 0, 0, costante, tipo, valore, maschera);
}

QString codiceFamigliaB(int posizione1, int ruota1, int posizione2, int ruota2, TipoSpia tipo,
                        int valore, QStringView maschera)
{
    return codice(posizione1, ruota1, posizione2, ruota2, 0, tipo, valore, maschera);
}

QString descrizioneFamigliaA(int posizione, int ruota, int costante)
{
    return termine(posizione, ruota) + QStringLiteral(" + ") + vbFormat(costante, u"@@");
}

QString descrizioneFamigliaB(int posizione1, int ruota1, int posizione2, int ruota2)
{
    return termine(posizione1, ruota1) + QStringLiteral(" + ") + termine(posizione2, ruota2);
}
