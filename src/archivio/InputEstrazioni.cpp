#include "archivio/InputEstrazioni.h"

#include "compat/vb.h"
#include "compat/vbdate.h"
#include "core/CalendarioEstrazioni.h"

int valoreCasella(QStringView testo)
{
    qsizetype i = 0;
    while (i < testo.size() && testo[i] == u' ')
        ++i;
    int v = 0;
    for (; i < testo.size() && testo[i] >= u'0' && testo[i] <= u'9'; ++i)
        v = std::min(v * 10 + (testo[i].unicode() - u'0'), 1000000);
    return v;
}

int numeriRichiesti(QDate data, QDate primaNazionale)
{
    return data.isValid() && data >= primaNazionale ? 55 : 50;
}

PropostaEstrazione proponiEstrazione(const RecEstrazione& ultima, const QString& giorni)
{
    PropostaEstrazione p;
    const auto dataUltima = ultima.data();
    if (!dataUltima)
        return p;
    p.data = prossimaDataEstrazione(*dataUltima, giorni);
    p.giornoSettimana = compat::vbWeekday(p.data);
    p.numeroAnno = p.data.year() == dataUltima->year() ? compat::vbStr(ultima.ProgressivoAnno() + 1)
                                                       : QStringLiteral("1");
    return p;
}

std::vector<QString> tokenTesto(QStringView testo)
{
    std::vector<QString> token;
    if (testo.size() < 10)
        return token;
    QString corrente;
    for (const QChar c : testo) {
        if (c >= u'0' && c <= u'9') {
            corrente += c;
        } else if (!corrente.isEmpty()) {
            token.push_back(corrente);
            corrente.clear();
        }
        if (token.size() >= size_t(kCaselle))
            return token;
    }
    if (!corrente.isEmpty())
        token.push_back(corrente);
    return token;
}

Incollatura incolla(QStringView testo)
{
    Incollatura r;
    for (const QString& t : tokenTesto(testo)) {
        const int v = valoreCasella(t);
        if (v < 1 || v > 90) {
            r.testi.push_back(QString());
            r.casellaErrata = static_cast<int>(r.testi.size());
            break;
        }
        r.testi.push_back(t);
    }
    return r;
}

int primaCasellaFuoriIntervallo(const ValoriCaselle& v)
{
    for (int k = 1; k <= kCaselle; ++k)
        if (v[k] < 0 || v[k] > 90)
            return k;
    return 0;
}

int caselleVuote(const ValoriCaselle& v, int n)
{
    int vuote = 0;
    for (int k = 1; k <= n; ++k)
        if (v[k] == 0)
            ++vuote;
    return vuote;
}

bool numeriRipetuti(const ValoriCaselle& v, int n)
{
    for (int w = 0; w < n / 5; ++w)
        for (int i = 1; i <= 4; ++i)
            for (int j = i + 1; j <= 5; ++j)
                if (v[w * 5 + i] == v[w * 5 + j])
                    return true;
    return false;
}

RecEstrazione componiRecord(const ValoriCaselle& v, const QString& giorno, const QString& mese,
                            const QString& anno, int numeroAnno, int giornoSettimana,
                            int giornoEtichetta)
{
    RecEstrazione r;
    r.setGiornoSettimana(static_cast<char>('0' + giornoSettimana));
    r.setGiornoEstrazione(static_cast<char>('0' + giornoEtichetta));
    r.setProgressivoAnno(numeroAnno);
    const QByteArray data = compat::vbFixed(giorno + mese + anno, 8).toLatin1();
    std::copy_n(data.constData(), 8, r.bytes.begin() + 3);
    for (int w = 1; w <= kRuote; ++w)
        for (int p = 1; p <= 5; ++p)
            r.setNumero(w, p, v[(w - 1) * 5 + p]);
    return r;
}
