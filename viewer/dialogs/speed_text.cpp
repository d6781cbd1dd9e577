#include "speed_text.h"

#include "viewer/database/viewer_state.h"

#include <cmath>

namespace pavisto {

std::optional<qint16> autoPlaySpeedFromText(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= MinAutoPlaySpeed && value <= MaxAutoPlaySpeed))
        return std::nullopt;
    return qint16(std::nearbyint(value));
}

} // namespace pavisto
