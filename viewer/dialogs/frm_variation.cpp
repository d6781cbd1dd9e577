#include "frm_variation.h"

#include "game_print_text.h"
#include "variation_host.h"

#include "platform/busy_pointer.h"
#include "platform/prompts.h"
#include "platform/units.h"
#include "viewer/database/pgn_export.h"
#include "viewer/database/viewer_state.h"
#include "viewer/database/game_text.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QToolBar>

#include <algorithm>

namespace {

using platform::twipsToPixels;

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

struct VariationButton {
    const char *key;
    const char *tooltip;
    const char *themeIcon;
    const char *fallbackIcon; // the main toolbar's built-in picture
    bool groupStart = false;
};

constexpr VariationButton Buttons[] = {
    {"New", "New", "document-new", "new"},
    {"Save", "Save", "document-save-as", "save"},
    {"Print", "Print", "document-print", "print"},
    {"Cycle", "Rotate View", "object-flip-vertical", "cycle", true},
    {"Start", "Start Of Game", "go-first", "start", true},
    {"Back", "Back", "go-previous", "back"},
    {"Forward", "Forward", "go-next", "forward"},
    {"End", "End Of Game", "go-last", "end"},
};

const QString SaveFilter = QStringLiteral("PGN files (*.pgn) | *.pgn") + QStringLiteral("|Text files (*.txt) | *.txt")
                           + QStringLiteral("|All files (*.*) | *.*");

} // namespace

FrmVariation::FrmVariation(const pavisto::ViewerState &state, VariationHost &host, QWidget *parent)
    : QMainWindow(parent), m_state(state), m_host(host)
{
    setObjectName(QStringLiteral("frmVariation"));
    setWindowTitle(QStringLiteral("Variation Board"));
    buildControls();
    buildToolbar();
    buildMenu();
    // The designed client area holds the toolbar and Picture1; the menu bar comes on top.
    const int toolbarHeight = findChild<QToolBar *>(QStringLiteral("Toolbar1"))->sizeHint().height();
    resize(m_picture1->minimumWidth() + twipsToPixels(7470 - 7455),
           twipsToPixels(5355) + toolbarHeight + menuBar()->sizeHint().height());
    SetVarPlayerState();
}

FrmVariation::~FrmVariation()
{
    if (m_board.isValid())
        m_board.dispatch()->connectEvents(nullptr);
}

void FrmVariation::buildControls()
{
    // The toolbar sits above the central widget, which is Picture1.
    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    setCentralWidget(m_picture1);

    m_board = platform::BoardProxy::create(m_picture1, this);
    if (QWidget *boardWidget = m_board.widget()) {
        boardWidget->setObjectName(QStringLiteral("Tolvar1"));
        boardWidget->setGeometry(twipsRect(0, 0, 4575, 5175));
    }

    m_txtMoveList = new QPlainTextEdit(m_picture1);
    m_txtMoveList->setObjectName(QStringLiteral("txtMoveList"));
    m_txtMoveList->setGeometry(twipsRect(4800, 420, 2355, 3315));
    m_txtMoveList->setReadOnly(true);
    m_txtMoveList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtMoveList->viewport()->installEventFilter(this);

    m_cmdSync = new QPushButton(QStringLiteral("Synchronize Variation To Main"), m_picture1);
    m_cmdSync->setObjectName(QStringLiteral("cmdSync"));
    m_cmdSync->setGeometry(twipsRect(4740, 3960, 2475, 375));
    connect(m_cmdSync, &QPushButton::clicked, this, &FrmVariation::cmdSync_Click);
    m_cmdSend = new QPushButton(QStringLiteral("Send Variation To Main"), m_picture1);
    m_cmdSend->setObjectName(QStringLiteral("cmdSend"));
    m_cmdSend->setGeometry(twipsRect(4740, 4440, 2475, 375));
    connect(m_cmdSend, &QPushButton::clicked, this, &FrmVariation::cmdSend_Click);

    // The designed buttons are narrower than their captions in the desktop's font: the
    // right-hand column and the window widen to show them whole.
    const int extra = std::max(0, m_cmdSync->sizeHint().width() - m_cmdSync->width());
    for (QWidget *widget : std::initializer_list<QWidget *>{m_cmdSync, m_cmdSend, m_txtMoveList})
        widget->resize(widget->width() + extra, widget->height());
    m_picture1->setMinimumSize(twipsToPixels(7455) + extra, twipsToPixels(5355));
}

void FrmVariation::buildToolbar()
{
    auto *toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(16, 16));
    toolbar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, toolbar);
    for (const VariationButton &button : Buttons) {
        if (button.groupStart)
            toolbar->addSeparator();
        const QString key = QLatin1String(button.key);
        const QIcon fallback(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(button.fallbackIcon)));
        const QIcon icon = QIcon::fromTheme(QLatin1String(button.themeIcon), fallback);
        QAction *action = toolbar->addAction(icon, QLatin1String(button.tooltip));
        action->setObjectName(key);
        action->setToolTip(QLatin1String(button.tooltip));
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        m_buttons.insert(key, action);
    }
}

void FrmVariation::buildMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    auto item = [this, file](const char *name, const QString &caption, void (FrmVariation::*handler)()) {
        QAction *action = file->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
        m_items.insert(QLatin1String(name), action);
    };
    item("mnuFileNew", QStringLiteral("New"), &FrmVariation::mnuFileNew_Click);
    item("mnuFileSaveAs", QStringLiteral("Save As..."), &FrmVariation::mnuFileSaveAs_Click);
    file->addSeparator();
    item("mnuFilePrint", QStringLiteral("Print"), &FrmVariation::mnuFilePrint_Click);
    file->addSeparator();
    item("mnuFileClose", QStringLiteral("Close"), &FrmVariation::mnuFileClose_Click);
}

void FrmVariation::componentEvent(platform::DispId eventId)
{
    using Event = platform::BoardProxy::Event;
    switch (Event(eventId)) {
    case Event::MoveComplete:
        showMoveList();
        SetVarPlayerState();
        break;
    case Event::MoveFirstComplete:
    case Event::MoveLastComplete:
    case Event::MoveNextComplete:
    case Event::MovePreviousComplete:
        SetVarPlayerState();
        break;
    default:
        break;
    }
}

void FrmVariation::showMoveList()
{
    // This window always shows the column layout, whatever the main window's style.
    m_txtMoveList->setPlainText(game_text::boxText(m_board.MoveList_L()));
}

void FrmVariation::CheckVarForsyth()
{
    const game_text::SetupPosition setup = game_text::checkForForsyth(m_host.mainTagLines());
    m_varSetUp = setup.isSetupGame;
    m_varForsyth = setup.fen;
}

void FrmVariation::SetVarPlayerState()
{
    const qint16 ply = m_board.Ply();
    const qint16 length = m_board.GameLength();
    for (const char *key : {"Start", "Back"})
        m_buttons.value(QLatin1String(key))->setEnabled(ply >= 1);
    for (const char *key : {"Forward", "End"})
        m_buttons.value(QLatin1String(key))->setEnabled(ply < length);
}

void FrmVariation::cmdSync_Click()
{
    const platform::BusyPointer busy;
    CheckVarForsyth();
    platform::BoardProxy &main = m_host.mainBoard();
    if (m_varSetUp)
        m_board.LoadSetup(m_varForsyth, main.MoveList_A());
    else
        m_board.LoadGame(main.MoveList_A());
    m_board.NavigatePly(main.Ply());
    showMoveList();
    m_board.setWhitePlayer(main.WhitePlayer());
    m_board.setBlackPlayer(main.BlackPlayer());
    m_board.setColorView(main.ColorView());
    SetVarPlayerState();
}

void FrmVariation::cmdSend_Click()
{
    const platform::BusyPointer busy;
    platform::BoardProxy &main = m_host.mainBoard();
    // The set-up position is the one of the last Synchronize; it is not looked up again.
    if (m_varSetUp)
        main.LoadSetup(m_varForsyth, m_board.MoveList_A());
    else
        main.LoadGame(m_board.MoveList_A());
    main.NavigatePly(m_board.Ply());
    m_host.setMainMoveListText(main.MoveList_L());
    main.setGameChanged(true);
    m_host.refreshAfterSend();
    update();
}

void FrmVariation::Toolbar1_ButtonClick(const QString &key)
{
    if (key == QLatin1String("New"))
        mnuFileNew_Click();
    else if (key == QLatin1String("Save"))
        mnuFileSaveAs_Click();
    else if (key == QLatin1String("Print"))
        mnuFilePrint_Click();
    else if (key == QLatin1String("Cycle"))
        cycleView();
    // The navigation buttons are brought up to date by the board's completion events.
    else if (key == QLatin1String("Start"))
        m_board.MoveFirst();
    else if (key == QLatin1String("Back"))
        m_board.MovePrevious();
    else if (key == QLatin1String("Forward"))
        m_board.MoveNext();
    else if (key == QLatin1String("End"))
        m_board.MoveLast();
}

void FrmVariation::cycleView()
{
    const QString view = m_board.ColorView();
    if (view == QLatin1String("W"))
        m_board.setColorView(QStringLiteral("B"));
    else if (view == QLatin1String("B"))
        m_board.setColorView(QStringLiteral("W"));
}

void FrmVariation::mnuFileNew_Click()
{
    m_board.GameReset();
    m_txtMoveList->clear();
}

void FrmVariation::mnuFileSaveAs_Click()
{
    const std::optional<QString> path =
        platform::prompts().saveFileName(platform::FileRequest{QString(), SaveFilter, QString()});
    if (!path || path->isEmpty())
        return;
    const platform::BusyPointer busy;
    const QString text =
        pavisto::gameFileText(m_host.mainTagLines(), game_text::crlfText(m_txtMoveList->toPlainText()));
    // A failed write leaves any earlier file as it was and ends the command silently.
    (void)pavisto::saveText(text, pavisto::TextEncoding::Utf8, *path);
}

void FrmVariation::mnuFilePrint_Click()
{
    game_print_text::printText(game_print_text::gameText(
        m_host.mainTagLines(), game_print_text::moveListOfStyle(m_board, m_state.MoveListStyle)));
}

void FrmVariation::mnuFileClose_Click()
{
    hide();
}

void FrmVariation::txtMoveList_DblClick()
{
    const std::optional<qint16> ply =
        game_text::jumpTargetPly(QStringLiteral("P"), m_txtMoveList->textCursor().selectedText());
    if (!ply)
        return;
    m_board.NavigatePly(*ply);
    SetVarPlayerState();
}

bool FrmVariation::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtMoveList->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // The box selects the word under the pointer first; the jump reads that selection.
        m_txtMoveList->viewport()->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        m_txtMoveList->viewport()->installEventFilter(this);
        txtMoveList_DblClick();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmVariation::closeEvent(QCloseEvent *event)
{
    if (m_state.MainWindowOpen) {
        hide();
        event->ignore();
        return;
    }
    event->accept();
}
