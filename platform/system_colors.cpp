#include "system_colors.h"

#include "units.h"

#include <QGuiApplication>

#include <array>

namespace platform {

std::optional<QPalette::ColorRole> systemColorRole(int index)
{
    using R = QPalette::ColorRole;
    static constexpr std::array<R, 0x19> roles = {
        R::Button,      R::Dark,          R::Highlight,       R::Mid,         R::Window,
        R::Base,        R::Shadow,        R::WindowText,      R::WindowText,  R::HighlightedText,
        R::Mid,         R::Midlight,      R::Dark,            R::Highlight,   R::HighlightedText,
        R::Button,      R::Dark,          R::PlaceholderText, R::ButtonText,  R::BrightText,
        R::Light,       R::Shadow,        R::Midlight,        R::ToolTipText, R::ToolTipBase,
    };
    if (index < 0 || index >= int(roles.size()))
        return std::nullopt;
    return roles[size_t(index)];
}

QColor toQColor(quint32 value)
{
    return toQColor(value, QGuiApplication::palette());
}

QColor toQColor(quint32 value, const QPalette &palette)
{
    if (isSystemColor(value)) {
        const auto role = systemColorRole(int(value & 0xFFFFFF));
        return role ? palette.color(QPalette::Active, *role) : QColor(Qt::black);
    }
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

quint32 fromQColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return rgbValue(rgb.red(), rgb.green(), rgb.blue());
}

} // namespace platform
