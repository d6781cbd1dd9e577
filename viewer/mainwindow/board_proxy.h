#pragma once

#include "platform/component.h"
#include "platform/dispatch_object.h"

#include <QObject>
#include <QString>
#include <QVariant>


// The class identifier of the board control and the dispatch identifiers of its members
// that the viewer calls.
inline const QString BoardClassId = QStringLiteral("Vostra.Tolvar");

// Dispatch identifiers of the board control's members that the viewer calls.
namespace BoardDispId {
inline constexpr qint32 MoveNumber_Move = 0x68030000;
inline constexpr qint32 ReturnForsyth = 0x68030002;
inline constexpr qint32 GameResult = 0x68030003;
inline constexpr qint32 GameChanged = 0x68030004;
inline constexpr qint32 EP_Square = 0x68030005;
inline constexpr qint32 MoveList_L = 0x68030006;
inline constexpr qint32 MoveList_P = 0x68030007;
inline constexpr qint32 MoveList_A = 0x68030008;
inline constexpr qint32 GameLength = 0x68030009;
inline constexpr qint32 OnMove = 0x6803000A;
inline constexpr qint32 CastleOption = 0x6803000B;
inline constexpr qint32 PMCapture = 0x6803000C;
inline constexpr qint32 MoveText = 0x6803000E;
inline constexpr qint32 Ply = 0x68030010;
inline constexpr qint32 MoveNumber = 0x68030011;
inline constexpr qint32 BlackPlayer = 0x68030012;
inline constexpr qint32 WhitePlayer = 0x68030013;
inline constexpr qint32 LightSquareColor = 0x6803001D;
inline constexpr qint32 DarkSquareColor = 0x6803001E;
inline constexpr qint32 ColorView = 0x6803001F;
inline constexpr qint32 PromotionPiece = 0x68030020;

inline constexpr qint32 GameReset = 0x60030067;
inline constexpr qint32 MoveFirst = 0x60030068;
inline constexpr qint32 MoveNext = 0x60030069;
inline constexpr qint32 MoveLast = 0x6003006A;
inline constexpr qint32 MovePrevious = 0x6003006B;
inline constexpr qint32 LoadGame = 0x6003006C;
inline constexpr qint32 LoadFEN = 0x6003006F;
inline constexpr qint32 LoadSetup = 0x60030072;
inline constexpr qint32 NavigatePly = 0x60030079;
inline constexpr qint32 Refresh = 0x6003007B;
inline constexpr qint32 WriteAnnotation = 0x6003007E;
inline constexpr qint32 ReadAnnotation = 0x6003007F;
inline constexpr qint32 DoReturnForsyth = 0x60030083;
} // namespace BoardDispId

// Event identifiers the board raises.
namespace BoardEvent {
inline constexpr int DblClick = 1;
inline constexpr int Click = 2;
inline constexpr int LoadMoveComplete = 3;
inline constexpr int LoadGameComplete = 4;
inline constexpr int LoadSetupComplete = 5;
inline constexpr int LoadFENComplete = 6;
inline constexpr int MoveComplete = 7;
inline constexpr int MoveFirstComplete = 8;
inline constexpr int MoveLastComplete = 9;
inline constexpr int MoveNextComplete = 10;
inline constexpr int MovePreviousComplete = 11;
inline constexpr int GameInitialize = 12;
} // namespace BoardEvent

// Typed calls on one board component, all by dispatch identifier. Booleans go across
// as 16-bit values, -1 for true.
class BoardProxy final : public QObject, private platform::EventSink {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BoardProxy)
public:
    // Creates a board of class "Vostra.Tolvar" as a child of parent, from the bag when
    // one is given; its events are re-emitted as boardEvent(), those of its
    // initialisation included. isValid() is false when no plugin provides the board.
    explicit BoardProxy(QWidget *parent, const platform::PropertyBag *bag = nullptr);
    ~BoardProxy() override;

    bool isValid() const { return bool(m_board); }
    QWidget *widget() const { return m_board.widget; }

    qint16 ply() const;
    qint16 gameLength() const;
    qint16 moveNumber() const;
    qint16 moveNumberMove() const;
    qint16 pmCapture() const;
    QString epSquare() const;
    QString moveText() const;
    QString castleOption() const;
    QString onMove() const;
    QString moveListA() const;
    QString moveListP() const;
    QString moveListL() const;
    // FEN of the position at the given ply (DoReturnForsyth, then ReturnForsyth).
    QString forsythOfPly(qint16 ply);

    bool gameChanged() const;
    void setGameChanged(bool changed);
    void setGameResult(const QString &result);
    QString whitePlayer() const;
    void setWhitePlayer(const QString &name);
    QString blackPlayer() const;
    void setBlackPlayer(const QString &name);
    QString colorView() const;
    void setColorView(const QString &view);
    QString promotionPiece() const;
    void setPromotionPiece(const QString &piece);
    qint32 lightSquareColor() const;
    void setLightSquareColor(qint32 color);
    qint32 darkSquareColor() const;
    void setDarkSquareColor(qint32 color);

    void gameReset();
    void moveFirst();
    void movePrevious();
    void moveNext();
    void moveLast();
    void navigatePly(qint16 ply);
    void loadGame(const QString &moveList);
    void loadSetup(const QString &fen, const QString &moveList);
    void loadFEN(const QString &fen);
    QString readAnnotation();
    void writeAnnotation(const QString &annotation);
    void refresh();

Q_SIGNALS:
    void boardEvent(int eventId);

private:
    void componentEvent(platform::DispId eventId) override;
    void propertyChanged(const QString &) override {}

    QVariant get(qint32 dispId) const;
    void put(qint32 dispId, const QVariant &value);
    QVariant call(qint32 dispId, QVariantList args = {});
    QVariant callWith(qint32 dispId, QVariantList &args);

    platform::Component m_board;
};
