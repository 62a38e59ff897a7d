#pragma once

namespace app {

// Registers every window class that can be opened by its class name.
void registerAppWindows();

} // namespace app
