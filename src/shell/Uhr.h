#pragma once

#include <functional>

// The one source of the current date and time (TDateTime); tests set it.
namespace Uhr {

double Jetzt();
// Replaces the clock; an empty function restores the system clock.
void Stellen(std::function<double()> uhr);

} // namespace Uhr
