#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace tilegen {

enum class Face { Wind, Flower, Season, WhiteDragon, RedDragon, GreenDragon };

enum class Look { Selected, Unselected };

struct TileDesign {
    QString stem;
    QSize size; // the 1x image; @2x images are drawn afresh at twice this
    Face face;
    QString glyph; // the big character, or the small name on a flower or season
    int number = 0;
};

// The family every character is drawn in; must be set before anything is rendered.
void setGlyphFamily(const QString& family);

QImage renderTile(const TileDesign& tile, Look look, double scale);

// The application icon: the red dragon standing in the middle of a transparent square.
QImage renderIcon(int size);

} // namespace tilegen
