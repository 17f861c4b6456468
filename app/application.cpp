#include "app/application.h"

namespace mjcalc {

Application::Application() : catalogue_(state_, dialogs_) {}

void Application::start()
{
    catalogue_.open(FormId::Form1);
}

} // namespace mjcalc
