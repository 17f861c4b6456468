#pragma once

namespace mjcalc {

class Dialogs;
class Form1;
struct SheetColours;

// "Text Colour": the main window's text and that of all its labels.
void chooseTextColour(Form1& form, SheetColours& colours, Dialogs& dialogs);

// "Background Colour": the main window, its labels and its check boxes.
void chooseBackgroundColour(Form1& form, SheetColours& colours, Dialogs& dialogs);

} // namespace mjcalc
