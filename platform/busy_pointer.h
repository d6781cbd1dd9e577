#pragma once

#include <functional>

namespace platform {

// Shows the hourglass mouse pointer for the lifetime of the object, also when the
// work it guards ends early. Nested guards keep the pointer busy until the outermost
// one ends. Headless code uses it freely: until a host installs a handler, nothing is shown.
class BusyPointer final {
public:
    BusyPointer();
    ~BusyPointer();
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

// Installs what turns the pointer busy (true) and back to normal (false).
void setBusyPointerHandler(std::function<void(bool busy)> handler);

} // namespace platform
