#pragma once

#include "platform/component.h"
#include "platform/component_registry.h"
#include "platform/dispatch_object.h"
#include "tests/platform/widget_test_app.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QVariant &value, std::ostream *out)
{
    *out << value.typeName() << " " << value.toString().toStdString();
}
QT_END_NAMESPACE

namespace surfacetest {

using platform::DispId;

// Records the control's events ("event 12") and property-change announcements
// ("changed Ply") in the order they arrive. An optional probe runs at each
// announcement, to look at the control before the write does anything.
struct RecordingSink final : platform::EventSink {
    QStringList log;
    std::function<void(const QString &)> onAnnouncement;

    void componentEvent(DispId id) override { log.append(QStringLiteral("event %1").arg(id)); }
    void propertyChanged(const QString &name) override
    {
        log.append(QStringLiteral("changed ") + name);
        if (onAnnouncement)
            onAnnouncement(name);
    }
    QStringList take() { return std::exchange(log, {}); }
};

inline QString event(int id)
{
    return QStringLiteral("event %1").arg(id);
}

inline QString changed(const char *name)
{
    return QStringLiteral("changed ") + QLatin1String(name);
}

// A host window with one board created by class identifier, as the viewer creates it.
class HostedBoard : public testing::Test {
protected:
    static void SetUpTestSuite() { platform::addComponentSearchPath(QStringLiteral(TOLVAR_PLUGIN_DIR)); }

    void SetUp() override
    {
        board = platform::createComponent(QStringLiteral("Vostra.Tolvar"), &host, &sink);
        ASSERT_TRUE(board);
    }

    QVariant get(DispId id) { return board.dispatch->getProperty(id).value_or(QVariant()); }
    bool put(DispId id, const QVariant &value) { return board.dispatch->putProperty(id, value); }
    std::optional<QVariant> call(DispId id, QVariantList arguments = {})
    {
        return board.dispatch->invoke(id, arguments);
    }
    QLabel *label(const char *name) const { return board.widget->findChild<QLabel *>(QLatin1String(name)); }
    QWidget *child(const QString &name) const { return board.widget->findChild<QWidget *>(name); }

    QWidget host;
    RecordingSink sink;
    platform::Component board;
};

// Dispatch identifiers as a host knows them.
namespace id {
constexpr DispId MoveNumber_Move = 0x68030000, ReturnMove = 0x68030001, ReturnForsyth = 0x68030002,
                 GameResult = 0x68030003, GameChanged = 0x68030004, EP_Square = 0x68030005,
                 MoveList_L = 0x68030006, MoveList_P = 0x68030007, MoveList_A = 0x68030008,
                 GameLength = 0x68030009, OnMove = 0x6803000A, CastleOption = 0x6803000B,
                 PMCapture = 0x6803000C, MoveList = 0x6803000D, MoveText = 0x6803000E, Forsyth = 0x6803000F,
                 Ply = 0x68030010, MoveNumber = 0x68030011, BlackPlayer = 0x68030012, WhitePlayer = 0x68030013,
                 DisplayCoordinates = 0x68030014, ForeColor = 0x68030015, BackStyle = 0x68030016,
                 AutoRedraw = 0x68030017, Appearance = 0x68030018, Enabled = 0x68030019, BackColor = 0x6803001A,
                 BorderStyle = 0x6803001B, DisplayNameLabels = 0x6803001C, LightSquareColor = 0x6803001D,
                 DarkSquareColor = 0x6803001E, ColorView = 0x6803001F, PromotionPiece = 0x68030020;
constexpr DispId GameReset = 0x60030067, MoveFirst = 0x60030068, MoveNext = 0x60030069, MoveLast = 0x6003006A,
                 MovePrevious = 0x6003006B, LoadGame = 0x6003006C, LoadFEN = 0x6003006F, LoadSetup = 0x60030072,
                 LoadMove = 0x60030078, NavigatePly = 0x60030079, Refresh = 0x6003007B,
                 WriteAnnotation = 0x6003007E, ReadAnnotation = 0x6003007F, DoReturnForsyth = 0x60030083,
                 DoReturnMove = 0x60030084, ViewBlack = 0x60030061, ViewWhite = 0x60030062,
                 SetMyValues = 0x60030073;
} // namespace id

inline QVariant int16(int value)
{
    return QVariant::fromValue<qint16>(qint16(value));
}

inline QVariant color(quint32 value)
{
    return QVariant::fromValue<quint32>(value);
}

} // namespace surfacetest
