// The control's methods by dispatch identifier. Arguments come by reference; only
// ReadAnnotation writes one back.
#include "control_tables.h"

#include "board_panel.h"
#include "dispatch_ids.h"
#include "value_conversions.h"

namespace tolvar {
namespace {

using C = TolvarControl;
using V = QVariant;
using namespace convert;

// A procedure of the engine without arguments or result.
template <auto Procedure>
V engineProcedure(C &control, QVariantList &)
{
    (control.engine().*Procedure)();
    return {};
}

// A drawing procedure of the control itself.
template <auto Procedure>
V controlProcedure(C &control, QVariantList &)
{
    (control.*Procedure)();
    return {};
}

} // namespace

#define TOLVAR_ENGINE_PROCEDURE(id, name) {id, #name, 0, &engineProcedure<&GameEngine::name>}
#define TOLVAR_CONTROL_PROCEDURE(id, name) {id, #name, 0, &controlProcedure<&TolvarControl::name>}

std::span<const ControlMethods::Entry> ControlMethods::table()
{
    static const Entry entries[] = {
        // Procedures without arguments, numbered in this order from 0x60030025.
        TOLVAR_ENGINE_PROCEDURE(0x60030025, UpdateGameStatus),
        TOLVAR_ENGINE_PROCEDURE(0x60030026, BChecksWAgain),
        TOLVAR_ENGINE_PROCEDURE(0x60030027, Bishop),
        TOLVAR_ENGINE_PROCEDURE(0x60030028, BKingNextToKing),
        TOLVAR_ENGINE_PROCEDURE(0x60030029, BlackBlocksCheck),
        TOLVAR_ENGINE_PROCEDURE(0x6003002A, BlackChecksWhite),
        TOLVAR_ENGINE_PROCEDURE(0x6003002B, CForCBCastlesKS),
        TOLVAR_ENGINE_PROCEDURE(0x6003002C, CForCBCastlesQS),
        TOLVAR_ENGINE_PROCEDURE(0x6003002D, CForCBishop),
        TOLVAR_ENGINE_PROCEDURE(0x6003002E, CForCKing),
        TOLVAR_ENGINE_PROCEDURE(0x6003002F, CForCKnight),
        TOLVAR_ENGINE_PROCEDURE(0x60030030, CForCpawn),
        TOLVAR_ENGINE_PROCEDURE(0x60030031, CForCQueen),
        TOLVAR_ENGINE_PROCEDURE(0x60030032, CForCRook),
        TOLVAR_ENGINE_PROCEDURE(0x60030033, CForCWCastlesKS),
        TOLVAR_ENGINE_PROCEDURE(0x60030034, CForCWCastlesQS),
        TOLVAR_ENGINE_PROCEDURE(0x60030035, CheckForCheck),
        TOLVAR_ENGINE_PROCEDURE(0x60030036, CheckForMate),
        TOLVAR_ENGINE_PROCEDURE(0x60030037, CheckKingNextToKing),
        TOLVAR_ENGINE_PROCEDURE(0x60030038, CheckLegalMove),
        TOLVAR_ENGINE_PROCEDURE(0x60030039, FindHashTableIndex),
        TOLVAR_ENGINE_PROCEDURE(0x6003003A, FindSFXDesignator),
        TOLVAR_ENGINE_PROCEDURE(0x6003003B, Hashtable),
        TOLVAR_ENGINE_PROCEDURE(0x6003003C, King),
        TOLVAR_ENGINE_PROCEDURE(0x6003003D, Knight),
        TOLVAR_ENGINE_PROCEDURE(0x6003003E, Pawn),
        TOLVAR_ENGINE_PROCEDURE(0x6003003F, PGNForwardHT),
        TOLVAR_ENGINE_PROCEDURE(0x60030040, Queen),
        TOLVAR_ENGINE_PROCEDURE(0x60030041, Rook),
        TOLVAR_ENGINE_PROCEDURE(0x60030042, WChecksBAgain),
        TOLVAR_ENGINE_PROCEDURE(0x60030043, WhiteBlocksCheck),
        TOLVAR_ENGINE_PROCEDURE(0x60030044, WhiteChecksBlack),
        TOLVAR_ENGINE_PROCEDURE(0x60030045, WKingNextToKing),
        TOLVAR_ENGINE_PROCEDURE(0x60030046, UpdateCastleOption),
        TOLVAR_ENGINE_PROCEDURE(0x60030047, CheckOtherBishop),
        TOLVAR_ENGINE_PROCEDURE(0x60030048, CheckOtherKnight),
        TOLVAR_ENGINE_PROCEDURE(0x60030049, CheckOtherPiece),
        TOLVAR_ENGINE_PROCEDURE(0x6003004A, CheckOtherQueen),
        TOLVAR_ENGINE_PROCEDURE(0x6003004B, CheckOtherRook),
        TOLVAR_ENGINE_PROCEDURE(0x6003004C, ConvertMoveToAnnotation),
        TOLVAR_ENGINE_PROCEDURE(0x6003004D, DetermineIfCaptureMade),
        TOLVAR_ENGINE_PROCEDURE(0x6003004E, DoPGNMove),
        TOLVAR_ENGINE_PROCEDURE(0x6003004F, ForwardOneMove),
        TOLVAR_ENGINE_PROCEDURE(0x60030050, Len2Move),
        TOLVAR_ENGINE_PROCEDURE(0x60030051, Len3Move),
        TOLVAR_ENGINE_PROCEDURE(0x60030052, Len3MovePawn),
        TOLVAR_ENGINE_PROCEDURE(0x60030053, Len4Move),
        TOLVAR_ENGINE_PROCEDURE(0x60030054, PGNBCastlesKSide),
        TOLVAR_ENGINE_PROCEDURE(0x60030055, PGNBCastlesQSide),
        TOLVAR_ENGINE_PROCEDURE(0x60030056, PGNCastle),
        TOLVAR_ENGINE_PROCEDURE(0x60030057, PGNError),
        TOLVAR_ENGINE_PROCEDURE(0x60030058, PGNPromotePiece),
        TOLVAR_ENGINE_PROCEDURE(0x60030059, PGNWCastlesKSide),
        TOLVAR_ENGINE_PROCEDURE(0x6003005A, PGNWCastlesQSide),
        TOLVAR_ENGINE_PROCEDURE(0x6003005B, PromotePiece),
        TOLVAR_ENGINE_PROCEDURE(0x6003005C, SetupNewGame),
        TOLVAR_ENGINE_PROCEDURE(0x6003005D, StripMovesFromList),
        TOLVAR_ENGINE_PROCEDURE(0x6003005E, WriteMoveToMoveText),
        TOLVAR_ENGINE_PROCEDURE(0x6003005F, ReadForsyth),
        TOLVAR_ENGINE_PROCEDURE(0x60030060, WriteForsyth),
        TOLVAR_CONTROL_PROCEDURE(0x60030061, ViewBlack),
        TOLVAR_CONTROL_PROCEDURE(0x60030062, ViewWhite),

        TOLVAR_ENGINE_PROCEDURE(0x60030066, ParagraphMoveList),
        TOLVAR_ENGINE_PROCEDURE(dispid::GameReset, GameReset),
        TOLVAR_ENGINE_PROCEDURE(dispid::MoveFirst, MoveFirst),
        TOLVAR_ENGINE_PROCEDURE(dispid::MoveNext, MoveNext),
        TOLVAR_ENGINE_PROCEDURE(dispid::MoveLast, MoveLast),
        TOLVAR_ENGINE_PROCEDURE(dispid::MovePrevious, MovePrevious),
        {dispid::LoadGame, "LoadGame", 1,
         [](C &c, QVariantList &a) -> V {
             c.engine().LoadGame(stdText(a[0]));
             return {};
         }},
        TOLVAR_ENGINE_PROCEDURE(0x6003006D, ReadGame),
        TOLVAR_ENGINE_PROCEDURE(0x6003006E, GoForwardOneMove),
        {dispid::LoadFEN, "LoadFEN", 1,
         [](C &c, QVariantList &a) -> V {
             c.engine().LoadFEN(stdText(a[0]));
             return {};
         }},
        TOLVAR_CONTROL_PROCEDURE(0x60030070, SetDarkSquareColor),
        TOLVAR_CONTROL_PROCEDURE(0x60030071, SetLightSquareColor),
        {dispid::LoadSetup, "LoadSetup", 2,
         [](C &c, QVariantList &a) -> V {
             c.engine().LoadSetup(stdText(a[0]), stdText(a[1]));
             return {};
         }},
        TOLVAR_CONTROL_PROCEDURE(0x60030073, SetMyValues),
        TOLVAR_CONTROL_PROCEDURE(0x60030074, SetCoordinates),
        TOLVAR_CONTROL_PROCEDURE(0x60030075, SetNameLabels),
        TOLVAR_CONTROL_PROCEDURE(0x60030076, SetBorderStyle),
        TOLVAR_CONTROL_PROCEDURE(0x60030077, SetBackColor),
        {dispid::LoadMove, "LoadMove", 1,
         [](C &c, QVariantList &a) -> V {
             c.engine().LoadMove(stdText(a[0]));
             return {};
         }},
        {dispid::NavigatePly, "NavigatePly", 1,
         [](C &c, QVariantList &a) -> V {
             c.engine().NavigatePly(int16(a[0]));
             return {};
         }},
        TOLVAR_CONTROL_PROCEDURE(dispid::Refresh, Refresh),
        TOLVAR_CONTROL_PROCEDURE(0x6003007D, DoInitialSetup),
        {dispid::WriteAnnotation, "WriteAnnotation", 1,
         [](C &c, QVariantList &a) -> V {
             c.engine().WriteAnnotation(stdText(a[0]));
             return QString();
         }},
        {dispid::ReadAnnotation, "ReadAnnotation", 1,
         [](C &c, QVariantList &a) -> V {
             std::string annotation;
             c.engine().ReadAnnotation(annotation);
             a[0] = text(annotation);
             return QString();
         }},
        TOLVAR_ENGINE_PROCEDURE(0x60030080, AnnotationMoveList),
        TOLVAR_ENGINE_PROCEDURE(0x60030081, ListMoveList),
        TOLVAR_ENGINE_PROCEDURE(0x60030082, GetForsythChar),
        {dispid::DoReturnForsyth, "DoReturnForsyth", 1,
         [](C &c, QVariantList &a) -> V {
             c.engine().DoReturnForsyth(int16(a[0]));
             return int16Value(0);
         }},
        {dispid::DoReturnMove, "DoReturnMove", 1,
         [](C &c, QVariantList &a) -> V {
             c.engine().DoReturnMove(int16(a[0]));
             return int16Value(0);
         }},
        TOLVAR_ENGINE_PROCEDURE(0x60030085, EvaluatePositionForCheck),

        // Procedures that have no identifier of their own, numbered from 0x60030100.
        TOLVAR_ENGINE_PROCEDURE(0x60030100, BuildSquares),
        TOLVAR_ENGINE_PROCEDURE(0x60030101, PlaceStartingPieces),
        {0x60030102, "ShowPiece", 2,
         [](C &c, QVariantList &a) -> V {
             const int index = a[0].toInt();
             if (index >= 1 && index <= 64)
                 c.engine().ShowPiece(index, PieceCode::fromText(stdText(a[1])));
             return {};
         }},
        {0x60030103, "ClearSquare", 1,
         [](C &c, QVariantList &a) -> V {
             const int index = a[0].toInt();
             if (index >= 1 && index <= 64)
                 c.engine().ClearSquare(index);
             return {};
         }},
        {0x60030104, "TransferPiece", 2,
         [](C &c, QVariantList &a) -> V {
             const int from = a[0].toInt();
             const int to = a[1].toInt();
             if (from >= 1 && from <= 64 && to >= 1 && to <= 64)
                 c.engine().TransferPiece(from, to);
             return {};
         }},
    };
    return entries;
}

#undef TOLVAR_ENGINE_PROCEDURE
#undef TOLVAR_CONTROL_PROCEDURE

const ControlMethods::Entry *ControlMethods::find(platform::DispId id)
{
    for (const Entry &entry : table()) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

std::optional<QVariant> TolvarControl::invoke(platform::DispId id, QVariantList &arguments)
{
    const auto *entry = ControlMethods::find(id);
    if (!entry || arguments.size() != entry->argumentCount)
        return std::nullopt;
    const QVariant result = entry->call(*this, arguments);
    m_panel->syncCells();
    return result;
}

} // namespace tolvar
