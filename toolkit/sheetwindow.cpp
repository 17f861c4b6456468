#include "toolkit/sheetwindow.h"

#include "toolkit/sheet.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScroller>
#include <QStyle>
#include <QWindow>

#include <algorithm>

namespace mjcalc {

SheetWindow::SheetWindow(QSize drawnSize, QWidget* parent)
    : QMainWindow(parent), sheet_(new Sheet(drawnSize))
{
    setCentralWidget(sheet_);
    // Explicitly: left to itself a window is never shown wider than two thirds of the screen.
    resize(sizeHint());
}

void SheetWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!natural_.isValid()) {
        natural_ = sizeHint();
        // The screen can change as the window moves, and a screen's free area as panels come
        // and go. Queued: a move that takes the window to another screen reports the new screen
        // before it has placed the window, and would otherwise undo the fit with its own size.
        connect(windowHandle(), &QWindow::screenChanged, this, &SheetWindow::fitScreen,
                Qt::QueuedConnection);
    }
    fitScreen();
}

void SheetWindow::fitScreen()
{
    const QScreen* shown = screen();
    if (!shown)
        return;
    disconnect(screenArea_);
    screenArea_ = connect(shown, &QScreen::availableGeometryChanged, this, &SheetWindow::fitScreen);
    const QRect available = shown->availableGeometry();
    // The title bar and borders, as far as the window system has told them yet.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize room = available.size() - frame;
    if (!scroller_ && natural_.width() <= room.width() && natural_.height() <= room.height())
        return;
    if (!scroller_)
        scrollSheet();
    // A scroll bar takes room from the other way across, which the window gives back where the
    // screen has it, so that a sheet too wide only scrolls sideways.
    QSize size = natural_;
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (size.width() > room.width())
        size += QSize(0, bar);
    if (size.height() > room.height())
        size += QSize(bar, 0);
    resize(size.boundedTo(room));
    // The whole frame on the screen, the title bar first.
    const QRect placed = frameGeometry();
    const int x =
        std::max(available.left(), std::min(placed.left(), available.right() + 1 - placed.width()));
    const int y =
        std::max(available.top(), std::min(placed.top(), available.bottom() + 1 - placed.height()));
    if (x != placed.left() || y != placed.top())
        move(x, y);
}

void SheetWindow::scrollSheet()
{
    scroller_ = new QScrollArea;
    scroller_->setFrameShape(QFrame::NoFrame);
    // The controls take the focus, not the view of them.
    scroller_->setFocusPolicy(Qt::NoFocus);
    takeCentralWidget();
    // At its drawn size again, whatever the window's layout made of it so far.
    sheet_->resize(sheet_->sizeHint());
    scroller_->setWidget(sheet_);
    setCentralWidget(scroller_);
    // A finger drags the sheet, as on any touch screen; a mouse still uses the scroll bars.
    QScroller::grabGesture(scroller_->viewport(), QScroller::TouchGesture);
    // Whatever brings a control the focus, Tab, a click on its visible edge or the program,
    // brings it into sight.
    connect(qApp, &QApplication::focusChanged, scroller_, [this](QWidget*, QWidget* now) {
        if (now && sheet_->isAncestorOf(now))
            scroller_->ensureWidgetVisible(now);
    });
}

} // namespace mjcalc
