#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pavisto"));
    QApplication::setApplicationVersion(QStringLiteral(PAVISTO_VERSION));

    // Stand-in until the main window exists.
    QLabel window(QStringLiteral("Pavisto %1").arg(QApplication::applicationVersion()));
    window.setAlignment(Qt::AlignCenter);
    window.resize(640, 480);
    window.setWindowTitle(QStringLiteral("Pavisto"));
    window.show();
    return QApplication::exec();
}
