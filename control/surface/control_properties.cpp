// The control's properties by dispatch identifier, the property-change announcements,
// and the property bag with the two life cycles (new instance, loaded from a bag).
#include "control_tables.h"

#include "board_panel.h"
#include "dispatch_ids.h"
#include "platform/property_bag.h"
#include "value_conversions.h"

#include <QLabel>

namespace tolvar {

using namespace convert;

std::span<const ControlProperties::Entry> ControlProperties::table()
{
    using C = TolvarControl;
    using V = QVariant;
    static const Entry entries[] = {
        {dispid::MoveNumber_Move, "MoveNumber_Move",
         [](C &c) -> V { return int16Value(c.m_engine.MoveNumber_Move()); },
         [](C &c, const V &v) { c.m_fields.moveNumberMove = int16(v); }, nullptr,
         [](C &c) -> V { return int16Value(c.m_fields.moveNumberMove); }},
        {dispid::ReturnMove, "ReturnMove", [](C &c) -> V { return text(c.m_engine.ReturnMove); },
         [](C &c, const V &v) { c.m_engine.ReturnMove = stdText(v); }},
        {dispid::ReturnForsyth, "ReturnForsyth", [](C &c) -> V { return text(c.m_engine.ReturnForsyth); },
         [](C &c, const V &v) { c.m_engine.ReturnForsyth = stdText(v); }},
        {dispid::GameResult, "GameResult", [](C &c) -> V { return text(c.m_engine.GameResult); },
         [](C &c, const V &v) { c.m_engine.GameResult = stdText(v); }},
        {dispid::GameChanged, "GameChanged", [](C &c) -> V { return vbBool(c.m_engine.GameChanged); },
         [](C &c, const V &v) { c.m_engine.GameChanged = boolOf(v); }},
        {dispid::EP_Square, "EP_Square", [](C &c) -> V { return text(c.m_engine.EP_Square); },
         [](C &c, const V &v) { c.m_engine.EP_Square = stdText(v); }},
        {dispid::MoveList_L, "MoveList_L",
         [](C &c) -> V { return text(c.m_engine.MoveList_L()); },
         [](C &c, const V &v) { c.m_engine.StoredMoveList_L = stdText(v); }, nullptr,
         [](C &c) -> V { return text(c.m_engine.StoredMoveList_L); }},
        {dispid::MoveList_P, "MoveList_P",
         [](C &c) -> V { return text(c.m_engine.MoveList_P()); },
         [](C &c, const V &v) { c.m_engine.StoredMoveList_P = stdText(v); }, nullptr,
         [](C &c) -> V { return text(c.m_engine.StoredMoveList_P); }},
        {dispid::MoveList_A, "MoveList_A",
         [](C &c) -> V { return text(c.m_engine.MoveList_A()); },
         [](C &c, const V &v) { c.m_engine.StoredMoveList_A = stdText(v); }, nullptr,
         [](C &c) -> V { return text(c.m_engine.StoredMoveList_A); }},
        {dispid::GameLength, "GameLength", [](C &c) -> V { return int16Value(c.m_engine.GameLength); },
         [](C &c, const V &v) { c.m_engine.GameLength = int16(v); }},
        {dispid::OnMove, "OnMove", [](C &c) -> V { return letter(c.m_engine.OnMove); },
         [](C &c, const V &v) { c.m_engine.OnMove = letterOf(v); }},
        {dispid::CastleOption, "CastleOption", [](C &c) -> V { return text(c.m_engine.CastleOption); },
         [](C &c, const V &v) { c.m_engine.CastleOption = stdText(v); }},
        {dispid::PMCapture, "PMCapture", [](C &c) -> V { return int16Value(c.m_engine.PMCapture); },
         [](C &c, const V &v) { c.m_engine.PMCapture = int16(v); }},
        {dispid::MoveList, "MoveList", [](C &c) -> V { return text(c.m_engine.MoveList); },
         [](C &c, const V &v) { c.m_engine.MoveList = stdText(v); }},
        {dispid::MoveText, "MoveText", [](C &c) -> V { return text(c.m_engine.MoveText); },
         [](C &c, const V &v) { c.m_engine.MoveText = stdText(v); }},
        {dispid::Forsyth, "Forsyth", [](C &c) -> V { return text(c.m_engine.Forsyth); },
         [](C &c, const V &v) { c.m_engine.Forsyth = stdText(v); }},
        {dispid::Ply, "Ply", [](C &c) -> V { return int16Value(c.m_engine.Ply); },
         [](C &c, const V &v) { c.m_engine.Ply = int16(v); }},
        {dispid::MoveNumber, "MoveNumber", [](C &c) -> V { return int16Value(c.m_engine.MoveNumber); },
         [](C &c, const V &v) { c.m_engine.MoveNumber = int16(v); }},
        {dispid::BlackPlayer, "BlackPlayer", [](C &c) -> V { return c.m_fields.blackPlayer; },
         [](C &c, const V &v) { c.m_fields.blackPlayer = v.toString(); },
         [](C &c) {
             c.setNameCaptions(c.m_lblWhitePlayer->text(), c.m_fields.blackPlayer);
             c.SetNameLabels();
         }},
        {dispid::WhitePlayer, "WhitePlayer", [](C &c) -> V { return c.m_fields.whitePlayer; },
         [](C &c, const V &v) { c.m_fields.whitePlayer = v.toString(); },
         [](C &c) {
             c.setNameCaptions(c.m_fields.whitePlayer, c.m_lblBlackPlayer->text());
             c.SetNameLabels();
         }},
        {dispid::DisplayCoordinates, "DisplayCoordinates",
         [](C &c) -> V { return int16Value(c.m_fields.displayCoordinates); },
         [](C &c, const V &v) { c.m_fields.displayCoordinates = int16(v); }, [](C &c) { c.SetCoordinates(); }},
        {dispid::ForeColor, "ForeColor", [](C &c) -> V { return colorValue(c.m_surface.foreColor); },
         [](C &c, const V &v) { c.m_surface.foreColor = color(v); }},
        {dispid::BackStyle, "BackStyle", [](C &c) -> V { return int16Value(c.m_surface.backStyle); },
         [](C &c, const V &v) { c.m_surface.backStyle = int16(v); }},
        {dispid::AutoRedraw, "AutoRedraw", [](C &c) -> V { return vbBool(c.m_surface.autoRedraw); },
         [](C &c, const V &v) { c.m_surface.autoRedraw = boolOf(v); }},
        {dispid::Appearance, "Appearance", [](C &c) -> V { return int16Value(c.m_surface.appearance); },
         [](C &c, const V &v) { c.m_surface.appearance = int16(v); }},
        {dispid::Enabled, "Enabled", [](C &c) -> V { return vbBool(c.isEnabled()); },
         [](C &c, const V &v) { c.setEnabled(boolOf(v)); }},
        {dispid::BackColor, "BackColor", [](C &c) -> V { return colorValue(c.m_surface.backColor); },
         [](C &c, const V &v) {
             c.m_surface.backColor = color(v);
             c.update();
         }},
        {dispid::BorderStyle, "BorderStyle", [](C &c) -> V { return int16Value(c.m_fields.borderStyle); },
         [](C &c, const V &v) { c.m_fields.borderStyle = int16(v); }, [](C &c) { c.SetBorderStyle(); }},
        {dispid::DisplayNameLabels, "DisplayNameLabels",
         [](C &c) -> V { return int16Value(c.m_fields.displayNameLabels); },
         [](C &c, const V &v) { c.m_fields.displayNameLabels = int16(v); }, [](C &c) { c.SetNameLabels(); }},
        {dispid::LightSquareColor, "LightSquareColor",
         [](C &c) -> V { return colorValue(c.m_fields.lightSquareColor); },
         [](C &c, const V &v) { c.m_fields.lightSquareColor = color(v); }, [](C &c) { c.SetLightSquareColor(); }},
        {dispid::DarkSquareColor, "DarkSquareColor", [](C &c) -> V { return colorValue(c.m_fields.darkSquareColor); },
         [](C &c, const V &v) { c.m_fields.darkSquareColor = color(v); }, [](C &c) { c.SetDarkSquareColor(); }},
        {dispid::ColorView, "ColorView", [](C &c) -> V { return c.m_fields.colorView; },
         [](C &c, const V &v) { c.m_fields.colorView = v.toString(); },
         [](C &c) {
             if (c.m_fields.colorView == QStringLiteral("W"))
                 c.ViewWhite();
             else if (c.m_fields.colorView == QStringLiteral("B"))
                 c.ViewBlack();
         }},
        {dispid::PromotionPiece, "PromotionPiece", [](C &c) -> V { return text(c.m_engine.PromotionPiece); },
         [](C &c, const V &v) { c.m_engine.PromotionPiece = stdText(v); }},
    };
    return entries;
}

const ControlProperties::Entry *ControlProperties::find(platform::DispId id)
{
    for (const Entry &entry : table()) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

const ControlProperties::Entry *ControlProperties::find(const QString &name)
{
    for (const Entry &entry : table()) {
        if (name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

std::optional<QVariant> TolvarControl::getProperty(platform::DispId id)
{
    const auto *entry = ControlProperties::find(id);
    if (!entry)
        return std::nullopt;
    return entry->get(*this);
}

bool TolvarControl::putProperty(platform::DispId id, const QVariant &value)
{
    const auto *entry = ControlProperties::find(id);
    if (!entry)
        return false;
    announce(QLatin1String(entry->name));
    entry->store(*this, value);
    if (entry->effect)
        entry->effect(*this);
    m_panel->syncCells();
    return true;
}

namespace {

// The property bag's keys in the order they are written, with their defaults. Every key
// but "MouseIcon" is the name of a property.
struct BagKey {
    const char *key;
    QVariant defaultValue;
};

const QList<BagKey> &bagKeys()
{
    using namespace convert;
    static const QList<BagKey> keys = {
        {"PromotionPiece", QStringLiteral("Q")},
        {"ColorView", QStringLiteral("W")},
        {"DarkSquareColor", colorValue(0x8000000F)},
        {"LightSquareColor", colorValue(0x80000005)},
        {"DisplayNameLabels", vbBool(true)},
        {"DisplayCoordinates", vbBool(true)},
        {"BorderStyle", int16Value(0)},
        {"BackColor", colorValue(0x8000000F)},
        {"Enabled", vbBool(true)},
        {"Appearance", int16Value(1)},
        {"AutoRedraw", vbBool(false)},
        {"BackStyle", int16Value(1)},
        {"ForeColor", colorValue(0x80000012)},
        {"MouseIcon", QVariant()},
        {"WhitePlayer", QStringLiteral("White")},
        {"BlackPlayer", QStringLiteral("Black")},
        {"MoveNumber", int16Value(1)},
        {"Ply", int16Value(0)},
        {"Forsyth", QString()},
        {"MoveText", QString()},
        {"MoveList", QString()},
        {"PMCapture", int16Value(0)},
        {"CastleOption", QStringLiteral("KQkq")},
        {"OnMove", QStringLiteral("W")},
        {"GameLength", int16Value(0)},
        {"MoveList_A", QString()},
        {"MoveList_P", QString()},
        {"MoveList_L", QString()},
        {"EP_Square", QStringLiteral("-")},
        {"GameChanged", vbBool(false)},
        {"GameResult", int16Value(0)},
        {"ReturnForsyth", QString()},
        {"ReturnMove", QString()},
        {"MoveNumber_Move", int16Value(0)},
    };
    return keys;
}

const QString MouseIconKey = QStringLiteral("MouseIcon");

} // namespace

void TolvarControl::initNew()
{
    m_fields = Fields{};
    m_surface = Surface{};
    setEnabled(true);
    DoInitialSetup();
}

void TolvarControl::load(const platform::PropertyBag &bag)
{
    for (const BagKey &key : bagKeys()) {
        const QString name = QLatin1String(key.key);
        const QVariant value = bag.read(name, key.defaultValue);
        if (name == MouseIconKey)
            m_surface.mouseIcon = value;
        else if (const auto *entry = ControlProperties::find(name))
            entry->store(*this, value);
    }
    m_engine.BuildSquares();
    m_engine.PlaceStartingPieces();
    m_engine.SetupNewGame();
    SetMyValues();
    Refresh();
}

void TolvarControl::save(platform::PropertyBag &bag) const
{
    auto &self = const_cast<TolvarControl &>(*this); // the getters are shared with reads
    for (const BagKey &key : bagKeys()) {
        const QString name = QLatin1String(key.key);
        if (name == MouseIconKey) {
            bag.write(name, m_surface.mouseIcon, key.defaultValue);
            continue;
        }
        const auto *entry = ControlProperties::find(name);
        bag.write(name, entry->stored ? entry->stored(self) : entry->get(self), key.defaultValue);
    }
}

QString TolvarControl::memberName(platform::DispId id) const
{
    if (const auto *entry = ControlProperties::find(id))
        return QLatin1String(entry->name);
    if (const auto *entry = ControlMethods::find(id))
        return QLatin1String(entry->name);
    return QString();
}

} // namespace tolvar
