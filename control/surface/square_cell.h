#pragma once

#include "control/rules/square_cells.h"

#include <QWidget>

namespace tolvar {

class BoardPanel;

// What a square cell shows: its colour, its image and its border.
struct CellLook {
    std::uint32_t backColor = InitialLightColor;
    PieceImage picture = PieceImage::imgNoImage;
    CellBorder border = CellBorder::None;

    friend bool operator==(const CellLook &, const CellLook &) = default;
};

// One of the 64 displayed squares (objectName "picBoard<index>"): draws its look and
// passes presses, drags and drops on to the board panel.
class SquareCellWidget final : public QWidget {
    Q_OBJECT

public:
    SquareCellWidget(int index, BoardPanel &panel);

    int index() const { return m_index; }
    const CellLook &look() const { return m_look; }
    // Repaints only when the look changed.
    void setLook(const CellLook &look);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    int m_index = 0;
    BoardPanel &m_panel;
    CellLook m_look;
};

// The piece code whose image this is ("WK" ... "Bp", "E" for the blank image).
QString pieceCodeOfImage(PieceImage image);

} // namespace tolvar
