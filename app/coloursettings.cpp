#include "app/coloursettings.h"

#include "app/appstate.h"
#include "toolkit/dialogs.h"
#include "calculator/form1.h"

namespace mjcalc {

namespace {

// Cancel means the player changed their mind: nothing is painted and nothing remembered.
std::optional<QColor> pick(SheetColours& colours, Dialogs& dialogs)
{
    const std::optional<QColor> chosen = dialogs.pickColour(colours.remembered);
    if (chosen)
        colours.remembered = *chosen;
    return chosen;
}

} // namespace

void chooseTextColour(Form1& form, SheetColours& colours, Dialogs& dialogs)
{
    if (const std::optional<QColor> chosen = pick(colours, dialogs)) {
        colours.text = *chosen;
        form.setTextColour(*chosen);
    }
}

void chooseBackgroundColour(Form1& form, SheetColours& colours, Dialogs& dialogs)
{
    if (const std::optional<QColor> chosen = pick(colours, dialogs)) {
        colours.background = *chosen;
        form.setBackgroundColour(*chosen);
    }
}

} // namespace mjcalc
