#include "app/coloursettings.h"

#include "app/appstate.h"
#include "calculator/form1.h"
#include "toolkit/dialogs.h"

namespace mjcalc {

namespace {

// Cancel means the player changed their mind: nothing is painted and nothing remembered.
std::optional<QColor> pick(Form1& form, SheetColours& colours, Dialogs& dialogs)
{
    const std::optional<QColor> chosen = dialogs.pickColour(&form, colours.remembered);
    if (chosen)
        colours.remembered = *chosen;
    return chosen;
}

} // namespace

void chooseTextColour(Form1& form, SheetColours& colours, Dialogs& dialogs)
{
    if (const std::optional<QColor> chosen = pick(form, colours, dialogs)) {
        colours.text = *chosen;
        form.setTextColour(*chosen);
    }
}

void chooseBackgroundColour(Form1& form, SheetColours& colours, Dialogs& dialogs)
{
    if (const std::optional<QColor> chosen = pick(form, colours, dialogs)) {
        colours.background = *chosen;
        form.setBackgroundColour(*chosen);
    }
}

} // namespace mjcalc
