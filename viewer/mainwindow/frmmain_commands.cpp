// Start-up, shut-down and the routing of menu, toolbar and board events to the commands.

#include "frmmain.h"
#include "hosted_board.h"
#include "variation_link.h"
#include "viewer/dialogs/frm_variation.h"
#include "frm_load_file.h"

#include "viewer/database/database_commands.h"
#include "viewer/database/game_list_model.h"
#include "toolbar_icons.h"

#include "platform/property_bag.h"
#include "platform/units.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

// The main board's stored design-time settings.
platform::PropertyBag mainBoardSettings()
{
    platform::PropertyBag bag;
    bag.write(QStringLiteral("DarkSquareColor"), QVariant::fromValue<quint32>(0xC0C0C0),
              QVariant::fromValue<quint32>(0x8000000F));
    bag.write(QStringLiteral("LightSquareColor"), QVariant::fromValue<quint32>(0xFFFFFF),
              QVariant::fromValue<quint32>(0x80000005));
    bag.write(QStringLiteral("GameResult"), QStringLiteral("*"), QVariant::fromValue<qint16>(0));
    return bag;
}

} // namespace

FrmMain::FrmMain(const pavisto::StartupFileLocation &startupFile, QWidget *parent)
    : QMainWindow(parent), m_startupFile(startupFile)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Ludrin Basics"));
    const platform::PropertyBag settings = mainBoardSettings();
    m_board = new HostedBoard(this, &settings);
    connect(m_board, &HostedBoard::boardEvent, this, &FrmMain::onBoardEvent);

    buildControls();
    buildMenus();
    buildToolbar();
    buildStatusBar();
    m_gameList = new pavisto::GameListModel(m_state.Games, this);
    m_commands = std::make_unique<pavisto::DatabaseCommands>(m_state, *m_gameList,
                                                            static_cast<pavisto::DatabaseHost &>(*this));
    m_loadFile = new FrmLoadFile(this);
    m_lstPGNFiles->setModel(m_gameList);
    connect(m_lstPGNFiles->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FrmMain::lstPGNFiles_Click);

    resize(platform::twipsToPixels(9210), platform::twipsToPixels(7215) + menuBar()->sizeHint().height());
    startUp();
}

FrmMain::~FrmMain()
{
    m_timer1->stop();
    m_state.MainWindowOpen = false;

    // The variation board was loaded after the main window; it goes first.
    delete m_variation;
}

platform::BoardProxy &FrmMain::board() const
{
    return m_board->proxy();
}

void FrmMain::startUp()
{
    pavisto::ViewerState &state = m_state;
    state.AutoPlayOn = false;
    m_gameList->clear();
    state.AutoPlaySpeed = 1;
    state.MoveListStyle = QStringLiteral("L");
    state.AutoPlayMode = QStringLiteral("PNP");
    readStartupFile();

    m_variationLink = std::make_unique<VariationLink>(*this);
    m_variation = new FrmVariation(m_state, *m_variationLink);
    state.MainWindowOpen = true;
    platform::BoardProxy &second = m_variation->board();
    second.setLightSquareColor(board().LightSquareColor());
    second.setDarkSquareColor(board().DarkSquareColor());
    second.setPromotionPiece(board().PromotionPiece());

    SetupNewGame();
    ShowBoardStatus();
    UpdateCommandState();
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (m_prompts.isOpen()) {
        event->ignore();
        return;
    }
    if (!m_commands->mayExit()) {
        event->ignore();
        return;
    }
    m_timer1->stop();
    writeStartupFile();
    if (m_variation)
        m_variation->hide();
    event->accept();
}

void FrmMain::readStartupFile()
{
    pavisto::StartupSettings settings;
    settings.promotionPiece = board().PromotionPiece();
    settings.lightSquareColor = qint32(board().LightSquareColor());
    settings.darkSquareColor = qint32(board().DarkSquareColor());
    settings.autoPlayMode = m_state.AutoPlayMode;
    settings.autoPlaySpeed = m_state.AutoPlaySpeed;
    settings.moveListStyle = m_state.MoveListStyle;
    pavisto::ReadStartupFile(settings, m_startupFile);
    m_state.AutoPlayMode = settings.autoPlayMode;
    m_state.MoveListStyle = settings.moveListStyle;
    board().setPromotionPiece(settings.promotionPiece);
    board().setLightSquareColor(quint32(settings.lightSquareColor));
    board().setDarkSquareColor(quint32(settings.darkSquareColor));
    m_state.AutoPlaySpeed = settings.autoPlaySpeed;
}

void FrmMain::writeStartupFile()
{
    pavisto::StartupSettings settings;
    settings.promotionPiece = board().PromotionPiece();
    settings.autoPlayMode = m_state.AutoPlayMode;
    settings.autoPlaySpeed = m_state.AutoPlaySpeed;
    settings.moveListStyle = m_state.MoveListStyle;
    settings.lightSquareColor = qint32(board().LightSquareColor());
    settings.darkSquareColor = qint32(board().DarkSquareColor());
    pavisto::WriteStartupFile(settings, m_startupFile);
}

QString FrmMain::statusPanelText(int panel) const
{
    return panel >= 1 && panel <= 4 ? m_panels[panel - 1]->text() : QString();
}

void FrmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyResizeRules();
}

void FrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The bars have their real heights only once shown.
    applyResizeRules();
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick && !m_prompts.isOpen()) {
        if (watched == m_txtMoveList->viewport()) {
            // Let the box select the word under the pointer first, as the jump reads it.
            m_txtMoveList->viewport()->removeEventFilter(this);
            QCoreApplication::sendEvent(watched, event);
            m_txtMoveList->viewport()->installEventFilter(this);
            txtMoveList_DblClick();
            return true;
        }
        if (watched == m_lstTags->viewport()) {
            mnuToolsEditTags_Click();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::onBoardEvent(int eventId)
{
    using Event = platform::BoardProxy::Event;
    switch (Event(eventId)) {
    case Event::LoadMoveComplete:
    case Event::LoadSetupComplete:
    case Event::LoadFENComplete:
    case Event::MoveFirstComplete:
    case Event::MoveLastComplete:
    case Event::MoveNextComplete:
    case Event::MovePreviousComplete:
        ShowBoardStatus();
        UpdateCommandState();
        break;
    case Event::MoveComplete:
        ShowBoardStatus();
        ShowMoveList();
        UpdateCommandState();
        break;
    default:
        break;
    }
}

void FrmMain::Toolbar1_ButtonClick(const QString &key)
{
    if (m_prompts.isOpen())
        return;
    using Handler = void (FrmMain::*)();
    static const std::pair<const char *, Handler> commands[] = {
        {"New", &FrmMain::mnuFileNew_Click},
        {"Open", &FrmMain::mnuFileOpen_Click},
        {"Close", &FrmMain::mnuFileClose_Click},
        {"Load", &FrmMain::LoadGame},
        {"Save", &FrmMain::mnuFileSave_Click},
        {"SaveAll", &FrmMain::mnuFileSaveAll_Click},
        {"Print", &FrmMain::mnuFilePrint_Click},
        {"Delete", &FrmMain::toolbarDelete},
        {"Copy", &FrmMain::mnuEditCopyClipboard_Click},
        {"Find", &FrmMain::mnuEditFind_Click},
        {"Cycle", &FrmMain::mnuBoardReverse_Click},
        {"Variation", &FrmMain::openVariationBoard},
        {"Prev", &FrmMain::mnuPlayerPreviousGame_Click},
        {"Start", &FrmMain::mnuPlayerMoveFirst_Click},
        {"Back", &FrmMain::mnuPlayerMovePrevious_Click},
        {"Forward", &FrmMain::mnuPlayerMoveNext_Click},
        {"End", &FrmMain::mnuPlayerMoveLast_Click},
        {"Next", &FrmMain::mnuPlayerNextGame_Click},
        {"StartAP", &FrmMain::mnuPlayerStartAP_Click},
        {"StopAP", &FrmMain::mnuPlayerStopAP_Click},
    };
    for (const auto &[name, handler] : commands) {
        if (key == QLatin1String(name)) {
            // A failing command started from the toolbar simply ends.
            try {
                (this->*handler)();
            } catch (...) {
            }
            return;
        }
    }
}

void FrmMain::setItemsEnabled(std::initializer_list<QAction *> items, bool enabled)
{
    for (QAction *item : items)
        item->setEnabled(enabled);
}

void FrmMain::mnuFileExit_Click()
{
    close();
}

void FrmMain::mnuViewToolbar_Click()
{
    // The check mark has flipped already; the toolbar follows it, and the lists below
    // the board move with the central widget.
    m_toolbar->setVisible(menuItem(QStringLiteral("mnuViewToolbar"))->isChecked());
    applyResizeRules();
}

void FrmMain::mnuViewStatusBar_Click()
{
    statusBar()->setVisible(menuItem(QStringLiteral("mnuViewStatusBar"))->isChecked());
    applyResizeRules();
}

void FrmMain::mnuBoardReverse_Click()
{
    const QString view = board().ColorView();
    if (view == QLatin1String("W"))
        board().setColorView(QStringLiteral("B"));
    else if (view == QLatin1String("B"))
        board().setColorView(QStringLiteral("W"));
}

void FrmMain::openVariationBoard()
{
    m_variation->show();
    m_variation->raise();
    m_variation->activateWindow();
}

