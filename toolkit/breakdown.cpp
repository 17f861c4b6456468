#include "toolkit/breakdown.h"

#include <QStringList>

namespace mjcalc {

QString toolTipTable(const Breakdown& lines)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (const BreakdownLine& line : lines) {
        const bool shown = line.role == LineRole::Shown;
        const QString open = shown ? QStringLiteral("<b>") : QString();
        const QString close = shown ? QStringLiteral("</b>") : QString();
        html += QStringLiteral("<tr><td>%1%2%3</td><td align=\"right\">&nbsp;&nbsp;%4</td>"
                               "<td align=\"right\">&nbsp;&nbsp;%1%5%3</td></tr>")
                    .arg(open, line.item.toHtmlEscaped(), close, line.change.toHtmlEscaped(),
                         line.total.trimmed().toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

QString plainText(const Breakdown& lines)
{
    QStringList results;
    QStringList steps;
    for (const BreakdownLine& line : lines) {
        const QString total = line.total.trimmed();
        if (line.role == LineRole::Result || line.role == LineRole::Shown) {
            QStringList words{line.item, line.change, total};
            words.removeAll(QString());
            results.append(words.join(u' '));
        } else if (line.role == LineRole::Step) {
            QString step = line.item;
            if (!line.change.isEmpty())
                step += QStringLiteral(": ") + line.change;
            if (!total.isEmpty())
                step += QStringLiteral(" = ") + total;
            steps.append(step);
        }
    }
    steps.prepend(results.join(QStringLiteral(", ")));
    return steps.join(u'\n');
}

} // namespace mjcalc
