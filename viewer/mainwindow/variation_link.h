#pragma once

#include "frmmain.h"

#include "viewer/dialogs/variation_host.h"

// What the variation board reaches of the main window.
class FrmMain::VariationLink final : public VariationHost {
public:
    explicit VariationLink(FrmMain &window) : m_window(window) {}

    platform::BoardProxy &mainBoard() override;
    QStringList mainTagLines() const override;
    void setMainMoveListText(const QString &crlfText) override;
    void refreshAfterSend() override;

private:
    FrmMain &m_window;
};
