#pragma once

#include <QString>

namespace db {

// What a failed driver call left: the driver's diagnostics as one text (or
// the program's own when the driver gave none), and the first diagnostic
// record's SQLSTATE and native code.
struct CallFailure
{
    QString text;
    QString state;
    long native = 0;
};

} // namespace db
