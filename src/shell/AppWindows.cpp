#include "AppWindows.h"

void registerAppWindows()
{
}
