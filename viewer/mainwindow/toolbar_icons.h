#pragma once

#include <QIcon>
#include <QList>
#include <QString>

// One button of the main window's toolbar.
struct ToolbarButton {
    QString key;
    QString tooltip;
    QString themeIcon;     // name in the desktop's icon theme
    QString fallbackIcon;  // built-in picture under :/icons
    bool groupStart = false; // a separator goes before it
};

// The toolbar buttons in their order.
const QList<ToolbarButton> &toolbarButtons();

// The theme's icon for the button, or the built-in picture when the theme has none.
QIcon toolbarIcon(const ToolbarButton &button);
