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
