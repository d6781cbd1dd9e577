#include "board_panel.h"

#include "platform/system_colors.h"
#include "platform/units.h"
#include "resources/pieces/piece_images.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

namespace tolvar {
namespace {

const QString DragFormat = QStringLiteral("application/x-tolvar-square");

// picBoardBackground sits at 330, 420 twips and is 4020 twips square; its sunken
// border is two pixels wide and the cells' twips count from inside it.
constexpr int PanelLeftTwips = 330;
constexpr int PanelTopTwips = 420;
constexpr int PanelSizeTwips = 4020;
constexpr int BorderPixels = 2;
constexpr quint32 ApplicationWorkspace = 0x8000000C;

} // namespace

BoardPanel::BoardPanel(GameEngine &engine, QWidget *parent) : QFrame(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("picBoardBackground"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderPixels);
    setGeometry(platform::twipsToPixels(PanelLeftTwips), platform::twipsToPixels(PanelTopTwips),
                platform::twipsToPixels(PanelSizeTwips), platform::twipsToPixels(PanelSizeTwips));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, platform::toQColor(ApplicationWorkspace, colours));
    setPalette(colours);
    for (int index = 1; index <= 64; ++index)
        m_cells[size_t(index)] = new SquareCellWidget(index, *this);
    syncCells();
}

void BoardPanel::syncCells()
{
    for (int index = 1; index <= 64; ++index) {
        const SquareCell &model = m_engine.picBoard[size_t(index)];
        SquareCellWidget *widget = m_cells[size_t(index)];
        widget->move(BorderPixels + platform::twipsToPixels(model.Left),
                     BorderPixels + platform::twipsToPixels(model.Top));
        widget->setLook({model.BackColor, model.Picture, model.BorderStyle});
        widget->setVisible(model.Visible);
    }
    m_engine.clearChangedCells();
}

void BoardPanel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void BoardPanel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void BoardPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

SquareCellWidget *BoardPanel::cell(int index) const
{
    return index >= 1 && index <= 64 ? m_cells[size_t(index)] : nullptr;
}

int BoardPanel::cellAt(const QPoint &point) const
{
    for (int index = 1; index <= 64; ++index) {
        if (m_cells[size_t(index)]->isVisible() && m_cells[size_t(index)]->geometry().contains(point))
            return index;
    }
    return 0;
}

void BoardPanel::pressCell(int index)
{
    const SquareCell &model = m_engine.picBoard[size_t(index)];
    if (model.DragMode != DragMode::Automatic)
        return;
    auto *drag = new QDrag(m_cells[size_t(index)]);
    drag->setMimeData(dragData(index));
    drag->setPixmap(pieceImage(pieceCodeOfImage(model.DragIcon), devicePixelRatioF()));
    drag->setHotSpot(QPoint(PieceImageSize / 2, PieceImageSize / 2));
    m_dropped = false;
    drag->exec(Qt::MoveAction);
    endDrag(index, m_dropped);
}

QMimeData *BoardPanel::dragData(int source) const
{
    auto *data = new QMimeData;
    data->setData(DragFormat, QStringLiteral("%1:%2").arg(quintptr(this)).arg(source).toLatin1());
    return data;
}

int BoardPanel::sourceOfDrag(const QMimeData *data) const
{
    if (!data || !data->hasFormat(DragFormat))
        return 0;
    const QList<QByteArray> parts = data->data(DragFormat).split(':');
    if (parts.size() != 2 || parts[0].toULongLong() != quintptr(this))
        return 0;
    const int source = parts[1].toInt();
    return source >= 1 && source <= 64 ? source : 0;
}

void BoardPanel::dragOverCell(int source)
{
    m_engine.picBoard_DragOver(source);
    syncCells();
}

void BoardPanel::dropOnCell(int source, int target)
{
    m_dropped = true;
    m_engine.picBoard_DragDrop(target, source);
    syncCells();
}

void BoardPanel::endDrag(int source, bool dropped)
{
    if (dropped || source < 1 || source > 64)
        return;
    // Released outside the squares: nothing took the drop, so the piece goes back.
    m_engine.picBoard_DragCancel(source);
    syncCells();
}

} // namespace tolvar
