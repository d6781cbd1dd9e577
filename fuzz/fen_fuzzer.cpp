// Arbitrary text as a FEN: the reader, the position written back, the check test of
// the position, and the written text read once more.
#include "control/rules/rules_engine.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    tolvar::RulesEngine engine;
    engine.LoadFEN(std::string(reinterpret_cast<const char *>(data), size));
    engine.WriteForsyth();
    engine.CheckForCheck();
    const std::string written = engine.Forsyth;
    engine.LoadFEN(written);
    engine.WriteForsyth();
    return 0;
}
