#include "ui/uo_toolbarutil6.h"

using namespace Qt::StringLiterals;

uo_toolbarutil6::uo_toolbarutil6()
    : uo_toolbarutil(u"FNFIXEDBAR60"_s)
{ }
