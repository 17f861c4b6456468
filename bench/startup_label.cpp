// A bare window with one line of text: what any window that shows text pays at start-up on top
// of the bare window (the font database and the first glyphs), for comparison.

#include "idle.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("Table limit"));
    window.resize(608, 494);
    window.show();
    mjcalc::bench::quitWhenIdle();
    return application.exec();
}
