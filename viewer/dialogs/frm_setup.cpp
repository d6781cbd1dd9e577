#include "frm_setup.h"
#include "edit_host.h"

#include "platform/board_proxy.h"
#include "platform/busy_pointer.h"
#include "platform/prompts.h"
#include "resources/pieces/piece_images.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The editor's own square colours, the basic palette's white and light grey.
const QColor CellWhite(0xFF, 0xFF, 0xFF);
const QColor CellGrey(0xC0, 0xC0, 0xC0);
constexpr int CellSize = tolvar::PieceImageSize + 8;

const char *const PaletteTips[13] = {"White King", "White Queen", "White Rook", "White Bishop", "White Knight",
                                     "White Pawn", "Black King",  "Black Queen", "Black Rook", "Black Bishop",
                                     "Black Knight", "Black Pawn", "Delete"};

QLineEdit *statusField(QGridLayout *grid, int row, const char *name, const QString &caption, const QString &text,
                       const QString &tip)
{
    auto *field = new QLineEdit(text);
    field->setObjectName(QLatin1String(name));
    field->setToolTip(tip);
    field->setMaximumWidth(80);
    auto *label = new QLabel(caption);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setToolTip(tip);
    box->setChecked(true);
    parent->layout()->addWidget(box);
    return box;
}

} // namespace

FrmSetup::FrmSetup(EditHost &host, QWidget *parent)
    : QMainWindow(parent, Qt::Window), m_host(host)
{
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("Setup Pieces"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildMenus();
    buildPalette();

    auto *central = new QWidget(this);
    auto *board = new QWidget(central);
    board->setObjectName(QStringLiteral("picSetupBoard"));
    CreateSetupSquares(board);
    auto *layout = new QHBoxLayout(central);
    layout->addWidget(board, 0, Qt::AlignTop);
    layout->addWidget(buildStatusControls(), 0, Qt::AlignTop);
    setCentralWidget(central);
    ResetSetupBoard();
}

void FrmSetup::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *close = file->addAction(QStringLiteral("Close"));
    close->setObjectName(QStringLiteral("mnuFileClose"));
    connect(close, &QAction::triggered, this, &QWidget::close);

    QMenu *tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    QAction *clear = tools->addAction(QStringLiteral("Clear Board"));
    clear->setObjectName(QStringLiteral("mnuToolsClear"));
    connect(clear, &QAction::triggered, this, &FrmSetup::mnuToolsClear_Click);
    QAction *reset = tools->addAction(QStringLiteral("Reset Board"));
    reset->setObjectName(QStringLiteral("mnuToolsReset"));
    connect(reset, &QAction::triggered, this, &FrmSetup::ResetSetupBoard);
}

void FrmSetup::buildPalette()
{
    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setIconSize(QSize(tolvar::PieceImageSize, tolvar::PieceImageSize));
    m_toolbar->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    // At most one button is pressed; pressing it again releases it.
    auto *group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (int button = 1; button <= 13; ++button) {
        const QChar code = QLatin1Char(pavisto::PaletteCodes[button - 1]);
        QAction *action = m_toolbar->addAction(QLatin1String(PaletteTips[button - 1]));
        if (code != pavisto::EmptyCell)
            action->setIcon(QIcon(tolvar::pieceImage(pavisto::pieceCodeOf(code), devicePixelRatioF())));
        action->setObjectName(QStringLiteral("Toolbar1Button%1").arg(button));
        action->setToolTip(QLatin1String(PaletteTips[button - 1]));
        action->setCheckable(true);
        group->addAction(action);
        m_palette.append(action);
    }
}

QWidget *FrmSetup::buildStatusControls()
{
    auto *panel = new QWidget;
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto *castling = new QGroupBox(QStringLiteral("Castling"), panel);
    castling->setObjectName(QStringLiteral("fraCastling"));
    auto *castlingRow = new QHBoxLayout(castling);
    auto side = [castling, castlingRow](const char *name, const QString &caption) {
        auto *frame = new QGroupBox(caption, castling);
        frame->setObjectName(QLatin1String(name));
        new QVBoxLayout(frame);
        castlingRow->addWidget(frame);
        return frame;
    };
    QGroupBox *white = side("fraWhite", QStringLiteral("White"));
    m_chkWCK = checkBox(white, "chkWCK", QStringLiteral("Kingside"), QStringLiteral("White can castle Kingside"));
    m_chkWCQ = checkBox(white, "chkWCQ", QStringLiteral("Queenside"), QStringLiteral("White can castle Queenside"));
    QGroupBox *black = side("fraBlack", QStringLiteral("Black"));
    m_chkBCK = checkBox(black, "chkBCK", QStringLiteral("Kingside"), QStringLiteral("Black can castle Kingside"));
    m_chkBCQ = checkBox(black, "chkBCQ", QStringLiteral("Queenside"), QStringLiteral("Black can castle Queenside"));

    auto *onMove = new QGroupBox(QStringLiteral("Color On Move"), panel);
    onMove->setObjectName(QStringLiteral("fraOnMove"));
    auto *onMoveRow = new QHBoxLayout(onMove);
    m_optMoveWhite = new QRadioButton(QStringLiteral("White"), onMove);
    m_optMoveWhite->setObjectName(QStringLiteral("optMoveWhite"));
    m_optMoveWhite->setToolTip(QStringLiteral("Shows White On Move"));
    m_optMoveWhite->setChecked(true);
    m_optMoveBlack = new QRadioButton(QStringLiteral("Black"), onMove);
    m_optMoveBlack->setObjectName(QStringLiteral("optMoveBlack"));
    m_optMoveBlack->setToolTip(QStringLiteral("Shows Black On Move"));
    onMoveRow->addWidget(m_optMoveWhite);
    onMoveRow->addWidget(m_optMoveBlack);

    auto *status = new QGroupBox(QStringLiteral("Game Status"), panel);
    status->setObjectName(QStringLiteral("fraGameStatus"));
    auto *grid = new QGridLayout(status);
    m_txtEPSquare = statusField(grid, 0, "txtEPSquare", QStringLiteral("EP Square:"), QStringLiteral("-"),
                                QStringLiteral("En passant square"));
    m_txtMoveNumber = statusField(grid, 1, "txtMoveNumber", QStringLiteral("Move #:"), QStringLiteral("1"),
                                  QStringLiteral("Move number"));
    m_txtFiftyMove = statusField(grid, 2, "txtFiftyMove", QStringLiteral("50 Move:"), QStringLiteral("0"),
                                 QStringLiteral("Fifty move rule"));

    // The FEN is built only on the way to the main board, so the field stays hidden.
    m_txtSetupForsyth = new QLineEdit(panel);
    m_txtSetupForsyth->setObjectName(QStringLiteral("txtSetupForsyth"));
    m_txtSetupForsyth->setVisible(false);

    auto *ok = new QPushButton(QStringLiteral("OK"), panel);
    ok->setObjectName(QStringLiteral("cmdOK"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), panel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, &FrmSetup::cmdOK_Click);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    column->addWidget(castling);
    column->addWidget(onMove);
    column->addWidget(status);
    column->addStretch();
    column->addLayout(buttons);
    return panel;
}

void FrmSetup::CreateSetupSquares(QWidget *board)
{
    platform::BusyPointer busy;
    auto *grid = new QGridLayout(board);
    grid->setSpacing(0);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int cell = 1; cell <= 64; ++cell) {
        const int row = (cell - 1) / 8;
        const int file = (cell - 1) % 8;
        auto *square = new QLabel(board);
        square->setObjectName(QStringLiteral("picBoard%1").arg(cell));
        square->setFixedSize(CellSize, CellSize);
        square->setAlignment(Qt::AlignCenter);
        square->setAutoFillBackground(true);
        QPalette palette = square->palette();
        palette.setColor(QPalette::Window, (row + file) % 2 == 0 ? CellWhite : CellGrey);
        square->setPalette(palette);
        square->installEventFilter(this);
        grid->addWidget(square, row, file);
        m_picBoard[cell - 1] = square;
    }
}

void FrmSetup::setCell(int cell, QChar code)
{
    m_cells[cell - 1] = code;
    m_picBoard[cell - 1]->setPixmap(tolvar::pieceImage(pavisto::pieceCodeOf(code), devicePixelRatioF()));
}

void FrmSetup::ResetSetupBoard()
{
    const pavisto::SetupCells start = pavisto::startingCells();
    for (QLabel *square : m_picBoard)
        square->hide();
    for (int cell = 1; cell <= 64; ++cell)
        setCell(cell, start[cell - 1]);
    for (QLabel *square : m_picBoard)
        square->show();
}

void FrmSetup::mnuToolsClear_Click()
{
    for (int cell = 1; cell <= 64; ++cell)
        setCell(cell, pavisto::EmptyCell);
}

bool FrmSetup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int cell = 1; cell <= 64; ++cell) {
            if (watched == m_picBoard[cell - 1]) {
                picBoard_Click(cell);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmSetup::picBoard_Click(int cell)
{
    if (m_palette.last()->isChecked()) {
        setCell(cell, pavisto::EmptyCell);
        return;
    }
    for (int button = 1; button <= 12; ++button) {
        if (m_palette[button - 1]->isChecked()) {
            setCell(cell, QLatin1Char(pavisto::PaletteCodes[button - 1]));
            return;
        }
    }
}

void FrmSetup::WriteForsyth()
{
    pavisto::SetupStatus status;
    status.whiteOnMove = m_optMoveWhite->isChecked();
    status.whiteKingside = m_chkWCK->checkState() == Qt::Checked;
    status.whiteQueenside = m_chkWCQ->checkState() == Qt::Checked;
    status.blackKingside = m_chkBCK->checkState() == Qt::Checked;
    status.blackQueenside = m_chkBCQ->checkState() == Qt::Checked;
    status.epSquare = m_txtEPSquare->text();
    status.fiftyMove = m_txtFiftyMove->text();
    status.moveNumber = m_txtMoveNumber->text();
    m_txtSetupForsyth->setText(pavisto::writeForsyth(m_cells, status));
}

void FrmSetup::cmdOK_Click()
{
    if (const std::optional<QString> error = pavisto::missingKing(m_cells)) {
        platform::messageBox(*error, platform::MessageButtons::Ok, platform::MessageIcon::Information,
                             QStringLiteral("Setup Error"));
        return;
    }
    // A cancelled unsaved-game prompt keeps the old game; the editor stays open rather
    // than put the new position's tags on it.
    if (!m_host.newGame())
        return;
    WriteForsyth();
    const QString fen = m_txtSetupForsyth->text();
    platform::BoardProxy &board = m_host.mainBoard();
    board.LoadFEN(fen);
    QStringList tags;
    for (const QString &line : m_host.tagLines()) {
        if (!line.contains(QLatin1String("SetUp")) && !line.contains(QLatin1String("Forsyth")))
            tags << line;
    }
    tags << QStringLiteral("[SetUp \"1\"]") << QStringLiteral("[Forsyth \"") + fen + QStringLiteral("\"]");
    m_host.setTagLines(tags);
    board.setGameChanged(true);
    m_host.UpdateCommandState();
    close();
}
