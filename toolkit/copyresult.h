#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

class QLabel;
class QWidget;

namespace mjcalc {

// Lets the player take a window's result elsewhere, such as a game's chat: the platform's Copy
// key (Ctrl+C) puts it on the clipboard wherever the focus is, and so does "Copy result" in the
// context menu of the labels that show it, which tell a screen reader so. A text box with text
// selected in it keeps the Copy key for its selection, as every text box does.
void offerResultCopy(QWidget* window, std::initializer_list<QLabel*> labels,
                     std::function<QString()> result);

} // namespace mjcalc
