#pragma once

#include "control/game/game_engine.h"
#include "platform/dispatch_object.h"

#include <QVariant>
#include <QWidget>

#include <array>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

namespace tolvar {

class BoardPanel;

// The board control "Vostra.Tolvar": the chess board a host places in its windows and
// drives through the dispatch interface. It owns one game engine and draws its cells,
// the coordinate and name labels and the two views; its properties, methods and events
// are reached by dispatch identifier (control_properties.cpp, control_methods.cpp).
class TolvarControl final : public QWidget, public platform::DispatchObject {
    Q_OBJECT
    Q_INTERFACES(platform::DispatchObject)

public:
    explicit TolvarControl(QWidget *parent = nullptr);
    ~TolvarControl() override;

    // DispatchObject
    std::optional<QVariant> getProperty(platform::DispId id) override;
    bool putProperty(platform::DispId id, const QVariant &value) override;
    std::optional<QVariant> invoke(platform::DispId id, QVariantList &arguments) override;
    QString memberName(platform::DispId id) const override;
    void connectEvents(platform::EventSink *sink) override { m_sink = sink; }
    void initNew() override;
    void load(const platform::PropertyBag &bag) override;
    void save(platform::PropertyBag &bag) const override;

    // Drawing procedures of the dispatch interface.
    void DoInitialSetup();
    void ViewWhite();
    void ViewBlack();
    void SetCoordinates();
    void SetNameLabels();
    void SetLightSquareColor();
    void SetDarkSquareColor();
    void SetBorderStyle();
    void SetBackColor();
    void SetMyValues();
    void Refresh();

    GameEngine &engine() { return m_engine; }
    BoardPanel &boardPanel() { return *m_panel; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    friend struct ControlProperties;
    friend struct ControlMethods;

    // The values a host reads and writes that live in the control rather than the engine.
    struct Fields {
        QString colorView = QStringLiteral("W");
        QString whitePlayer = QStringLiteral("White");
        QString blackPlayer = QStringLiteral("Black");
        qint16 displayCoordinates = -1;
        qint16 displayNameLabels = -1;
        quint32 lightSquareColor = 0x80000005;
        quint32 darkSquareColor = 0x8000000F;
        qint16 borderStyle = 0;
        // Written by a host, read only by the property bag.
        qint16 moveNumberMove = 0;
    };
    // The standard properties of the drawing surface, passed through.
    struct Surface {
        quint32 backColor = 0x8000000F;
        quint32 foreColor = 0x80000012;
        qint16 appearance = 1;
        bool autoRedraw = false;
        qint16 backStyle = 1;
        QVariant mouseIcon;
        qint16 borderStyle = 0; // applied by SetBorderStyle
    };

    void createLabels();
    // Forwards an engine event to the host once the cells show what caused it.
    void engineEvent(EngineEvent event);
    void raise(int eventId);
    void announce(const QString &propertyName);
    void setNameCaptions(const QString &white, const QString &black);
    void paintSquares(bool light, quint32 color);
    bool whiteAtBottom() const;
    bool blackAtBottom() const;
    // Puts every cell at the place of its mirror cell (65 - index): half a turn.
    void swapCellPlaces();

    GameEngine m_engine;
    Fields m_fields;
    Surface m_surface;
    platform::EventSink *m_sink = nullptr;
    BoardPanel *m_panel = nullptr;
    QLabel *m_lblWhitePlayer = nullptr;
    QLabel *m_lblBlackPlayer = nullptr;
    std::array<QLabel *, 8> m_rankLabels{}; // lbl1 .. lbl8
    std::array<QLabel *, 8> m_fileLabels{}; // lbla .. lblh
};

} // namespace tolvar
