#include "ui/uo_toolbarutil7.h"

using namespace Qt::StringLiterals;

uo_toolbarutil7::uo_toolbarutil7()
    : uo_toolbarutil(u"FNFIXEDBAR70"_s)
{ }
