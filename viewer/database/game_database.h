#pragma once

#include "text_encoding.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

namespace pavisto {

// The import stops when the database holds this many games.
inline constexpr int MaxGames = 32000;

// One game as text: its tag section, its movetext and its deleted mark.
struct GameRecord {
    QString Tags;
    QString Moves;
    bool Deleted = false;
};

// The game database `Games`: games numbered 1..N in file order. Imported games keep
// referring to the bytes of the file they came from, so a 32,000-game file costs little
// more than its own size; their texts are built when asked for. Games saved from the
// board hold their own text.
class GameDatabase final {
public:
    // A byte range of the source file: whole lines, terminators excluded at the end.
    struct Span {
        qsizetype begin = 0;
        qsizetype end = 0;
    };

    // False until the first Open or Save Game creates the database.
    bool isAllocated() const { return m_allocated; }
    int count() const { return int(m_entries.size()); }
    bool contains(int game) const { return m_allocated && game >= 1 && game <= count(); }

    // Allocates an empty database that files will be written to in `encoding`.
    void clear(TextEncoding encoding = TextEncoding::Utf8);
    // Empties the database and takes the bytes of a file whose games will be added
    // by appendImported().
    void adoptSource(QByteArray bytes, TextEncoding encoding);
    void appendImported(Span tags, Span moves);

    // Appends a game and returns its number.
    int appendGame(const QString &tags, const QString &moves);
    void replaceGame(int game, const QString &tags, const QString &moves);

    // The record of a game 1..N; an empty record for any other number.
    GameRecord record(int game) const;
    QString tags(int game) const;
    QString moves(int game) const;
    bool isDeleted(int game) const;
    void setDeleted(int game, bool deleted);

    // The game-list entry: every non-empty tag line followed by one space, or
    // "??? No Tags Found ???".
    QString listText(int game) const;

    // Appends the game's Tags or Moves in `target` encoding; false when a character of
    // a game saved from the board has no byte there.
    bool appendTagBytes(int game, QByteArray &out, TextEncoding target) const;
    bool appendMoveBytes(int game, QByteArray &out, TextEncoding target) const;

    // True when every game not marked deleted can be written in `target`.
    bool canWrite(TextEncoding target) const;

    // False for a game without tags, whose Tags only repeat its first movetext line.
    bool hasTagSection(int game) const;

    // The bytes of the file the imported games refer to.
    QByteArrayView source() const { return m_source; }

    // The encoding the file of this database is written in.
    TextEncoding encoding() const { return m_encoding; }
    void setEncoding(TextEncoding encoding) { m_encoding = encoding; }

    // Bytes held by the database: the source file, the game table and saved texts.
    qsizetype memoryUsage() const;

private:
    struct Entry {
        Span tags;
        Span moves;
        qint32 owned = -1; // index into m_owned for games saved from the board
        bool deleted = false;
    };
    struct OwnedText {
        QString tags;
        QString moves;
    };

    const Entry *entry(int game) const;
    QByteArrayView spanBytes(Span span) const;
    bool appendBytes(int game, QByteArray &out, TextEncoding target, bool moves) const;

    bool m_allocated = false;
    TextEncoding m_encoding = TextEncoding::Utf8;
    TextEncoding m_sourceEncoding = TextEncoding::Utf8;
    QByteArray m_source;
    std::vector<Entry> m_entries;
    QList<OwnedText> m_owned;
};

} // namespace pavisto
