// Print, Copy Game To Clipboard, Copy Board As Bitmap, the text editors, and the help
// and About windows.

#include "frmmain.h"
#include "hosted_board.h"

#include "viewer/dialogs/frm_about.h"
#include "viewer/dialogs/frm_help.h"
#include "viewer/dialogs/game_print_text.h"

#include "platform/desktop.h"
#include "platform/prompts.h"

#include <QCoreApplication>
#include <QFrame>
#include <QTimer>

namespace {

struct EditorCommand {
    const char *program;
    QStringList arguments;
};

// The plain-text editors tried for Notepad, in order; the first that starts is used.
const QList<EditorCommand> &plainTextEditors()
{
    static const QList<EditorCommand> editors = {
        {"gnome-text-editor", {}}, {"gedit", {}},     {"kwrite", {}},     {"kate", {}},
        {"mousepad", {}},          {"xed", {}},       {"pluma", {}},      {"featherpad", {}},
        {"leafpad", {}},           {"l3afpad", {}},
    };
    return editors;
}

// The word processors tried for WordPad, in order.
const QList<EditorCommand> &wordProcessors()
{
    static const QList<EditorCommand> editors = {
        {"libreoffice", {QStringLiteral("--writer")}},
        {"lowriter", {}},
        {"abiword", {}},
        {"calligrawords", {}},
    };
    return editors;
}

// Starts the first editor of the list that can be started, with no file; the viewer
// does not wait for it.
bool startFirstEditor(const QList<EditorCommand> &editors)
{
    for (const EditorCommand &editor : editors) {
        if (platform::desktop().startProgram(QLatin1String(editor.program), editor.arguments))
            return true;
    }
    return false;
}

QString programList(const QList<EditorCommand> &editors)
{
    QStringList names;
    for (const EditorCommand &editor : editors)
        names << QLatin1String(editor.program);
    return names.join(QStringLiteral(", "));
}

// Shows a secondary window, creating it afresh when it is not open.
template <typename Window>
void showOnce(QPointer<Window> &window, QWidget *parent)
{
    if (!window) {
        window = new Window(parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

QString FrmMain::gameText() const
{
    return game_print_text::gameText(tagLines(), game_print_text::moveListOfStyle(board(), m_state.MoveListStyle));
}

void FrmMain::mnuFilePrint_Click()
{
    game_print_text::printText(gameText());
}

void FrmMain::mnuEditCopyClipboard_Click()
{
    // Putting the text on the clipboard replaces whatever it held.
    platform::desktop().setClipboardText(gameText());
}

void FrmMain::mnuEditCopyBitmap_Click()
{
    // An empty text replaces what the clipboard held until the picture is taken.
    platform::desktop().setClipboardText(QString());
    m_timer2->start();
    repaint();
}

void FrmMain::CaptureScreen()
{
    const QImage picture = CaptureBoardArea();
    platform::desktop().setClipboardText(QString());
    platform::desktop().setClipboardImage(picture);
    m_timer2->stop();
}

QImage FrmMain::CaptureBoardArea() const
{
    // Picture1 frames the board's squares; the board control is drawn over it, so the
    // picture is what picMain shows inside the frame's border.
    const auto *frame = m_picMain->findChild<QFrame *>(QStringLiteral("Picture1"));
    if (!frame)
        return {};
    const QRect inner = frame->contentsRect().translated(frame->mapTo(m_picMain, QPoint(0, 0)));
    return m_picMain->grab(inner).toImage();
}

void FrmMain::mnuToolsEditorsNotepad_Click()
{
    if (!startFirstEditor(plainTextEditors()))
        platform::messageBox(QStringLiteral("Error Opening Notepad"), platform::MessageButtons::Ok,
                             platform::MessageIcon::None, QStringLiteral("Error"));
}

void FrmMain::mnuToolsEditorsWordPad_Click()
{
    if (startFirstEditor(wordProcessors()))
        return;
    platform::messageBox(QStringLiteral("No word processor could be started; none of %1 was found.")
                             .arg(programList(wordProcessors())),
                         platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                         QCoreApplication::applicationName());
}

void FrmMain::mnuHelpHelp_Click()
{
    showOnce(m_help, this);
}

void FrmMain::mnuHelpAbout_Click()
{
    showOnce(m_about, this);
}
