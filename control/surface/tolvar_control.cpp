#include "tolvar_control.h"

#include "board_panel.h"
#include "dispatch_ids.h"
#include "platform/system_colors.h"
#include "platform/units.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tolvar {
namespace {

using platform::twipsToPixels;

constexpr QSize ControlSize(twipsToPixels(4500), twipsToPixels(5160));
constexpr int NameLabelLeft = 2085;
constexpr int NameLabelWidth = 525;
constexpr int BottomNameTop = 4860;
constexpr int TopNameTop = 120;
constexpr std::array<int, 8> FileLabelLefts = {570, 1065, 1515, 2010, 2505, 2985, 3450, 3915};
constexpr int FileLabelTop = 4500;
constexpr int RankLabelLeft = 120;
constexpr std::array<int, 8> RankLabelTops = {3990, 3510, 3030, 2550, 2070, 1590, 1110, 630};
constexpr quint32 WindowTextColor = 0x80000008;
// The forms' 9.75-point "MS Sans Serif" becomes the desktop's default sans at that size.
constexpr qreal LabelPointSize = 9.75;

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption, int left, int top,
                  Qt::Alignment alignment, bool bold)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setAlignment(alignment);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = label->font();
    font.setPointSizeF(LabelPointSize);
    font.setBold(bold);
    label->setFont(font);
    label->move(twipsToPixels(left), twipsToPixels(top));
    label->adjustSize();
    return label;
}

void setCaption(QLabel *label, const QString &caption)
{
    label->setText(caption);
    label->adjustSize();
}

// A name label grows with its text about the middle of its place (2085 + 525 / 2 twips,
// the middle of the board), and never past the control's edges.
void setNameCaption(QLabel *label, const QString &caption)
{
    setCaption(label, caption);
    const int middle = twipsToPixels(NameLabelLeft + NameLabelWidth / 2);
    const int left = std::clamp(middle - label->width() / 2, 0, std::max(0, ControlSize.width() - label->width()));
    label->move(left, label->y());
}

void moveTop(QLabel *label, int topTwips)
{
    label->move(label->x(), twipsToPixels(topTwips));
}

} // namespace

TolvarControl::TolvarControl(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Tolvar"));
    resize(ControlSize);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_panel = new BoardPanel(m_engine, this);
    createLabels();
    m_engine.setEventHandler([this](EngineEvent event) { engineEvent(event); });
}

TolvarControl::~TolvarControl()
{
    m_engine.setEventHandler({});
}

QSize TolvarControl::sizeHint() const
{
    return ControlSize;
}

void TolvarControl::createLabels()
{
    m_lblWhitePlayer = makeLabel(this, QStringLiteral("lblWhitePlayer"), QString(), NameLabelLeft,
                                 BottomNameTop, Qt::AlignCenter, false);
    m_lblBlackPlayer = makeLabel(this, QStringLiteral("lblBlackPlayer"), QString(), NameLabelLeft,
                                 TopNameTop, Qt::AlignCenter, false);
    setNameCaptions(m_fields.whitePlayer, m_fields.blackPlayer);
    QPalette coordinates = palette();
    coordinates.setColor(QPalette::WindowText, platform::toQColor(WindowTextColor, coordinates));
    for (int i = 0; i < 8; ++i) {
        const QString file(QChar(u'a' + i));
        const QString rank = QString::number(i + 1);
        m_fileLabels[size_t(i)] = makeLabel(this, QStringLiteral("lbl") + file, file, FileLabelLefts[size_t(i)],
                                            FileLabelTop, Qt::AlignCenter, true);
        m_rankLabels[size_t(i)] = makeLabel(this, QStringLiteral("lbl") + rank, rank, RankLabelLeft,
                                            RankLabelTops[size_t(i)], Qt::AlignRight | Qt::AlignVCenter, true);
        m_fileLabels[size_t(i)]->setPalette(coordinates);
        m_rankLabels[size_t(i)]->setPalette(coordinates);
    }
}

void TolvarControl::engineEvent(EngineEvent event)
{
    // A new game puts the default names on the labels without touching the properties.
    if (event == EngineEvent::GameInitialize)
        setNameCaptions(QStringLiteral("White"), QStringLiteral("Black"));
    m_panel->syncCells();
    raise(int(event));
}

void TolvarControl::raise(int eventId)
{
    if (m_sink)
        m_sink->componentEvent(eventId);
}

void TolvarControl::announce(const QString &propertyName)
{
    if (m_sink)
        m_sink->propertyChanged(propertyName);
}

void TolvarControl::setNameCaptions(const QString &white, const QString &black)
{
    setNameCaption(m_lblWhitePlayer, white);
    setNameCaption(m_lblBlackPlayer, black);
}

void TolvarControl::DoInitialSetup()
{
    m_engine.BuildSquares();
    m_engine.PlaceStartingPieces();
    m_engine.SetupNewGame();
    putProperty(dispid::ColorView, QStringLiteral("W"));
    putProperty(dispid::WhitePlayer, QStringLiteral("White"));
    putProperty(dispid::BlackPlayer, QStringLiteral("Black"));
    m_panel->syncCells();
}

bool TolvarControl::whiteAtBottom() const
{
    return m_rankLabels[0]->text() == QStringLiteral("1") && m_fileLabels[0]->text() == QStringLiteral("a");
}

bool TolvarControl::blackAtBottom() const
{
    return m_rankLabels[0]->text() == QStringLiteral("8") && m_fileLabels[0]->text() == QStringLiteral("h");
}

void TolvarControl::swapCellPlaces()
{
    std::array<std::pair<std::int32_t, std::int32_t>, 65> places{};
    for (int index = 1; index <= 64; ++index)
        places[size_t(index)] = {m_engine.picBoard[size_t(index)].Left, m_engine.picBoard[size_t(index)].Top};
    for (int index = 64; index >= 1; --index) {
        SquareCell &cell = m_engine.picBoard[size_t(index)];
        std::tie(cell.Left, cell.Top) = places[size_t(65 - index)];
    }
    m_panel->syncCells();
}

void TolvarControl::ViewBlack()
{
    if (blackAtBottom())
        return;
    swapCellPlaces();
    for (int i = 0; i < 8; ++i) {
        setCaption(m_rankLabels[size_t(i)], QString::number(8 - i));
        setCaption(m_fileLabels[size_t(i)], QString(QChar(u'h' - i)));
    }
    moveTop(m_lblWhitePlayer, TopNameTop);
    moveTop(m_lblBlackPlayer, BottomNameTop);
}

void TolvarControl::ViewWhite()
{
    if (whiteAtBottom())
        return;
    swapCellPlaces();
    for (int i = 0; i < 8; ++i) {
        setCaption(m_rankLabels[size_t(i)], QString::number(i + 1));
        setCaption(m_fileLabels[size_t(i)], QString(QChar(u'a' + i)));
    }
    moveTop(m_lblWhitePlayer, BottomNameTop);
    moveTop(m_lblBlackPlayer, TopNameTop);
}

void TolvarControl::SetCoordinates()
{
    if (m_fields.displayCoordinates != platform::VbTrue && m_fields.displayCoordinates != platform::VbFalse)
        return;
    const bool visible = m_fields.displayCoordinates == platform::VbTrue;
    for (int i = 0; i < 8; ++i) {
        m_fileLabels[size_t(i)]->setVisible(visible);
        m_rankLabels[size_t(i)]->setVisible(visible);
    }
}

void TolvarControl::SetNameLabels()
{
    if (m_fields.displayNameLabels != platform::VbTrue && m_fields.displayNameLabels != platform::VbFalse)
        return;
    const bool visible = m_fields.displayNameLabels == platform::VbTrue;
    m_lblWhitePlayer->setVisible(visible);
    m_lblBlackPlayer->setVisible(visible);
    setNameCaptions(m_fields.whitePlayer, m_fields.blackPlayer);
}

void TolvarControl::paintSquares(bool light, quint32 color)
{
    for (int index = 1; index <= 64; ++index) {
        if (isLightCell(index) == light)
            m_engine.picBoard[size_t(index)].BackColor = color;
    }
    m_panel->syncCells();
}

void TolvarControl::SetLightSquareColor()
{
    paintSquares(true, m_fields.lightSquareColor);
}

void TolvarControl::SetDarkSquareColor()
{
    paintSquares(false, m_fields.darkSquareColor);
}

void TolvarControl::SetBorderStyle()
{
    const quint32 background = m_surface.backColor;
    if (m_fields.borderStyle != 0 && m_fields.borderStyle != 1)
        return;
    m_surface.borderStyle = m_fields.borderStyle;
    m_surface.backColor = background;
    update();
}

void TolvarControl::SetBackColor()
{
    update();
}

void TolvarControl::SetMyValues()
{
    putProperty(dispid::ColorView, m_fields.colorView);
    putProperty(dispid::WhitePlayer, m_fields.whitePlayer);
    putProperty(dispid::BlackPlayer, m_fields.blackPlayer);
    putProperty(dispid::DarkSquareColor, m_fields.darkSquareColor);
    putProperty(dispid::LightSquareColor, m_fields.lightSquareColor);
    putProperty(dispid::DisplayNameLabels, m_fields.displayNameLabels);
    putProperty(dispid::DisplayCoordinates, m_fields.displayCoordinates);
}

void TolvarControl::Refresh()
{
    m_panel->syncCells();
    repaint();
}

void TolvarControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), platform::toQColor(m_surface.backColor, palette()));
    if (m_surface.borderStyle == 1) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TolvarControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        raise(int(EngineEvent::Click));
}

void TolvarControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        raise(int(EngineEvent::DblClick));
}

} // namespace tolvar
