#include "board_proxy.h"

namespace {

QVariant boolValue(bool value)
{
    return QVariant::fromValue<qint16>(value ? -1 : 0);
}

} // namespace

BoardProxy::BoardProxy(QWidget *parent, const platform::PropertyBag *bag)
    : QObject(parent), m_board(platform::createComponent(BoardClassId, parent, this, bag))
{
}

BoardProxy::~BoardProxy()
{
    if (m_board)
        m_board.dispatch->connectEvents(nullptr);
}

void BoardProxy::componentEvent(platform::DispId eventId)
{
    Q_EMIT boardEvent(eventId);
}

// Without a board every read gives an empty value and every call does nothing, so the
// window stays usable (and shows why) when the plugin is missing.
QVariant BoardProxy::get(qint32 dispId) const
{
    return m_board ? m_board.dispatch->getProperty(dispId).value_or(QVariant()) : QVariant();
}

void BoardProxy::put(qint32 dispId, const QVariant &value)
{
    if (m_board)
        m_board.dispatch->putProperty(dispId, value);
}

QVariant BoardProxy::call(qint32 dispId, QVariantList args)
{
    return callWith(dispId, args);
}

QVariant BoardProxy::callWith(qint32 dispId, QVariantList &args)
{
    return m_board ? m_board.dispatch->invoke(dispId, args).value_or(QVariant()) : QVariant();
}

qint16 BoardProxy::ply() const { return qint16(get(BoardDispId::Ply).toInt()); }
qint16 BoardProxy::gameLength() const { return qint16(get(BoardDispId::GameLength).toInt()); }
qint16 BoardProxy::moveNumber() const { return qint16(get(BoardDispId::MoveNumber).toInt()); }
qint16 BoardProxy::moveNumberMove() const { return qint16(get(BoardDispId::MoveNumber_Move).toInt()); }
qint16 BoardProxy::pmCapture() const { return qint16(get(BoardDispId::PMCapture).toInt()); }
QString BoardProxy::epSquare() const { return get(BoardDispId::EP_Square).toString(); }
QString BoardProxy::moveText() const { return get(BoardDispId::MoveText).toString(); }
QString BoardProxy::castleOption() const { return get(BoardDispId::CastleOption).toString(); }
QString BoardProxy::onMove() const { return get(BoardDispId::OnMove).toString(); }
QString BoardProxy::moveListA() const { return get(BoardDispId::MoveList_A).toString(); }
QString BoardProxy::moveListP() const { return get(BoardDispId::MoveList_P).toString(); }
QString BoardProxy::moveListL() const { return get(BoardDispId::MoveList_L).toString(); }

QString BoardProxy::forsythOfPly(qint16 ply)
{
    call(BoardDispId::DoReturnForsyth, {QVariant::fromValue(ply)});
    return get(BoardDispId::ReturnForsyth).toString();
}

bool BoardProxy::gameChanged() const { return get(BoardDispId::GameChanged).toBool(); }
void BoardProxy::setGameChanged(bool changed) { put(BoardDispId::GameChanged, boolValue(changed)); }
void BoardProxy::setGameResult(const QString &result) { put(BoardDispId::GameResult, result); }
QString BoardProxy::whitePlayer() const { return get(BoardDispId::WhitePlayer).toString(); }
void BoardProxy::setWhitePlayer(const QString &name) { put(BoardDispId::WhitePlayer, name); }
QString BoardProxy::blackPlayer() const { return get(BoardDispId::BlackPlayer).toString(); }
void BoardProxy::setBlackPlayer(const QString &name) { put(BoardDispId::BlackPlayer, name); }
QString BoardProxy::colorView() const { return get(BoardDispId::ColorView).toString(); }
void BoardProxy::setColorView(const QString &view) { put(BoardDispId::ColorView, view); }
QString BoardProxy::promotionPiece() const { return get(BoardDispId::PromotionPiece).toString(); }
void BoardProxy::setPromotionPiece(const QString &piece) { put(BoardDispId::PromotionPiece, piece); }

qint32 BoardProxy::lightSquareColor() const
{
    return qint32(get(BoardDispId::LightSquareColor).toLongLong());
}

void BoardProxy::setLightSquareColor(qint32 color)
{
    put(BoardDispId::LightSquareColor, QVariant::fromValue(quint32(color)));
}

qint32 BoardProxy::darkSquareColor() const
{
    return qint32(get(BoardDispId::DarkSquareColor).toLongLong());
}

void BoardProxy::setDarkSquareColor(qint32 color)
{
    put(BoardDispId::DarkSquareColor, QVariant::fromValue(quint32(color)));
}

void BoardProxy::gameReset() { call(BoardDispId::GameReset); }
void BoardProxy::moveFirst() { call(BoardDispId::MoveFirst); }
void BoardProxy::movePrevious() { call(BoardDispId::MovePrevious); }
void BoardProxy::moveNext() { call(BoardDispId::MoveNext); }
void BoardProxy::moveLast() { call(BoardDispId::MoveLast); }
void BoardProxy::navigatePly(qint16 ply) { call(BoardDispId::NavigatePly, {QVariant::fromValue(ply)}); }
void BoardProxy::loadGame(const QString &moveList) { call(BoardDispId::LoadGame, {moveList}); }

void BoardProxy::loadSetup(const QString &fen, const QString &moveList)
{
    call(BoardDispId::LoadSetup, {fen, moveList});
}

void BoardProxy::loadFEN(const QString &fen) { call(BoardDispId::LoadFEN, {fen}); }

QString BoardProxy::readAnnotation()
{
    QVariantList args{QString()};
    callWith(BoardDispId::ReadAnnotation, args);
    return args.value(0).toString();
}

void BoardProxy::writeAnnotation(const QString &annotation)
{
    call(BoardDispId::WriteAnnotation, {annotation});
}

void BoardProxy::refresh() { call(BoardDispId::Refresh); }
