#include "ui/uo_toolbarutil8.h"

using namespace Qt::StringLiterals;

uo_toolbarutil8::uo_toolbarutil8()
    : uo_toolbarutil(u"FNFIXEDBAR80"_s)
{ }
