#include "board_proxy.h"

namespace platform {
namespace {

// Dispatch identifiers of the board control's members used here.
namespace id {
constexpr DispId MoveNumber_Move = 0x68030000;
constexpr DispId ReturnMove = 0x68030001;
constexpr DispId ReturnForsyth = 0x68030002;
constexpr DispId GameResult = 0x68030003;
constexpr DispId GameChanged = 0x68030004;
constexpr DispId EP_Square = 0x68030005;
constexpr DispId MoveList_L = 0x68030006;
constexpr DispId MoveList_P = 0x68030007;
constexpr DispId MoveList_A = 0x68030008;
constexpr DispId GameLength = 0x68030009;
constexpr DispId OnMove = 0x6803000A;
constexpr DispId CastleOption = 0x6803000B;
constexpr DispId PMCapture = 0x6803000C;
constexpr DispId MoveText = 0x6803000E;
constexpr DispId Ply = 0x68030010;
constexpr DispId MoveNumber = 0x68030011;
constexpr DispId BlackPlayer = 0x68030012;
constexpr DispId WhitePlayer = 0x68030013;
constexpr DispId LightSquareColor = 0x6803001D;
constexpr DispId DarkSquareColor = 0x6803001E;
constexpr DispId ColorView = 0x6803001F;
constexpr DispId PromotionPiece = 0x68030020;

constexpr DispId GameReset = 0x60030067;
constexpr DispId MoveFirst = 0x60030068;
constexpr DispId MoveNext = 0x60030069;
constexpr DispId MoveLast = 0x6003006A;
constexpr DispId MovePrevious = 0x6003006B;
constexpr DispId LoadGame = 0x6003006C;
constexpr DispId LoadFEN = 0x6003006F;
constexpr DispId LoadSetup = 0x60030072;
constexpr DispId LoadMove = 0x60030078;
constexpr DispId NavigatePly = 0x60030079;
constexpr DispId Refresh = 0x6003007B;
constexpr DispId WriteAnnotation = 0x6003007E;
constexpr DispId ReadAnnotation = 0x6003007F;
constexpr DispId DoReturnForsyth = 0x60030083;
constexpr DispId DoReturnMove = 0x60030084;
} // namespace id

} // namespace

BoardProxy BoardProxy::create(QWidget *parent, EventSink *sink, const PropertyBag *bag)
{
    return BoardProxy(createComponent(ClassId, parent, sink, bag));
}

QVariant BoardProxy::property(DispId dispId) const
{
    if (!isValid())
        return {};
    return m_component.dispatch->getProperty(dispId).value_or(QVariant());
}

void BoardProxy::setProperty(DispId dispId, const QVariant &value)
{
    if (isValid())
        m_component.dispatch->putProperty(dispId, value);
}

QVariant BoardProxy::call(DispId dispId, QVariantList arguments)
{
    if (!isValid())
        return {};
    return m_component.dispatch->invoke(dispId, arguments).value_or(QVariant());
}

void BoardProxy::GameReset() { call(id::GameReset); }
void BoardProxy::MoveFirst() { call(id::MoveFirst); }
void BoardProxy::MoveNext() { call(id::MoveNext); }
void BoardProxy::MoveLast() { call(id::MoveLast); }
void BoardProxy::MovePrevious() { call(id::MovePrevious); }
void BoardProxy::LoadGame(const QString &moveList) { call(id::LoadGame, {moveList}); }
void BoardProxy::LoadFEN(const QString &fen) { call(id::LoadFEN, {fen}); }
void BoardProxy::LoadSetup(const QString &fen, const QString &moveList) { call(id::LoadSetup, {fen, moveList}); }
void BoardProxy::LoadMove(const QString &moveText) { call(id::LoadMove, {moveText}); }
void BoardProxy::NavigatePly(qint16 ply) { call(id::NavigatePly, {QVariant::fromValue(ply)}); }
void BoardProxy::Refresh() { call(id::Refresh); }
void BoardProxy::WriteAnnotation(const QString &annotation) { call(id::WriteAnnotation, {annotation}); }

QString BoardProxy::ReadAnnotation()
{
    QVariantList arguments{QString()};
    if (isValid())
        m_component.dispatch->invoke(id::ReadAnnotation, arguments);
    return arguments[0].toString();
}

QString BoardProxy::forsythOfPly(qint16 ply)
{
    call(id::DoReturnForsyth, {QVariant::fromValue(ply)});
    return property(id::ReturnForsyth).toString();
}

QString BoardProxy::moveOfPly(qint16 ply)
{
    call(id::DoReturnMove, {QVariant::fromValue(ply)});
    return property(id::ReturnMove).toString();
}

qint16 BoardProxy::Ply() const { return qint16(property(id::Ply).toInt()); }
qint16 BoardProxy::GameLength() const { return qint16(property(id::GameLength).toInt()); }
qint16 BoardProxy::MoveNumber() const { return qint16(property(id::MoveNumber).toInt()); }
qint16 BoardProxy::MoveNumber_Move() const { return qint16(property(id::MoveNumber_Move).toInt()); }
qint16 BoardProxy::PMCapture() const { return qint16(property(id::PMCapture).toInt()); }
QString BoardProxy::OnMove() const { return property(id::OnMove).toString(); }
QString BoardProxy::CastleOption() const { return property(id::CastleOption).toString(); }
QString BoardProxy::EP_Square() const { return property(id::EP_Square).toString(); }
QString BoardProxy::MoveText() const { return property(id::MoveText).toString(); }
QString BoardProxy::MoveList_A() const { return property(id::MoveList_A).toString(); }
QString BoardProxy::MoveList_P() const { return property(id::MoveList_P).toString(); }
QString BoardProxy::MoveList_L() const { return property(id::MoveList_L).toString(); }

QString BoardProxy::WhitePlayer() const { return property(id::WhitePlayer).toString(); }
void BoardProxy::setWhitePlayer(const QString &name) { setProperty(id::WhitePlayer, name); }
QString BoardProxy::BlackPlayer() const { return property(id::BlackPlayer).toString(); }
void BoardProxy::setBlackPlayer(const QString &name) { setProperty(id::BlackPlayer, name); }
bool BoardProxy::GameChanged() const { return property(id::GameChanged).toInt() != 0; }
void BoardProxy::setGameChanged(bool changed) { setProperty(id::GameChanged, QVariant::fromValue<qint16>(changed ? -1 : 0)); }
void BoardProxy::setGameResult(const QString &result) { setProperty(id::GameResult, result); }
QString BoardProxy::ColorView() const { return property(id::ColorView).toString(); }
void BoardProxy::setColorView(const QString &view) { setProperty(id::ColorView, view); }
QString BoardProxy::PromotionPiece() const { return property(id::PromotionPiece).toString(); }
void BoardProxy::setPromotionPiece(const QString &piece) { setProperty(id::PromotionPiece, piece); }
quint32 BoardProxy::LightSquareColor() const { return property(id::LightSquareColor).toUInt(); }
void BoardProxy::setLightSquareColor(quint32 color) { setProperty(id::LightSquareColor, QVariant::fromValue(color)); }
quint32 BoardProxy::DarkSquareColor() const { return property(id::DarkSquareColor).toUInt(); }
void BoardProxy::setDarkSquareColor(quint32 color) { setProperty(id::DarkSquareColor, QVariant::fromValue(color)); }

} // namespace platform
