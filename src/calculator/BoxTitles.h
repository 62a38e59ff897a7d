#pragma once

#include <QString>

namespace calculator {

// The titles of the calculators' message boxes.
inline const QString kErrorTitle = QStringLiteral("错误");
inline const QString kNoticeTitle = QStringLiteral("提示");
inline const QString kAttentionTitle = QStringLiteral("注意");

} // namespace calculator
