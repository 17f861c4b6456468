#include "toolkit/sheetfont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace mjcalc {

namespace {

constexpr int kSheetPixels = 11;
constexpr int kSmallestPixels = 7;
// What a push button's frame takes from the room for its caption.
constexpr int kButtonFrame = 4;

// The family the layouts were drawn in first, then families made to the same widths.
constexpr const char* kSameWidths[] = {"Liberation Sans", "Arimo",       "Arial",
                                       "Helvetica",       "Nimbus Sans", "Nimbus Sans L",
                                       "TeX Gyre Heros",  "FreeSans"};

QFont sized(const QString& family, int pixels)
{
    // One family, not a list: Qt looks up the fallbacks of a list as soon as the font is first
    // used, and the captions never need them.
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    return font;
}

bool captionsFit(std::initializer_list<std::span<const ControlSpec>> layouts, const QFont& font)
{
    const QFontMetrics plain(font);
    const QFontMetrics bold(boldSheetFont(font));
    for (std::span<const ControlSpec> layout : layouts) {
        // Only labels and buttons have captions.
        for (const ControlSpec& control : layout) {
            if (!control.caption || !*control.caption)
                continue;
            const int frame = control.kind == ControlKind::Button ? kButtonFrame : 0;
            const QFontMetrics& metrics = control.purpose.role == Role::Heading ? bold : plain;
            if (metrics.horizontalAdvance(QString::fromUtf8(control.caption)) + frame >
                    twipsToPixels(control.width) ||
                metrics.height() > twipsToPixels(control.height))
                return false;
        }
    }
    return true;
}

// Where no fontconfig chooses for it (Windows, or a bare folder of fonts), Qt stands in for a
// missing desktop family with the first family it knows, which may be a face for mathematics or
// code; captions need one made for running text.
bool madeForText(const QString& family)
{
    if (QFontDatabase::isFixedPitch(family))
        return false;
    for (const char* purpose : {"Math", "Mono", "Symbol", "Emoji", "Icons"}) {
        if (family.contains(QLatin1String(purpose), Qt::CaseInsensitive))
            return false;
    }
    return true;
}

QString desktopSansSerif(const QStringList& installed)
{
    QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    desktop.setStyleHint(QFont::SansSerif);
    const QString family = QFontInfo(desktop).family();
    if (madeForText(family))
        return family;
    for (const QString& candidate : installed) {
        if (candidate.contains(QLatin1String("Sans")) && madeForText(candidate))
            return candidate;
    }
    for (const QString& candidate : installed) {
        if (madeForText(candidate))
            return candidate;
    }
    return family;
}

} // namespace

QFont chooseSheetFont(std::initializer_list<std::span<const ControlSpec>> layouts)
{
    const QStringList installed = QFontDatabase::families();
    QString family;
    for (const char* candidate : kSameWidths) {
        if (installed.contains(QLatin1String(candidate))) {
            family = QString::fromLatin1(candidate);
            break;
        }
    }
    // The layouts were drawn in the first family; they are measured only in any other.
    if (family == QLatin1String(kSameWidths[0]))
        return sized(family, kSheetPixels);
    if (family.isEmpty())
        family = desktopSansSerif(installed);
    int pixels = kSheetPixels;
    while (pixels > kSmallestPixels && !captionsFit(layouts, sized(family, pixels)))
        --pixels;
    return sized(family, pixels);
}

void useSheetFont(const QFont& sheetFont)
{
    // Set for the application rather than for each window: a font given to a window is resolved
    // again for each of its hundred-odd controls, which costs start-up some millions of
    // instructions. A font given to a class reaches the children of its widgets too. The menu
    // bar stays in the sheets' font: in a second face it would cost start-up as much again as
    // the whole sheet's text, while the menus it opens, drawn only when opened, cost nothing then.
    const QFont desktop = QApplication::font();
    // The application's font first: setting it forgets the fonts given to classes.
    QApplication::setFont(sheetFont);
    for (const char* desktopClass : {"QDialog", "QMenu", "QTipLabel"})
        QApplication::setFont(desktop, desktopClass);
}

QFont boldSheetFont(const QFont& sheetFont)
{
    // The few bold captions are headings, a pixel larger than the rest.
    QFont bold = sheetFont;
    bold.setBold(true);
    bold.setPixelSize(sheetFont.pixelSize() + 1);
    return bold;
}

} // namespace mjcalc
