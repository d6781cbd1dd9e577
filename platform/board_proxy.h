#pragma once

#include "component.h"

#include <QString>

namespace platform {

// A typed face for a board control "Vostra.Tolvar" that calls it only by dispatch
// identifier, so a host needs no header of the control. Holds the members a host uses;
// anything else is reachable through dispatch().
class BoardProxy final {
public:
    static inline const QString ClassId = QStringLiteral("Vostra.Tolvar");

    // The control's events, by event identifier.
    enum class Event : DispId {
        DblClick = 1,
        Click = 2,
        LoadMoveComplete = 3,
        LoadGameComplete = 4,
        LoadSetupComplete = 5,
        LoadFENComplete = 6,
        MoveComplete = 7,
        MoveFirstComplete = 8,
        MoveLastComplete = 9,
        MoveNextComplete = 10,
        MovePreviousComplete = 11,
        GameInitialize = 12,
    };

    // Creates a board in parent (see createComponent); an invalid proxy when the
    // control is not installed.
    static BoardProxy create(QWidget *parent, EventSink *sink = nullptr, const PropertyBag *bag = nullptr);

    BoardProxy() = default;
    explicit BoardProxy(Component component) : m_component(component) {}

    bool isValid() const { return bool(m_component); }
    QWidget *widget() const { return m_component.widget; }
    DispatchObject *dispatch() const { return m_component.dispatch; }

    // Methods.
    void GameReset();
    void MoveFirst();
    void MoveNext();
    void MoveLast();
    void MovePrevious();
    void LoadGame(const QString &moveList);
    void LoadFEN(const QString &fen);
    void LoadSetup(const QString &fen, const QString &moveList);
    void LoadMove(const QString &moveText);
    void NavigatePly(qint16 ply);
    void Refresh();
    void WriteAnnotation(const QString &annotation);
    QString ReadAnnotation();
    // DoReturnForsyth followed by a read of ReturnForsyth.
    QString forsythOfPly(qint16 ply);
    // DoReturnMove followed by a read of ReturnMove.
    QString moveOfPly(qint16 ply);

    // Properties read.
    qint16 Ply() const;
    qint16 GameLength() const;
    qint16 MoveNumber() const;
    qint16 MoveNumber_Move() const;
    qint16 PMCapture() const;
    QString OnMove() const;
    QString CastleOption() const;
    QString EP_Square() const;
    QString MoveText() const;
    QString MoveList_A() const;
    QString MoveList_P() const;
    QString MoveList_L() const;

    // Properties read and written.
    QString WhitePlayer() const;
    void setWhitePlayer(const QString &name);
    QString BlackPlayer() const;
    void setBlackPlayer(const QString &name);
    bool GameChanged() const;
    void setGameChanged(bool changed);
    void setGameResult(const QString &result);
    QString ColorView() const;
    void setColorView(const QString &view);
    QString PromotionPiece() const;
    void setPromotionPiece(const QString &piece);
    quint32 LightSquareColor() const;
    void setLightSquareColor(quint32 color);
    quint32 DarkSquareColor() const;
    void setDarkSquareColor(quint32 color);

    QVariant property(DispId id) const;
    void setProperty(DispId id, const QVariant &value);
    QVariant call(DispId id, QVariantList arguments = {});

private:
    Component m_component;
};

} // namespace platform
