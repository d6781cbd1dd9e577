// Shows a board control in a small window, created by class identifier and driven by
// dispatch identifier as a host does. With an output folder it saves grabs of the start
// position in both views and of a game after a few moves, then quits; without one it
// stays open for looking and dragging.
#include "platform/board_proxy.h"
#include "platform/component_registry.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::addComponentSearchPath(QStringLiteral(TOLVAR_PLUGIN_DIR));

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tolvar preview"));
    auto *layout = new QHBoxLayout(&window);
    platform::BoardProxy white = platform::BoardProxy::create(&window);
    platform::BoardProxy black = platform::BoardProxy::create(&window);
    if (!white.isValid() || !black.isValid()) {
        qCritical("The board control Vostra.Tolvar was not found");
        return 1;
    }
    black.setColorView(QStringLiteral("B"));
    black.LoadGame(QStringLiteral("1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Bxc6 dxc6 5. O-O f6 *"));
    black.MoveLast();
    black.setWhitePlayer(QStringLiteral("Lasker, Emanuel"));
    black.setBlackPlayer(QStringLiteral("Tarrasch"));
    layout->addWidget(white.widget());
    layout->addWidget(black.widget());
    window.show();

    const QStringList arguments = app.arguments();
    if (arguments.size() < 2)
        return QApplication::exec();

    const QDir folder(arguments[1]);
    QTimer::singleShot(200, &app, [&] {
        const qreal ratio = window.devicePixelRatioF();
        white.widget()->grab().save(folder.filePath(QStringLiteral("start_white@%1.png").arg(ratio)));
        black.widget()->grab().save(folder.filePath(QStringLiteral("game_black@%1.png").arg(ratio)));
        white.setColorView(QStringLiteral("B"));
        white.widget()->grab().save(folder.filePath(QStringLiteral("start_black@%1.png").arg(ratio)));
        white.setColorView(QStringLiteral("W"));
        QApplication::quit();
    });
    return QApplication::exec();
}
