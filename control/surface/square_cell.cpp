#include "square_cell.h"

#include "board_panel.h"
#include "platform/system_colors.h"
#include "resources/pieces/piece_images.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include <array>

namespace tolvar {

QString pieceCodeOfImage(PieceImage image)
{
    static constexpr std::array<const char *, 13> codes = {
        "E", "WK", "WQ", "WR", "WB", "WN", "Wp", "BK", "BQ", "BR", "BB", "BN", "Bp",
    };
    const auto value = static_cast<size_t>(image);
    return QString::fromLatin1(value < codes.size() ? codes[value] : "E");
}

SquareCellWidget::SquareCellWidget(int index, BoardPanel &panel)
    : QWidget(&panel), m_index(index), m_panel(panel)
{
    setObjectName(QStringLiteral("picBoard%1").arg(index));
    setFixedSize(PieceImageSize, PieceImageSize);
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SquareCellWidget::setLook(const CellLook &look)
{
    if (look == m_look)
        return;
    m_look = look;
    update();
}

void SquareCellWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), platform::toQColor(m_look.backColor, palette()));
    if (m_look.picture != PieceImage::imgNoImage)
        painter.drawPixmap(0, 0, pieceImage(pieceCodeOfImage(m_look.picture), devicePixelRatioF()));
    if (m_look.border == CellBorder::Single) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void SquareCellWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_panel.pressCell(m_index);
}

void SquareCellWidget::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

void SquareCellWidget::dragMoveEvent(QDragMoveEvent *event)
{
    const int source = m_panel.sourceOfDrag(event->mimeData());
    if (source == 0) {
        event->ignore();
        return;
    }
    m_panel.dragOverCell(source);
    event->acceptProposedAction();
}

void SquareCellWidget::dropEvent(QDropEvent *event)
{
    const int source = m_panel.sourceOfDrag(event->mimeData());
    if (source == 0) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    m_panel.dropOnCell(source, m_index);
}

} // namespace tolvar
