#include "core/RecEstrazione.h"

#include "compat/vbdate.h"

#include <algorithm>

RecEstrazione RecEstrazione::daBytes(QByteArrayView raw)
{
    RecEstrazione r;
    std::copy_n(raw.data(), std::min<qsizetype>(raw.size(), kLunghezzaRecEstrazione),
                r.bytes.begin());
    return r;
}

QByteArray RecEstrazione::toBytes() const
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), kLunghezzaRecEstrazione);
}

RecEstrazione RecEstrazione::crea(QDate data, int progressivo)
{
    RecEstrazione r;
    const char g = static_cast<char>('0' + compat::vbWeekday(data));
    r.setGiornoSettimana(g);
    r.setGiornoEstrazione(g);
    r.setProgressivoAnno(progressivo);
    r.setData(data);
    return r;
}

QByteArray RecEstrazione::DataCompatta() const
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()) + 3, 8);
}

int RecEstrazione::giorno() const
{
    const char c = GiornoSettimana();
    return c >= '1' && c <= '7' ? c - '0' : 0;
}

std::optional<QDate> RecEstrazione::data() const
{
    return compat::fromCompatta(DataCompatta());
}

int RecEstrazione::anno() const
{
    const auto d = data();
    return d ? d->year() : 0;
}

QString RecEstrazione::dataTesto() const
{
    const QByteArray d = DataCompatta();
    return QString::fromLatin1(d.mid(0, 2) + '/' + d.mid(2, 2) + '/' + d.mid(4, 4));
}

void RecEstrazione::setData(QDate d)
{
    const QByteArray c = compat::toCompatta(d);
    std::copy_n(c.constData(), std::min<qsizetype>(c.size(), 8), bytes.begin() + 3);
}

RecAnno RecAnno::daBytes(QByteArrayView raw)
{
    RecAnno r;
    std::copy_n(raw.data(), std::min<qsizetype>(raw.size(), kLunghezzaRecAnno), r.bytes.begin());
    return r;
}

RecAnno RecAnno::crea(int anno, qint32 primaEstrazione)
{
    RecAnno r;
    const QByteArray a = QByteArray::number(anno).rightJustified(4, '0', true);
    const QByteArray p = QByteArray::number(primaEstrazione).leftJustified(7, ' ', true);
    std::copy_n(a.constData(), 4, r.bytes.begin());
    std::copy_n(p.constData(), 7, r.bytes.begin() + 4);
    r.bytes[11] = 13;
    return r;
}

QByteArray RecAnno::toBytes() const
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), kLunghezzaRecAnno);
}

QByteArray RecAnno::Anno() const
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), 4);
}

int RecAnno::anno() const
{
    bool ok = false;
    const int a = Anno().toInt(&ok);
    return ok ? a : 0;
}

qint32 RecAnno::PrimaEstrazione() const
{
    // Read as the numeric value of the text: leading blanks skipped, digits
    // up to the first other character.
    const QByteArray t(reinterpret_cast<const char*>(bytes.data()) + 4, 7);
    qint64 v = 0;
    qsizetype i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i)
        v = v * 10 + (t[i] - '0');
    return static_cast<qint32>(v);
}
