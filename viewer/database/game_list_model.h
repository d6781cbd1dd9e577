#pragma once

#include <QAbstractListModel>

namespace pavisto {

class GameDatabase;

// The game list lstPGNFiles: entry k shows game k + 1. The entries change only when
// refilled or cleared; an entry's text is built when the view asks for it, so the
// list stays quick with 32,000 games.
class GameListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit GameListModel(const GameDatabase &games, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // One entry per game of the database.
    void refill();
    // No entries.
    void clear();

private:
    const GameDatabase &m_games;
    int m_rows = 0;
};

} // namespace pavisto
