// Linked into a program whose main() is left exactly as written: ends it at the first idle moment
// after its windows are shown, as startup_mjcalc and startup_bare end themselves.

#include "idle.h"

#include <QCoreApplication>

namespace {

void quitAtFirstIdleMoment()
{
    mjcalc::bench::quitWhenIdle();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(quitAtFirstIdleMoment)
