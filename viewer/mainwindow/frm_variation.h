#pragma once

#include <QWidget>

class HostedBoard;

namespace platform {
class BoardProxy;
}

namespace pavisto {
struct ViewerState;
}

// The variation board window with its own board. Loaded hidden when the main window
// starts and only hidden again when closed while the main window is open.
class FrmVariation final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmVariation)
public:
    explicit FrmVariation(const pavisto::ViewerState &state, QWidget *parent = nullptr);

    platform::BoardProxy &board() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    const pavisto::ViewerState &m_state;
    HostedBoard *m_board = nullptr;
};
