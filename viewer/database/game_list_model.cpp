#include "game_list_model.h"

#include "game_database.h"

namespace pavisto {

GameListModel::GameListModel(const GameDatabase &games, QObject *parent)
    : QAbstractListModel(parent), m_games(games)
{
}

int GameListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant GameListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows)
        return {};
    return m_games.listText(index.row() + 1);
}

void GameListModel::refill()
{
    beginResetModel();
    m_rows = m_games.isAllocated() ? m_games.count() : 0;
    endResetModel();
}

void GameListModel::clear()
{
    beginResetModel();
    m_rows = 0;
    endResetModel();
}

} // namespace pavisto
