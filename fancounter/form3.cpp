#include "fancounter/form3.h"

#include "app/appstate.h"
#include "app/formlayout.h"

namespace mjcalc {

Form3::Form3(AppState& state)
    : Sheet(QSize(twipsToPixels(6630), twipsToPixels(5295))), state_(state)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("FanCounting"));
}

} // namespace mjcalc
