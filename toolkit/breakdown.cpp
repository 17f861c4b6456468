#include "toolkit/breakdown.h"

namespace mjcalc {

QString toolTipTable(const Breakdown& lines)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (const BreakdownLine& line : lines) {
        const QString open = line.emphasis ? QStringLiteral("<b>") : QString();
        const QString close = line.emphasis ? QStringLiteral("</b>") : QString();
        html += QStringLiteral("<tr><td>%1%2%3</td><td align=\"right\">&nbsp;&nbsp;%4</td>"
                               "<td align=\"right\">&nbsp;&nbsp;%1%5%3</td></tr>")
                    .arg(open, line.item.toHtmlEscaped(), close, line.change.toHtmlEscaped(),
                         line.total.trimmed().toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

} // namespace mjcalc
