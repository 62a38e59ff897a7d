#pragma once

#include <QString>

// Reading a start-page tag: a list of "key = value" pairs separated by
// ";", for example "Run = w_xm_cz1" or "Run = mspaint.exe; OpenType=Exe".
namespace shell::startpage {

// What the page reports for an object without a tag, and for a name that
// is no object of the page.
inline constexpr char16_t kNoTag = u'?';
inline constexpr char16_t kNoObject = u'!';

// The value of `key` in `tag`, or `defaultValue`.
//
// The key is looked for without regard to letter case, anywhere in the
// text (also at the end of a longer word). When the first occurrence is
// not followed, after blanks, by "=", the search goes on after it. The
// value runs from the "=" to the next ";" (or the end of the tag) and is
// trimmed of blanks (spaces only); it keeps its letter case and may be
// empty. A tag that is empty, "?" or "!" gives the default.
QString tagValue(const QString &tag, const QString &key, const QString &defaultValue);

// `text` without spaces at either end (tabs and other white space stay).
QString trimBlanks(const QString &text);

} // namespace shell::startpage
