#include "busy_pointer.h"

#include <utility>

namespace platform {
namespace {

std::function<void(bool)> &handler()
{
    static std::function<void(bool)> installed;
    return installed;
}

int depth = 0;

} // namespace

BusyPointer::BusyPointer()
{
    if (depth++ == 0 && handler())
        handler()(true);
}

BusyPointer::~BusyPointer()
{
    if (--depth == 0 && handler())
        handler()(false);
}

void setBusyPointerHandler(std::function<void(bool busy)> newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace platform
