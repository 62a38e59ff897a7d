#pragma once

#include <QString>

namespace rt {

// Qt's own texts (the message boxes' buttons, the entry fields' context
// menu, the print and page set-up dialogs) in Simplified Chinese, as the
// rest of the program, whatever the user's locale: the program has no
// other language. Loads qtbase_zh_CN.qm from Qt's translations folder and
// installs it for the whole application; call it once the application
// object exists, before the first window.
//
// Returns whether the translation was installed. A missing or unreadable
// file is no error: Qt's texts then stay in English.
bool installToolkitTranslation();

// The same, from the file qtbase_zh_CN.qm in `folder`. A translation that
// this installed before is replaced only when the new one loads.
bool installToolkitTranslation(const QString &folder);

} // namespace rt
