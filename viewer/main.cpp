#include "viewer/mainwindow/frmmain.h"

#include "platform/busy_pointer.h"
#include "platform/desktop.h"
#include "platform/qt_prompts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pavisto"));
    QApplication::setApplicationVersion(QStringLiteral(PAVISTO_VERSION));

    // Real dialogs and the hourglass pointer; the main window counts the open dialogs
    // on top of these prompts.
    platform::QtPrompts prompts;
    platform::setPrompts(&prompts);
    platform::installBusyPointerCursor();

    FrmMain window;
    prompts.setParent(&window);
    window.show();
    const int result = QApplication::exec();
    return result;
}
