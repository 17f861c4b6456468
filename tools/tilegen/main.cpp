// Draws the tile pictures and the application icon. Run by hand through generate.sh; the
// output is committed, so the application build never needs a CJK font.

#include "tilepainter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <vector>

using tilegen::Face;
using tilegen::Look;
using tilegen::TileDesign;

namespace {

// The screens are laid out for exactly these sizes, uneven as they are.
const std::vector<TileDesign>& allTiles()
{
    static const std::vector<TileDesign> tiles = {
        {"east", {28, 38}, Face::Wind, QStringLiteral(u"東")},
        {"south", {26, 37}, Face::Wind, QStringLiteral(u"南")},
        {"west", {28, 38}, Face::Wind, QStringLiteral(u"西")},
        {"north", {27, 37}, Face::Wind, QStringLiteral(u"北")},
        {"flower1", {28, 38}, Face::Flower, QStringLiteral(u"梅"), 1},
        {"flower2", {29, 37}, Face::Flower, QStringLiteral(u"蘭"), 2},
        {"flower3", {27, 38}, Face::Flower, QStringLiteral(u"菊"), 3},
        {"flower4", {27, 38}, Face::Flower, QStringLiteral(u"竹"), 4},
        {"season1", {28, 38}, Face::Season, QStringLiteral(u"春"), 1},
        {"season2", {28, 38}, Face::Season, QStringLiteral(u"夏"), 2},
        {"season3", {27, 38}, Face::Season, QStringLiteral(u"秋"), 3},
        {"season4", {30, 39}, Face::Season, QStringLiteral(u"冬"), 4},
        {"white", {28, 40}, Face::WhiteDragon, QString()},
        {"red", {30, 39}, Face::RedDragon, QStringLiteral(u"中")},
        {"green", {29, 38}, Face::GreenDragon, QStringLiteral(u"發")},
    };
    return tiles;
}

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "tilegen: %s\n", qPrintable(message));
    std::exit(1);
}

// Serif first: it comes closest to the brush strokes on real tiles and still hints cleanly at
// tile size. Only traditional-Chinese variants, so the strokes follow Hong Kong and Taiwan sets.
QString pickFamily(const QString& wanted)
{
    const QStringList families = QFontDatabase::families();
    const QStringList choices =
        wanted.isEmpty()
            ? QStringList{"Noto Serif CJK TC", "Noto Sans CJK TC", "AR PL UKai TW", "AR PL UKai CN"}
            : QStringList{wanted};
    for (const QString& family : choices) {
        if (families.contains(family))
            return family;
    }
    fail("none of these fonts is installed: " + choices.join(", "));
}

void checkCoverage(const QString& family)
{
    const QFontMetrics metrics{QFont(family)};
    for (const TileDesign& tile : allTiles()) {
        for (const QChar ch : tile.glyph) {
            if (!metrics.inFont(ch))
                fail(QString("font %1 has no %2").arg(family, ch));
        }
    }
}

void save(const QImage& image, const QString& path)
{
    // Quality 0 is the tightest PNG compression; the images carry no text chunks.
    if (!image.save(path, "PNG", 0))
        fail("cannot write " + path);
}

QString tileFile(const QString& dir, const TileDesign& tile, Look look, bool doubled)
{
    const QString state = look == Look::Selected ? "selected" : "unselected";
    return QString("%1/%2-%3%4.png").arg(dir, tile.stem, state, doubled ? "@2x" : "");
}

void writeTiles(const QString& dir)
{
    for (const TileDesign& tile : allTiles()) {
        for (const Look look : {Look::Selected, Look::Unselected}) {
            save(tilegen::renderTile(tile, look, 1.0), tileFile(dir, tile, look, false));
            save(tilegen::renderTile(tile, look, 2.0), tileFile(dir, tile, look, true));
        }
    }
}

void writeIcons(const QString& dir)
{
    for (const int size : kIconSizes)
        save(tilegen::renderIcon(size), QString("%1/mjcalc-%2.png").arg(dir).arg(size));
}

// ---------------------------------------------------------------------------------------------
// Contact sheets, for checking the pictures by eye.

// Qt scales without smoothing by default, so every pixel shows as a block.
QImage enlarged(const QImage& image, int factor)
{
    return image.scaled(image.size() * factor);
}

QImage sheetOf(const std::vector<TileDesign>& tiles)
{
    const int gap = 8;
    const int widest = 30;
    const int column = 4 * widest + gap;
    QImage sheet(gap + column * int(tiles.size()), 820, QImage::Format_ARGB32);
    sheet.fill(QColor(0xee, 0xee, 0xee));
    QPainter p(&sheet);
    int x = gap;
    for (const TileDesign& tile : tiles) {
        const QImage on = tilegen::renderTile(tile, Look::Selected, 1.0);
        const QImage off = tilegen::renderTile(tile, Look::Unselected, 1.0);
        p.drawImage(x, gap, on);
        p.drawImage(x + on.width() + gap, gap, off);
        p.drawImage(x, 56, enlarged(on, 4));
        p.drawImage(x, 224, enlarged(off, 4));
        p.drawImage(x, 392, enlarged(tilegen::renderTile(tile, Look::Selected, 2.0), 2));
        p.drawImage(x, 560, enlarged(tilegen::renderTile(tile, Look::Unselected, 2.0), 2));
        x += column;
    }
    return sheet;
}

QImage iconSheet()
{
    QImage sheet(1000, 760, QImage::Format_ARGB32);
    sheet.fill(QColor(0xee, 0xee, 0xee));
    QPainter p(&sheet);
    p.fillRect(0, 272, sheet.width(), 272, QColor(0x30, 0x30, 0x38));
    int x = 8;
    for (const int size : kIconSizes) {
        const QImage icon = tilegen::renderIcon(size);
        p.drawImage(x, 8, icon);
        p.drawImage(x, 280, icon);
        x += size + 8;
    }
    x = 8;
    for (const int size : {16, 24, 32, 48}) {
        p.drawImage(x, 552, enlarged(tilegen::renderIcon(size), 192 / size));
        x += 200;
    }
    return sheet;
}

void writeSheets(const QString& path)
{
    // Two sheets of tiles rather than one, so that each still fits a screen at 4x.
    std::vector<TileDesign> honours;
    std::vector<TileDesign> bonus;
    for (const TileDesign& tile : allTiles()) {
        const bool isBonus = tile.face == Face::Flower || tile.face == Face::Season;
        (isBonus ? bonus : honours).push_back(tile);
    }
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(info.completeBaseName());
    save(sheetOf(honours), stem + "-honours.png");
    save(sheetOf(bonus), stem + "-bonus.png");
    save(iconSheet(), stem + "-icons.png");
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Draws the mahjong tile pictures and the application icon.");
    parser.addHelpOption();
    parser.addPositionalArgument("tiles", "Folder for the tile PNGs.");
    parser.addPositionalArgument("icons", "Folder for the icon PNGs.");
    const QCommandLineOption fontOption("font", "Font family for the characters.", "family");
    const QCommandLineOption sheetOption("sheet", "Also write contact sheets named after FILE.",
                                         "file");
    parser.addOptions({fontOption, sheetOption});
    parser.process(app);
    const QStringList dirs = parser.positionalArguments();
    if (dirs.size() != 2)
        parser.showHelp(2);

    const QString family = pickFamily(parser.value(fontOption));
    checkCoverage(family);
    tilegen::setGlyphFamily(family);
    for (const QString& dir : dirs) {
        if (!QDir().mkpath(dir))
            fail("cannot create " + dir);
    }
    writeTiles(dirs[0]);
    writeIcons(dirs[1]);
    if (parser.isSet(sheetOption))
        writeSheets(parser.value(sheetOption));
    std::printf("tilegen: drew %zu tiles and %zu icons in %s\n", allTiles().size(),
                std::size(kIconSizes), qPrintable(family));
    return 0;
}
