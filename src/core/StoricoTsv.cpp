#include "core/StoricoTsv.h"

#include "compat/vbdate.h"

#include <QFile>
#include <set>

StoricoTsv leggiStoricoTsv(const QString& percorso)
{
    StoricoTsv out;
    QFile f(percorso);
    if (!f.open(QIODevice::ReadOnly)) {
        out.errore = QStringLiteral("impossibile aprire ") + percorso;
        return out;
    }
    const QList<QByteArray> righe = f.readAll().split('\n');
    std::optional<QDate> precedente;
    for (qsizetype i = 1; i < righe.size(); ++i) {
        QByteArray riga = righe[i];
        if (riga.endsWith('\r'))
            riga.chop(1);
        if (riga.isEmpty())
            continue;
        const QString dove = QStringLiteral("riga %1: ").arg(i + 1);
        const QList<QByteArray> campi = riga.split('\t');
        if (campi.size() != 2 + kRuote) {
            out.errore = dove + QStringLiteral("attesi 13 campi");
            return out;
        }
        const auto data = compat::vbCDate(QString::fromLatin1(campi[0]));
        bool ok = false;
        const int progressivo = campi[1].toInt(&ok);
        if (!data || (precedente && *data <= *precedente)) {
            out.errore = dove + QStringLiteral("data non valida o fuori ordine");
            return out;
        }
        if (!ok || progressivo < 1 || progressivo > 255) {
            out.errore = dove + QStringLiteral("progressivo non valido");
            return out;
        }
        RecEstrazione r = RecEstrazione::crea(*data, progressivo);
        for (int w = 1; w <= kRuote; ++w) {
            const QByteArray cella = campi[1 + w].trimmed();
            if (cella.isEmpty())
                continue;
            const QList<QByteArray> numeri = cella.split(' ');
            std::set<int> visti;
            if (numeri.size() != 5) {
                out.errore = dove + QStringLiteral("ruota %1: attesi 5 numeri").arg(w);
                return out;
            }
            for (int p = 1; p <= 5; ++p) {
                const int n = numeri[p - 1].toInt(&ok);
                if (!ok || n < 1 || n > 90 || !visti.insert(n).second) {
                    out.errore = dove + QStringLiteral("ruota %1: numero non valido").arg(w);
                    return out;
                }
                r.setNumero(w, p, n);
            }
        }
        out.estrazioni.push_back(r);
        precedente = data;
    }
    return out;
}
