#pragma once

#include "runtime/MessageBoxService.h"

#include <vector>

namespace support {

// Records every message box instead of showing it, for the length of its
// life: it answers each box at once and keeps what was shown, so that a
// handler that reports something can be driven without a human closing
// the box.
class MessageBoxRecorder
{
public:
    MessageBoxRecorder()
    {
        rt::MessageBoxService::setHandler(
            [this](const rt::MessageBoxService::Shown &box) { m_boxes.push_back(box); });
    }
    ~MessageBoxRecorder() { rt::MessageBoxService::setHandler({}); }
    MessageBoxRecorder(const MessageBoxRecorder &) = delete;
    MessageBoxRecorder &operator=(const MessageBoxRecorder &) = delete;

    const std::vector<rt::MessageBoxService::Shown> &boxes() const { return m_boxes; }
    void clear() { m_boxes.clear(); }

private:
    std::vector<rt::MessageBoxService::Shown> m_boxes;
};

} // namespace support
