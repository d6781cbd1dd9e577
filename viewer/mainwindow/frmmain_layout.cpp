// The main window's controls, menus, toolbar and status bar, and its resize rules.

#include "frmmain.h"
#include "hosted_board.h"
#include "toolbar_icons.h"

#include "platform/units.h"

#include <QAction>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

using platform::twipsToPixels;

// The designed window places picMain right below the toolbar at 360 twips; here the
// toolbar sits outside the central widget, so central coordinates start there.
constexpr int ToolbarTwips = 360;
// The status labels reach up to the tag list.
constexpr int StatusLabelTwips = 5940 - 60 - 4560;

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

template <typename Widget>
Widget *place(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel *label(QWidget *parent, const char *name, int left, int top, int width, const QString &text)
{
    // The designed labels have no size: one line high, as wide as the room they have.
    auto *result = place<QLabel>(parent, name, twipsRect(left, top, width, 240));
    result->setText(text);
    return result;
}

} // namespace

void FrmMain::buildControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    setCentralWidget(central);

    m_picMain = place<QWidget>(central, "picMain", twipsRect(0, 0, 9210, 5265));
    auto *frame = place<QFrame>(m_picMain, "Picture1", twipsRect(330, 420, 4035, 4035));
    frame->setFrameShape(QFrame::Box);
    // The control fills the top left of picMain: its own board panel lies exactly on
    // the frame, its name labels above and below it.
    if (QWidget *boardWidget = board().widget()) {
        boardWidget->setObjectName(QStringLiteral("Tolvar1"));
        boardWidget->setParent(m_picMain);
        boardWidget->setGeometry(QRect(QPoint(0, 0), boardWidget->sizeHint()));
        boardWidget->raise();
    } else {
        auto *frameLayout = new QVBoxLayout(frame);
        auto *missing = new QLabel(tr("The board control \"Vostra.Tolvar\" could not be loaded."), frame);
        missing->setObjectName(QStringLiteral("Tolvar1Missing"));
        missing->setWordWrap(true);
        missing->setAlignment(Qt::AlignCenter);
        frameLayout->addWidget(missing);
    }

    m_lblMoveNumber = label(m_picMain, "lblMoveNumber", 4560, 420, StatusLabelTwips, QStringLiteral("Move #:"));
    m_lblMoveText = label(m_picMain, "lblMoveText", 4560, 660, StatusLabelTwips, QStringLiteral("Move:"));
    m_lblOnMove = label(m_picMain, "lblOnMove", 4560, 900, StatusLabelTwips, QStringLiteral("On Move:"));
    m_lblEPSquare = label(m_picMain, "lblEPSquare", 4560, 1140, StatusLabelTwips, QStringLiteral("EP Square:"));
    m_lblFifty = label(m_picMain, "lblFifty", 4560, 1380, StatusLabelTwips, QStringLiteral("50 Move:"));
    m_lblCastle = label(m_picMain, "lblCastle", 4560, 1620, StatusLabelTwips, QStringLiteral("Castle:"));
    m_lblPly = label(m_picMain, "lblPly", 4560, 1860, StatusLabelTwips, QStringLiteral("Ply:"));
    m_lblGameLength = label(m_picMain, "lblGameLength", 4560, 2100, StatusLabelTwips, QStringLiteral("Length:"));

    m_lstTags = place<QListWidget>(m_picMain, "lstTags", twipsRect(5940, 420, 2835, 1425));
    m_lstTags->viewport()->installEventFilter(this);
    m_txtMoveList = place<QPlainTextEdit>(m_picMain, "txtMoveList", twipsRect(5940, 1920, 2835, 1515));
    m_txtMoveList->setReadOnly(true);
    m_txtMoveList->viewport()->installEventFilter(this);
    auto *annotationLabel = label(m_picMain, "Label1", 6000, 3600, 2775, QStringLiteral("Annotation:"));
    m_txtAnnotation = place<QPlainTextEdit>(m_picMain, "txtAnnotation", twipsRect(5940, 3840, 2835, 795));
    annotationLabel->setBuddy(m_txtAnnotation);
    m_cmdClearAnnotation = place<QPushButton>(m_picMain, "cmdClearAnnotation", twipsRect(6120, 4740, 795, 375));
    m_cmdClearAnnotation->setText(QStringLiteral("Clear"));
    // The designed button has no width: as wide as its caption needs.
    m_cmdSetAnno = place<QPushButton>(m_picMain, "cmdSetAnno", twipsRect(7020, 4740, 1575, 375));
    m_cmdSetAnno->setText(QStringLiteral("Apply Annotation"));
    connect(m_cmdClearAnnotation, &QPushButton::clicked, this, [this] {
        if (!m_prompts.isOpen())
            cmdClearAnnotation_Click();
    });
    connect(m_cmdSetAnno, &QPushButton::clicked, this, [this] {
        if (!m_prompts.isOpen())
            cmdSetAnno_Click();
    });

    const int listTop = 5700 - ToolbarTwips;
    m_txtPreview = place<QPlainTextEdit>(central, "txtPreview", twipsRect(60, listTop, 1455, 1155));
    m_txtPreview->setReadOnly(true);
    m_txtPreview->setToolTip(QStringLiteral("Preview of game that is selected"));
    m_lstPGNFiles = place<QListView>(central, "lstPGNFiles", twipsRect(1560, listTop, 7530, 1140));
    m_lstPGNFiles->setToolTip(QStringLiteral("Games loaded into database"));
    m_lstPGNFiles->setUniformItemSizes(true);
    m_lstPGNFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstPGNFiles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_lstPGNFiles, &QListView::doubleClicked, this, [this] {
        if (!m_prompts.isOpen())
            LoadGame();
    });

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &FrmMain::AutoPlay);
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(500);
    m_timer2->setSingleShot(true);
    connect(m_timer2, &QTimer::timeout, this, &FrmMain::CaptureScreen);
}

QAction *FrmMain::addItem(QMenu *menu, const QString &name, const QString &caption,
                          void (FrmMain::*handler)(), const QKeySequence &shortcut)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    item->setShortcut(shortcut);
    connect(item, &QAction::triggered, this, [this, handler] {
        if (!m_prompts.isOpen())
            (this->*handler)();
    });
    m_items.insert(name, item);
    return item;
}

void FrmMain::addSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

void FrmMain::buildMenus()
{
    auto menu = [this](const char *name, const QString &caption) {
        QMenu *result = menuBar()->addMenu(caption);
        result->setObjectName(QLatin1String(name));
        return result;
    };

    QMenu *file = menu("mnuFile", QStringLiteral("&File"));
    addItem(file, QStringLiteral("mnuFileNew"), QStringLiteral("&New"), &FrmMain::mnuFileNew_Click,
            QKeySequence(Qt::CTRL | Qt::Key_N));
    addItem(file, QStringLiteral("mnuFileOpen"), QStringLiteral("Open..."), &FrmMain::mnuFileOpen_Click,
            QKeySequence(Qt::CTRL | Qt::Key_O));
    addItem(file, QStringLiteral("mnuFileLoad"), QStringLiteral("Load Game"), &FrmMain::LoadGame);
    addItem(file, QStringLiteral("mnuFileClose"), QStringLiteral("&Close"), &FrmMain::mnuFileClose_Click,
            QKeySequence(Qt::CTRL | Qt::Key_W));
    addSeparator(file, QStringLiteral("mnuFileBar0"));
    addItem(file, QStringLiteral("mnuFileSave"), QStringLiteral("&Save Game"), &FrmMain::mnuFileSave_Click);
    addItem(file, QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save Game &As..."),
            &FrmMain::mnuFileSaveAs_Click);
    addItem(file, QStringLiteral("mnuFileSaveAll"), QStringLiteral("Save All"), &FrmMain::mnuFileSaveAll_Click);
    addItem(file, QStringLiteral("mnuFileSaveAllAs"), QStringLiteral("Save All As..."),
            &FrmMain::mnuFileSaveAllAs_Click);
    addSeparator(file, QStringLiteral("mnuFileBar1"));
    addItem(file, QStringLiteral("mnuFilePrint"), QStringLiteral("&Print..."), &FrmMain::mnuFilePrint_Click,
            QKeySequence(Qt::CTRL | Qt::Key_P));
    addSeparator(file, QStringLiteral("mnuFileBar3"));
    addItem(file, QStringLiteral("mnuFileExit"), QStringLiteral("E&xit"), &FrmMain::mnuFileExit_Click,
            QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *edit = menu("mnuEdit", QStringLiteral("&Edit"));
    addItem(edit, QStringLiteral("mnuEditFind"), QStringLiteral("Find..."), &FrmMain::mnuEditFind_Click,
            QKeySequence(Qt::CTRL | Qt::Key_F));
    addSeparator(edit, QStringLiteral("mnuEditBar2"));
    addItem(edit, QStringLiteral("mnuEditCopyClipboard"), QStringLiteral("Copy Game To Clipboard"),
            &FrmMain::mnuEditCopyClipboard_Click);
    addItem(edit, QStringLiteral("mnuEditCopyBitmap"), QStringLiteral("Copy Board As Bitmap"),
            &FrmMain::mnuEditCopyBitmap_Click);
    addSeparator(edit, QStringLiteral("mnuEditBar3"));
    addItem(edit, QStringLiteral("mnuEditmarkDeleted"), QStringLiteral("Mark As Deleted"),
            &FrmMain::mnuEditmarkDeleted_Click)
        ->setCheckable(true);

    QMenu *view = menu("mnuView", QStringLiteral("&View"));
    for (QAction *item : {addItem(view, QStringLiteral("mnuViewToolbar"), QStringLiteral("&Toolbar"),
                                  &FrmMain::mnuViewToolbar_Click),
                          addItem(view, QStringLiteral("mnuViewStatusBar"), QStringLiteral("Status &Bar"),
                                  &FrmMain::mnuViewStatusBar_Click)}) {
        item->setCheckable(true);
        item->setChecked(true);
    }

    QMenu *options = menu("mnuOptions", QStringLiteral("&Options"));
    addItem(options, QStringLiteral("mnuOptionsOptions"), QStringLiteral("Setup Options"),
            &FrmMain::mnuOptionsOptions_Click);

    QMenu *boardMenu = menu("mnuBoard", QStringLiteral("&Board"));
    addItem(boardMenu, QStringLiteral("mnuBoardReverse"), QStringLiteral("Reverse View"),
            &FrmMain::mnuBoardReverse_Click);

    QMenu *player = menu("mnuPlayer", QStringLiteral("&Player"));
    addItem(player, QStringLiteral("mnuPlayerMoveFirst"), QStringLiteral("Move First"),
            &FrmMain::mnuPlayerMoveFirst_Click);
    addItem(player, QStringLiteral("mnuPlayerMovePrevious"), QStringLiteral("Move Previous"),
            &FrmMain::mnuPlayerMovePrevious_Click);
    addItem(player, QStringLiteral("mnuPlayerMoveNext"), QStringLiteral("Move Next"),
            &FrmMain::mnuPlayerMoveNext_Click);
    addItem(player, QStringLiteral("mnuPlayerMoveLast"), QStringLiteral("Move Last"),
            &FrmMain::mnuPlayerMoveLast_Click);
    addSeparator(player, QStringLiteral("mnuPlayerBar1"));
    addItem(player, QStringLiteral("mnuPlayerPreviousGame"), QStringLiteral("Previous Game"),
            &FrmMain::mnuPlayerPreviousGame_Click);
    addItem(player, QStringLiteral("mnuPlayerNextGame"), QStringLiteral("Next Game"),
            &FrmMain::mnuPlayerNextGame_Click);
    addSeparator(player, QStringLiteral("mnuPlayerBar2"));
    addItem(player, QStringLiteral("mnuPlayerStartAP"), QStringLiteral("Start Auto Play"),
            &FrmMain::mnuPlayerStartAP_Click);
    addItem(player, QStringLiteral("mnuPlayerStopAP"), QStringLiteral("Stop Auto Play"),
            &FrmMain::mnuPlayerStopAP_Click);

    QMenu *tools = menu("mnuTools", QStringLiteral("&Tools"));
    addItem(tools, QStringLiteral("mnuToolsEditTags"), QStringLiteral("Edit Tags"), &FrmMain::mnuToolsEditTags_Click);
    addItem(tools, QStringLiteral("mnuToolsVariationBoard"), QStringLiteral("Variation Board"),
            &FrmMain::openVariationBoard)
        ->setVisible(false);
    addItem(tools, QStringLiteral("mnuToolsSetup"), QStringLiteral("Setup Pieces"), &FrmMain::mnuToolsSetup_Click);
    QMenu *editors = tools->addMenu(QStringLiteral("Text Editors"));
    editors->setObjectName(QStringLiteral("mnuToolsEditorsMenu"));
    editors->menuAction()->setObjectName(QStringLiteral("mnuToolsEditors"));
    m_items.insert(QStringLiteral("mnuToolsEditors"), editors->menuAction());
    addItem(editors, QStringLiteral("mnuToolsEditorsWordPad"), QStringLiteral("WordPad"),
            &FrmMain::mnuToolsEditorsWordPad_Click);
    addItem(editors, QStringLiteral("mnuToolsEditorsNotepad"), QStringLiteral("Notepad"),
            &FrmMain::mnuToolsEditorsNotepad_Click);

    QMenu *help = menu("mnuHelp", QStringLiteral("&Help"));
    addItem(help, QStringLiteral("mnuHelpHelp"), QStringLiteral("Help"), &FrmMain::mnuHelpHelp_Click);
    addSeparator(help, QStringLiteral("mnuHelpBar0"));
    addItem(help, QStringLiteral("mnuHelpAbout"), QStringLiteral("&About "), &FrmMain::mnuHelpAbout_Click);
}

void FrmMain::buildToolbar()
{
    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(16, 16));
    m_toolbar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    addToolBar(Qt::TopToolBarArea, m_toolbar);

    for (const ToolbarButton &button : toolbarButtons()) {
        if (button.groupStart)
            m_toolbar->addSeparator();
        QAction *action = m_toolbar->addAction(toolbarIcon(button), button.tooltip);
        action->setObjectName(button.key);
        action->setToolTip(button.tooltip);
        action->setCheckable(button.key == QLatin1String("Delete"));
        const QString key = button.key;
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        m_buttons.insert(key, action);
    }
}

void FrmMain::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("sbStatusBarPanel%1").arg(i + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        if (i < 2)
            bar->addWidget(panel, 1);
        else
            bar->addPermanentWidget(panel);
        m_panels[i] = panel;
    }
    m_clock = new QTimer(this);
    connect(m_clock, &QTimer::timeout, this, &FrmMain::updateDateAndTime);
    m_clock->start(1000);
    updateDateAndTime();
}

void FrmMain::updateDateAndTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    m_panels[2]->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_panels[3]->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

// W and H are the size of the window's client area below the menu bar, and the bars'
// heights are the toolbar's and the status bar's; the game list fills the room between
// picMain and the status bar, less the designed gap above it.
void FrmMain::applyResizeRules()
{
    const int width = this->width();
    for (QWidget *box : std::initializer_list<QWidget *>{m_lstTags, m_txtMoveList, m_txtAnnotation}) {
        const int boxWidth = width - box->x() - twipsToPixels(300);
        if (boxWidth > 0)
            box->resize(boxWidth, box->height());
    }
    // picMain keeps its designed width; widening it with the window keeps the boxes
    // on it visible.
    if (width > m_picMain->width())
        m_picMain->resize(width, m_picMain->height());

    int bars = 0;
    if (m_toolbar->isVisible())
        bars += m_toolbar->height();
    if (statusBar()->isVisible())
        bars += statusBar()->height();
    const int clientHeight = height() - (menuBar()->isVisible() ? menuBar()->height() : 0);
    const int gap = twipsToPixels(5700 - ToolbarTwips - 5265);
    const int listWidth = width - twipsToPixels(1760);
    const int listHeight = clientHeight - bars - m_picMain->height() - 2 * gap;
    if (listWidth > 0)
        m_lstPGNFiles->resize(listWidth, m_lstPGNFiles->height());
    if (listHeight > 0) {
        m_lstPGNFiles->resize(m_lstPGNFiles->width(), listHeight);
        m_txtPreview->resize(m_txtPreview->width(), listHeight);
    }
}
