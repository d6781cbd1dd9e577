#pragma once

#include "viewer/database/database_host.h"
#include "viewer/database/viewer_state.h"

#include <QStringList>

namespace pavisto::test {

// Stands in for the main window and its board, and writes down what it was asked.
class FakeHost final : public DatabaseHost {
public:
    explicit FakeHost(ViewerState &state) : m_state(state) {}

    bool changed = false;
    QString moveListA = QStringLiteral("1. e4 e5 *");
    QStringList tags{QStringLiteral("[Event \"?\"]"), QStringLiteral("[Result \"*\"]")};
    QString moveList = QStringLiteral("1. e4 e5 *");
    int selected = -1;
    bool markChecked = false;
    bool deletePressed = false;
    QString caption;
    QString countStatus;
    int newGames = 0;
    int commandUpdates = 0;
    int statusShows = 0;
    int previewClears = 0;
    QList<int> progressCounts;
    QStringList calls; // window routines in the order they ran

    bool gameChanged() const override { return changed; }
    void setGameChanged(bool value) override { changed = value; }
    QString annotatedMoveList() const override { return moveListA; }
    QStringList tagLines() const override { return tags; }
    QString moveListText() const override { return moveList; }
    int selectedGameIndex() const override { return selected; }
    void selectGameIndex(int index) override
    {
        selected = index;
        calls << QStringLiteral("select %1").arg(index);
    }
    void SetupNewGame() override
    {
        ++newGames;
        m_state.CurrentGame = -1;
        calls << QStringLiteral("SetupNewGame");
    }
    void UpdateCommandState() override { ++commandUpdates; }
    void ShowBoardStatus() override { ++statusShows; }
    void setCaption(const QString &text) override { caption = text; }
    void setGameCountStatus(const QString &text) override { countStatus = text; }
    void clearPreview() override { ++previewClears; }
    bool markDeletedChecked() const override { return markChecked; }
    void setMarkDeletedChecked(bool checked) override { markChecked = checked; }
    void setDeleteButtonPressed(bool pressed) override { deletePressed = pressed; }
    void showProgress(const QString &path) override { calls << QStringLiteral("showProgress ") + path; }
    void updateProgress(int count, int) override { progressCounts << count; }
    void closeProgress() override { calls << QStringLiteral("closeProgress"); }

private:
    ViewerState &m_state;
};

} // namespace pavisto::test
