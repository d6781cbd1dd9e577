#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace pavisto {

// The auto-play speed a typed text stands for: a number from 1 to 90, rounded to a
// whole number with halves to the even neighbour; nothing for any other text.
std::optional<qint16> autoPlaySpeedFromText(const QString &text);

} // namespace pavisto
