#include "support/ui/PdfText.h"

#include <QProcess>
#include <QRegularExpression>

namespace testsupport {

namespace {

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(20000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString info(const QString& pdf, const QString& key)
{
    const QString out = run(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpression re(QStringLiteral("^") + key + QStringLiteral(":\\s*(.*)$"),
                                QRegularExpression::MultilineOption);
    const auto m = re.match(out);
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

} // namespace

QStringList pdfLines(const QString& pdf)
{
    const QString text = run(QStringLiteral("pdftotext"),
                             {QStringLiteral("-fixed"), QStringLiteral("6"), pdf, QStringLiteral("-")});
    QStringList lines;
    for (QString l : text.split(u'\n')) {
        while (l.startsWith(u'\f')) {
            lines << QStringLiteral("\f");
            l.remove(0, 1);
        }
        while (l.endsWith(u' '))
            l.chop(1);
        lines << l;
    }
    while (!lines.isEmpty() && (lines.back().isEmpty() || lines.back() == u"\f"))
        lines.removeLast();
    return lines;
}

QList<PdfWord> pdfWords(const QString& pdf)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    QList<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return words;
}

int pdfPages(const QString& pdf)
{
    return info(pdf, QStringLiteral("Pages")).toInt();
}

QString pdfPageSize(const QString& pdf)
{
    const QRegularExpression re(QStringLiteral("([0-9.]+) x ([0-9.]+)"));
    const auto m = re.match(info(pdf, QStringLiteral("Page size")));
    if (!m.hasMatch())
        return {};
    return QString::number(qRound(m.captured(1).toDouble())) + u'x'
           + QString::number(qRound(m.captured(2).toDouble()));
}

} // namespace testsupport
