#pragma once

#include "control/game/game_engine.h"
#include "square_cell.h"

#include <QFrame>

#include <array>

QT_BEGIN_NAMESPACE
class QMimeData;
QT_END_NAMESPACE

namespace tolvar {

// picBoardBackground: the sunken frame holding the 64 square cells. It draws the
// engine's cell model and turns drags between its cells into calls of the engine:
// the widget reports "from cell S to cell T", the engine decides and changes the cells.
class BoardPanel final : public QFrame {
    Q_OBJECT

public:
    BoardPanel(GameEngine &engine, QWidget *parent);

    // Brings every cell widget in line with the cell model: place, visibility, look.
    void syncCells();

    SquareCellWidget *cell(int index) const;
    // The cell under a point of the panel, or 0.
    int cellAt(const QPoint &point) const;

    // The drag protocol, as the cells' mouse and drag events call it.
    // A press on a cell whose drag mode is automatic starts a drag at once.
    void pressCell(int index);
    // What a drag carries: this panel and the source cell.
    QMimeData *dragData(int source) const;
    // The source cell of a drag started by this panel, or 0 for any other drag.
    int sourceOfDrag(const QMimeData *data) const;
    // DragOver on any cell: the source cell looks lifted (single border, blank image).
    void dragOverCell(int source);
    void dropOnCell(int source, int target);
    // After the drag: when no cell took the drop, the source cell shows its piece again.
    void endDrag(int source, bool dropped);

protected:
    // Presses, clicks and double clicks on the board never reach the control's surface.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    GameEngine &m_engine;
    std::array<SquareCellWidget *, 65> m_cells{};
    bool m_dropped = false;
};

} // namespace tolvar
