#include "tilepainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tilegen {

namespace {

struct Palette {
    QColor face;
    QColor faceLight;
    QColor faceEdge;
    QColor band;
    QColor bandDark;
    QColor outline;
};

// The unselected face is drawn grey from the start rather than greyed from cream, so the two
// looks stay far apart even on a washed-out screen.
const Palette kCream{QColor(0xf8, 0xf1, 0xdc), QColor(0xff, 0xfc, 0xf2), QColor(0xa8, 0x98, 0x74),
                     QColor(0xd8, 0xc5, 0x96), QColor(0xa3, 0x8c, 0x5e), QColor(0x5e, 0x4e, 0x34)};
const Palette kGrey{QColor(0xd2, 0xd2, 0xd2), QColor(0xe4, 0xe4, 0xe4), QColor(0x92, 0x92, 0x92),
                    QColor(0xa8, 0xa8, 0xa8), QColor(0x7c, 0x7c, 0x7c), QColor(0x4a, 0x4a, 0x4a)};

namespace ink {
const QColor black(0x12, 0x12, 0x12);
const QColor red(0xcc, 0x1c, 0x1c);
const QColor darkRed(0x98, 0x12, 0x12);
const QColor green(0x12, 0x78, 0x2c);
const QColor leaf(0x2f, 0x8f, 0x3a);
const QColor darkLeaf(0x1c, 0x62, 0x26);
const QColor blue(0x1c, 0x4c, 0xa0);
const QColor brown(0x6e, 0x48, 0x28);
const QColor gold(0xf0, 0xbe, 0x1e);
} // namespace ink

QString g_family;

// Lengths below are in pixels of the 1x tile; px() carries them to whatever is being drawn.
struct Geometry {
    double scale = 1.0;
    QRectF face;
    QPointF depth;
    double radius = 0.0;
    double pen = 1.0;

    double px(double v) const { return v * scale; }
    QRectF content() const
    {
        const double m = px(2.0);
        return face.adjusted(m, m, -m, -m);
    }
};

double wholePixels(double v, double least)
{
    return std::max(least, std::round(v));
}

// Icons get a thinner outline than tiles: at 256 pixels a scaled-up tile outline looks drawn
// with a marker.
Geometry makeGeometry(const QRectF& area, double scale, double outline)
{
    Geometry g;
    g.scale = scale;
    g.pen = wholePixels(outline, 1.0);
    g.depth = QPointF(wholePixels(3.0 * scale, 1.0), wholePixels(4.0 * scale, 1.0));
    g.radius = 2.5 * scale;
    // Half a pen in from the image border, so outlines land on whole pixels and stay crisp.
    const double half = g.pen / 2.0;
    g.face = QRectF(area.left() + half, area.top() + half, area.width() - g.depth.x() - g.pen,
                    area.height() - g.depth.y() - g.pen);
    return g;
}

// ---------------------------------------------------------------------------------------------
// Tile body

// A rounded rectangle swept along the depth vector: the face plus the two visible sides.
QPainterPath sweptBody(const QRectF& face, QPointF depth, double radius)
{
    const QRectF core = face.adjusted(radius, radius, -radius, -radius);
    QPolygonF hull;
    hull << core.topLeft() << core.topRight() << core.topRight() + depth
         << core.bottomRight() + depth << core.bottomLeft() + depth << core.bottomLeft()
         << core.topLeft();
    QPainterPath path;
    path.addPolygon(hull);
    QPainterPathStroker stroker;
    stroker.setWidth(2.0 * radius);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(path).united(path).simplified();
}

void paintSides(QPainter& p, const Geometry& g, const Palette& pal)
{
    QLinearGradient shade(g.face.center(), g.face.bottomRight() + g.depth);
    shade.setColorAt(0.0, pal.band);
    shade.setColorAt(1.0, pal.bandDark);
    p.setPen(QPen(pal.outline, g.pen));
    p.setBrush(shade);
    p.drawPath(sweptBody(g.face, g.depth, g.radius));
}

void paintFace(QPainter& p, const Geometry& g, const Palette& pal)
{
    // Light falls from the top left, so that corner of the face glows a little.
    QLinearGradient glow(g.face.topLeft(), g.face.center());
    glow.setColorAt(0.0, pal.faceLight);
    glow.setColorAt(1.0, pal.face);
    p.setPen(QPen(pal.faceEdge, g.pen));
    p.setBrush(glow);
    p.drawRoundedRect(g.face, g.radius, g.radius);
}

// ---------------------------------------------------------------------------------------------
// Characters

QFont glyphFont(int pixelSize)
{
    QFont font(g_family);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

struct FittedText {
    QFont font;
    QRectF ink;
};

// Fitting goes by the ink, not the font metrics: CJK fonts leave uneven room around a glyph, and
// a character that sits low on the face looks wrong to anyone who has played with real tiles.
FittedText fitText(const QString& text, const QSizeF& box)
{
    for (int size = int(box.height() * 2.0); size > 4; --size) {
        const QFont font = glyphFont(size);
        QPainterPath path;
        path.addText(0.0, 0.0, font, text);
        const QRectF ink = path.boundingRect();
        if (ink.width() <= box.width() && ink.height() <= box.height())
            return {font, ink};
    }
    return {glyphFont(4), QRectF()};
}

QRectF snapped(const QRectF& r)
{
    return QRectF(QPointF(std::round(r.left()), std::round(r.top())),
                  QPointF(std::round(r.right()), std::round(r.bottom())));
}

void drawText(QPainter& p, const QString& text, const QRectF& box, Qt::Alignment align,
              const QColor& colour)
{
    const FittedText fit = fitText(text, box.size());
    QPointF origin = box.center() - fit.ink.center();
    if (align & Qt::AlignLeft)
        origin.setX(box.left() - fit.ink.left());
    if (align & Qt::AlignRight)
        origin.setX(box.right() - fit.ink.right());
    if (align & Qt::AlignTop)
        origin.setY(box.top() - fit.ink.top());
    // A whole-pixel origin keeps the hinted strokes on the pixel grid.
    origin = QPointF(std::round(origin.x()), std::round(origin.y()));
    p.setPen(colour);
    p.setFont(fit.font);
    p.drawText(origin, text);
}

void paintBigGlyph(QPainter& p, const Geometry& g, const QString& glyph, const QColor& colour)
{
    const QRectF box = g.content().adjusted(g.px(0.5), g.px(1.0), -g.px(0.5), -g.px(1.0));
    drawText(p, glyph, box, Qt::AlignCenter, colour);
}

// ---------------------------------------------------------------------------------------------
// Plants, drawn in a unit square; one 1x pixel is `px` units long.

struct Plot {
    QPainter& p;
    double px;

    void stroke(const QPainterPath& path, const QColor& colour, double width) const
    {
        p.setPen(QPen(colour, width * px, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    void fill(const QPainterPath& path, const QColor& colour) const
    {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(path);
    }
    void disc(QPointF centre, double r, const QColor& colour) const
    {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(centre, r, r);
    }
    void line(QPointF a, QPointF b, const QColor& colour, double width) const
    {
        QPainterPath path(a);
        path.lineTo(b);
        stroke(path, colour, width);
    }
};

QPointF polar(double r, double degrees)
{
    const double a = degrees * std::numbers::pi / 180.0;
    return {r * std::cos(a), r * std::sin(a)};
}

// A pointed leaf or petal growing from `base` towards `degrees` (0 = right, 90 = down).
QPainterPath leafShape(QPointF base, double degrees, double length, double width)
{
    QPainterPath path;
    path.moveTo(0.0, 0.0);
    path.quadTo(length * 0.45, -width, length, 0.0);
    path.quadTo(length * 0.45, width, 0.0, 0.0);
    QTransform t;
    t.translate(base.x(), base.y());
    t.rotate(degrees);
    return t.map(path);
}

// A long blade bent through `bend`, as orchid leaves are.
QPainterPath bladeShape(QPointF base, QPointF bend, QPointF tip, double width)
{
    const QPointF d = tip - base;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len * width, d.x() / len * width);
    QPainterPath path(base);
    path.quadTo(bend + n, tip);
    path.quadTo(bend - n, base);
    return path;
}

void leaf(const Plot& c, QPointF base, double degrees, double length, double width)
{
    c.fill(leafShape(base, degrees, length, width), ink::leaf);
}

void fivePetals(const Plot& c, QPointF centre, double r)
{
    for (int i = 0; i < 5; ++i)
        c.disc(centre + polar(r * 0.55, -90.0 + 72.0 * i), r * 0.5, ink::red);
    c.disc(centre, r * 0.3, ink::gold);
}

void radialHead(const Plot& c, QPointF centre, double r, int petals)
{
    for (int i = 0; i < petals; ++i) {
        const QColor& colour = (i % 2) ? ink::darkRed : ink::red;
        c.fill(leafShape(centre, 360.0 * i / petals, r, r * 0.55), colour);
    }
    c.disc(centre, r * 0.3, ink::darkRed);
}

void orchidBloom(const Plot& c, QPointF centre, double r, double tilt)
{
    for (double a : {-90.0, 30.0, 150.0})
        c.fill(leafShape(centre, a + tilt, r, r * 0.5), ink::red);
    for (double a : {-30.0, -150.0})
        c.fill(leafShape(centre, a + tilt, r * 0.6, r * 0.45), ink::darkRed);
    c.disc(centre, r * 0.18, ink::gold);
}

void lotusBloom(const Plot& c, QPointF base, double r)
{
    for (double a : {-160.0, -20.0, -125.0, -55.0})
        c.fill(leafShape(base, a, r * 0.85, r * 0.45), ink::darkRed);
    c.fill(leafShape(base, -90.0, r, r * 0.55), ink::red);
}

void plum(const Plot& c)
{
    QPainterPath branch(QPointF(0.12, 1.0));
    branch.cubicTo(0.3, 0.7, 0.55, 0.6, 0.88, 0.12);
    c.stroke(branch, ink::brown, 1.6);
    c.line({0.42, 0.64}, {0.16, 0.3}, ink::brown, 1.1);
    leaf(c, {0.62, 0.54}, 10.0, 0.26, 0.16);
    leaf(c, {0.3, 0.5}, 195.0, 0.22, 0.14);
    leaf(c, {0.25, 0.86}, -10.0, 0.24, 0.14);
    fivePetals(c, {0.8, 0.18}, 0.17);
    fivePetals(c, {0.56, 0.4}, 0.19);
    fivePetals(c, {0.17, 0.27}, 0.16);
    fivePetals(c, {0.66, 0.8}, 0.13);
}

void orchid(const Plot& c)
{
    const QPointF root(0.5, 1.0);
    c.fill(bladeShape(root, {0.15, 0.55}, {0.02, 0.42}, 0.1), ink::leaf);
    c.fill(bladeShape(root, {0.85, 0.5}, {0.98, 0.55}, 0.1), ink::leaf);
    c.fill(bladeShape(root, {0.32, 0.45}, {0.14, 0.1}, 0.08), ink::darkLeaf);
    c.fill(bladeShape(root, {0.62, 0.62}, {0.9, 0.86}, 0.07), ink::darkLeaf);
    c.line(root, {0.64, 0.22}, ink::darkLeaf, 0.9);
    c.line(root, {0.4, 0.55}, ink::darkLeaf, 0.9);
    orchidBloom(c, {0.66, 0.22}, 0.25, 10.0);
    orchidBloom(c, {0.38, 0.52}, 0.2, -15.0);
}

void chrysanthemum(const Plot& c)
{
    c.line({0.5, 1.0}, {0.5, 0.4}, ink::darkLeaf, 1.3);
    leaf(c, {0.5, 0.86}, 200.0, 0.36, 0.2);
    leaf(c, {0.5, 0.72}, -25.0, 0.36, 0.2);
    leaf(c, {0.5, 0.98}, -10.0, 0.3, 0.16);
    radialHead(c, {0.5, 0.35}, 0.32, 16);
    c.line({0.5, 0.7}, {0.82, 0.55}, ink::darkLeaf, 0.9);
    radialHead(c, {0.84, 0.53}, 0.14, 10);
}

void bambooStalk(const Plot& c, double x, double top, double width)
{
    const double joint = 0.22;
    for (double y = 1.0; y > top + 0.02; y -= joint) {
        const double upper = std::max(top, y - joint + 0.035);
        c.line({x, y - 0.02}, {x, upper}, ink::leaf, width);
        c.line({x - 0.05, upper - 0.01}, {x + 0.05, upper - 0.01}, ink::darkLeaf, 0.9);
    }
}

void bamboo(const Plot& c)
{
    bambooStalk(c, 0.28, 0.08, 2.0);
    bambooStalk(c, 0.58, 0.22, 2.0);
    bambooStalk(c, 0.82, 0.45, 1.6);
    leaf(c, {0.28, 0.3}, 200.0, 0.3, 0.13);
    leaf(c, {0.28, 0.3}, 160.0, 0.26, 0.12);
    leaf(c, {0.58, 0.42}, -30.0, 0.34, 0.13);
    leaf(c, {0.58, 0.42}, 10.0, 0.3, 0.12);
    leaf(c, {0.58, 0.42}, 215.0, 0.26, 0.11);
    leaf(c, {0.82, 0.66}, -50.0, 0.28, 0.12);
    leaf(c, {0.28, 0.74}, 170.0, 0.24, 0.11);
}

// Seasons stand in a vase, which tells them apart from the flowers at a glance.
void vase(const Plot& c)
{
    QPainterPath body(QPointF(0.34, 0.72));
    body.lineTo(0.66, 0.72);
    body.cubicTo(0.78, 0.84, 0.72, 0.98, 0.64, 1.0);
    body.lineTo(0.36, 1.0);
    body.cubicTo(0.28, 0.98, 0.22, 0.84, 0.34, 0.72);
    c.fill(body, ink::blue);
    c.line({0.32, 0.72}, {0.68, 0.72}, ink::blue, 1.2);
}

void spring(const Plot& c)
{
    c.line({0.5, 0.72}, {0.3, 0.3}, ink::darkLeaf, 1.0);
    c.line({0.5, 0.72}, {0.72, 0.36}, ink::darkLeaf, 1.0);
    leaf(c, {0.44, 0.6}, 200.0, 0.3, 0.17);
    leaf(c, {0.58, 0.58}, -20.0, 0.3, 0.17);
    radialHead(c, {0.3, 0.28}, 0.22, 12);
    fivePetals(c, {0.72, 0.32}, 0.2);
}

void summer(const Plot& c)
{
    c.line({0.5, 0.72}, {0.5, 0.38}, ink::darkLeaf, 1.0);
    c.fill(leafShape({0.48, 0.62}, 195.0, 0.44, 0.2), ink::leaf);
    c.fill(leafShape({0.52, 0.56}, -15.0, 0.42, 0.2), ink::darkLeaf);
    lotusBloom(c, {0.5, 0.42}, 0.36);
}

void autumn(const Plot& c)
{
    c.line({0.5, 0.72}, {0.25, 0.3}, ink::darkLeaf, 1.0);
    c.line({0.5, 0.72}, {0.5, 0.16}, ink::darkLeaf, 1.0);
    c.line({0.5, 0.72}, {0.77, 0.36}, ink::darkLeaf, 1.0);
    leaf(c, {0.5, 0.58}, 200.0, 0.3, 0.16);
    leaf(c, {0.5, 0.5}, -20.0, 0.3, 0.16);
    radialHead(c, {0.5, 0.18}, 0.17, 12);
    radialHead(c, {0.24, 0.32}, 0.15, 10);
    radialHead(c, {0.77, 0.36}, 0.15, 10);
}

void winter(const Plot& c)
{
    c.line({0.5, 0.72}, {0.42, 0.4}, ink::brown, 1.2);
    c.line({0.42, 0.4}, {0.22, 0.14}, ink::brown, 1.0);
    c.line({0.42, 0.4}, {0.72, 0.2}, ink::brown, 1.0);
    c.line({0.48, 0.6}, {0.78, 0.5}, ink::brown, 0.9);
    leaf(c, {0.46, 0.52}, 190.0, 0.22, 0.13);
    fivePetals(c, {0.22, 0.16}, 0.15);
    fivePetals(c, {0.72, 0.2}, 0.16);
    fivePetals(c, {0.8, 0.5}, 0.13);
    fivePetals(c, {0.4, 0.36}, 0.13);
}

void drawPlant(const Plot& c, Face face, int number)
{
    using Painter = void (*)(const Plot&);
    static constexpr Painter flowers[] = {plum, orchid, chrysanthemum, bamboo};
    static constexpr Painter seasons[] = {spring, summer, autumn, winter};
    const int i = std::clamp(number, 1, 4) - 1;
    if (face == Face::Season) {
        seasons[i](c);
        vase(c);
    } else {
        flowers[i](c);
    }
}

void paintPlantFace(QPainter& p, const Geometry& g, const TileDesign& tile)
{
    const QRectF box = g.content();
    const double labelHeight = g.px(9.0);
    const QRectF leftName(box.left(), box.top(), box.width() * 0.55, labelHeight);
    const QRectF rightName = leftName.translated(box.width() - leftName.width(), 0.0);
    const QRectF leftNumber(box.left(), box.top(), box.width() * 0.4, g.px(7.0));
    const QRectF rightNumber = leftNumber.translated(box.width() - leftNumber.width(), 0.0);
    const QString number = QString::number(tile.number);
    if (tile.face == Face::Flower) {
        drawText(p, tile.glyph, leftName, Qt::AlignLeft | Qt::AlignTop, ink::black);
        drawText(p, number, rightNumber, Qt::AlignRight | Qt::AlignTop, ink::red);
    } else {
        drawText(p, number, leftNumber, Qt::AlignLeft | Qt::AlignTop, ink::blue);
        drawText(p, tile.glyph, rightName, Qt::AlignRight | Qt::AlignTop, ink::red);
    }

    const QRectF area = box.adjusted(0.0, labelHeight + g.px(1.0), 0.0, 0.0);
    const double side = std::min(area.width(), area.height());
    p.save();
    p.translate(area.center().x() - side / 2.0, area.bottom() - side);
    p.scale(side, side);
    drawPlant(Plot{p, g.scale / side}, tile.face, tile.number);
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// White dragon

void paintFrame(QPainter& p, const Geometry& g)
{
    const QRectF box = snapped(g.content());
    const double thick = wholePixels(g.px(2.0), 1.0);
    const double thin = wholePixels(g.px(1.0), 1.0);
    p.setBrush(Qt::NoBrush);
    const QRectF outer = box.adjusted(thick / 2, thick / 2, -thick / 2, -thick / 2);
    p.setPen(QPen(ink::blue, thick, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(outer);
    const double gap = thick + g.px(1.0) + thin / 2;
    const QRectF inner = box.adjusted(gap, gap, -gap, -gap);
    p.setPen(QPen(ink::blue, thin, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(inner);
    // Little blocks in the corners of the inner line, the usual decoration of this tile.
    const double block = wholePixels(g.px(3.0), 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(ink::blue);
    const QRectF room = inner.adjusted(-thin / 2, -thin / 2, thin / 2, thin / 2);
    for (const QPointF& corner :
         {room.topLeft(), room.topRight() - QPointF(block, 0),
          room.bottomLeft() - QPointF(0, block), room.bottomRight() - QPointF(block, block)})
        p.drawRect(QRectF(corner, QSizeF(block, block)));
}

// ---------------------------------------------------------------------------------------------

void paintContent(QPainter& p, const Geometry& g, const TileDesign& tile)
{
    switch (tile.face) {
    case Face::Wind:
        paintBigGlyph(p, g, tile.glyph, ink::black);
        break;
    case Face::RedDragon:
        paintBigGlyph(p, g, tile.glyph, ink::red);
        break;
    case Face::GreenDragon:
        paintBigGlyph(p, g, tile.glyph, ink::green);
        break;
    case Face::WhiteDragon:
        paintFrame(p, g);
        break;
    case Face::Flower:
    case Face::Season:
        paintPlantFace(p, g, tile);
        break;
    }
}

void paintBody(QPainter& p, const Geometry& g, const Palette& pal)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paintSides(p, g, pal);
    paintFace(p, g, pal);
}

void paintTile(QPainter& p, const Geometry& g, const TileDesign& tile, const Palette& pal)
{
    paintBody(p, g, pal);
    paintContent(p, g, tile);
}

// Below about 32 pixels no font hints 中 onto the grid well enough, so small icons get it built
// from whole-pixel bars instead.
void paintPixelZhong(QPainter& p, const QRect& box)
{
    const int stroke = std::max(1, int(std::lround(box.width() / 7.0)));
    const int barX = box.left() + (box.width() - stroke) / 2;
    const int mouthWidth = box.width() - (box.width() - stroke) % 2;
    const int mouthX = barX - (mouthWidth - stroke) / 2;
    const int mouthY = box.top() + int(std::lround(box.height() * 0.2));
    const int mouthHeight = std::max(3 * stroke, int(std::lround(box.height() * 0.48)));
    const QRect mouth(mouthX, mouthY, mouthWidth, mouthHeight);
    p.fillRect(QRect(mouth.left(), mouth.top(), mouth.width(), stroke), ink::red);
    p.fillRect(QRect(mouth.left(), mouth.bottom() - stroke + 1, mouth.width(), stroke), ink::red);
    p.fillRect(QRect(mouth.left(), mouth.top(), stroke, mouth.height()), ink::red);
    p.fillRect(QRect(mouth.right() - stroke + 1, mouth.top(), stroke, mouth.height()), ink::red);
    p.fillRect(QRect(barX, box.top(), stroke, box.height()), ink::red);
}

QImage blankImage(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage toGreyscale(const QImage& source)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    return image;
}

} // namespace

void setGlyphFamily(const QString& family)
{
    g_family = family;
}

QImage renderTile(const TileDesign& tile, Look look, double scale)
{
    const QSize size(int(std::lround(tile.size.width() * scale)),
                     int(std::lround(tile.size.height() * scale)));
    QImage image = blankImage(size);
    QPainter p(&image);
    const bool selected = look == Look::Selected;
    paintTile(p, makeGeometry(QRectF(QPointF(0, 0), size), scale, scale), tile,
              selected ? kCream : kGrey);
    p.end();
    return selected ? image.convertToFormat(QImage::Format_ARGB32) : toGreyscale(image);
}

QImage renderIcon(int size)
{
    const TileDesign red{"red", QSize(30, 39), Face::RedDragon, QStringLiteral(u"中")};
    const double height = std::round(size * 0.96);
    const double width = std::round(height * red.size.width() / red.size.height());
    const double scale = height / red.size.height();
    const QRectF area(std::round((size - width) / 2.0), std::round((size - height) / 2.0), width,
                      height);
    const Geometry g = makeGeometry(area, scale, scale * 0.5);
    QImage image = blankImage(QSize(size, size));
    QPainter p(&image);
    if (size > 32) {
        paintTile(p, g, red, kCream);
    } else {
        paintBody(p, g, kCream);
        paintPixelZhong(p, snapped(g.content().adjusted(0.0, 0.0, 0.0, -g.px(0.5))).toRect());
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace tilegen
