#include "toolbar_icons.h"

const QList<ToolbarButton> &toolbarButtons()
{
    static const QList<ToolbarButton> buttons = {
        {"New", "New", "document-new", "new"},
        {"Open", "Open", "document-open", "open"},
        {"Close", "Close", "document-close", "close"},
        {"Load", "Load Game", "go-jump", "load"},
        {"Save", "Save", "document-save", "save"},
        {"SaveAll", "Save All", "document-save-all", "saveall"},
        {"Print", "Print", "document-print", "print", true},
        {"Delete", "Delete", "edit-delete", "delete", true},
        {"Copy", "Copy Game To Clipboard", "edit-copy", "copy"},
        {"Find", "Find", "edit-find", "find"},
        {"Cycle", "Reverse View", "object-flip-vertical", "cycle", true},
        {"Variation", "Variation Board", "window-new", "variation"},
        {"Prev", "Previous Game", "media-skip-backward", "prev", true},
        {"Start", "Move First", "go-first", "start"},
        {"Back", "Move Previous", "go-previous", "back"},
        {"Forward", "Move Next", "go-next", "forward"},
        {"End", "Move Last", "go-last", "end"},
        {"Next", "Next Game", "media-skip-forward", "next"},
        {"StartAP", "Start Auto Play", "media-playback-start", "startap", true},
        {"StopAP", "Stop Auto Play", "media-playback-stop", "stopap"},
    };
    return buttons;
}

QIcon toolbarIcon(const ToolbarButton &button)
{
    return QIcon::fromTheme(button.themeIcon,
                            QIcon(QStringLiteral(":/icons/%1.svg").arg(button.fallbackIcon)));
}
