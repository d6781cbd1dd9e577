#include "frm_options.h"
#include "edit_host.h"
#include "speed_text.h"

#include "platform/board_proxy.h"
#include "platform/prompts.h"
#include "platform/system_colors.h"
#include "viewer/database/viewer_state.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr quint32 DefaultLight = 0xFFFFFF; // white
constexpr quint32 DefaultDark = 0xC0C0C0;  // silver

bool isPromotionLetter(const QString &letter)
{
    return letter.size() == 1 && QStringLiteral("QRBN").contains(letter);
}

QGroupBox *group(QWidget *parent, const QString &caption)
{
    auto *box = new QGroupBox(caption, parent);
    new QVBoxLayout(box);
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *result = new QPushButton(caption, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

FrmOptions::FrmOptions(EditHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window), m_host(host)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    GetInitialValues();
}

void FrmOptions::buildControls()
{
    auto choices = [this](QGroupBox *box, std::initializer_list<std::array<const char *, 3>> rows) {
        Choices result;
        for (const auto &[name, caption, code] : rows) {
            auto *option = new QRadioButton(QLatin1String(caption), box);
            option->setObjectName(QLatin1String(name));
            box->layout()->addWidget(option);
            result.append({option, QLatin1String(code)});
        }
        return result;
    };

    QGroupBox *styleBox = group(this, QStringLiteral("Move List Style"));
    m_styles = choices(styleBox, {{"optL", "List", "L"}, {"optP", "Para", "P"}, {"optA", "Anno", "A"}});
    QGroupBox *promotionBox = group(this, QStringLiteral("Promotion Piece"));
    m_promotions = choices(promotionBox, {{"optQ", "Queen", "Q"}, {"optR", "Rook", "R"}, {"optB", "Bishop", "B"},
                                          {"optK", "Knight", "N"}});
    QGroupBox *modeBox = group(this, QStringLiteral("AutoPlay"));
    m_modes = choices(modeBox, {{"optPS", "Play - Stop", "PS"}, {"optPR", "Play - Repeat", "PR"},
                                {"optPNP", "Play - Next - Play", "PNP"}, {"optPPP", "Play - Prev - Play", "PPP"}});

    auto *speedRow = new QHBoxLayout;
    auto *speedLabel = new QLabel(QStringLiteral("Speed:"), modeBox);
    m_txtAPSpeed = new QLineEdit(modeBox);
    m_txtAPSpeed->setObjectName(QStringLiteral("txtAPSpeed"));
    m_txtAPSpeed->setFixedWidth(m_txtAPSpeed->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    speedLabel->setBuddy(m_txtAPSpeed);
    m_vsAPSpeed = new QScrollBar(Qt::Vertical, modeBox);
    m_vsAPSpeed->setObjectName(QStringLiteral("vsAPSpeed"));
    m_vsAPSpeed->setRange(pavisto::MinAutoPlaySpeed, pavisto::MaxAutoPlaySpeed);
    m_vsAPSpeed->setSingleStep(1);
    m_vsAPSpeed->setPageStep(1);
    m_vsAPSpeed->setFixedHeight(m_txtAPSpeed->sizeHint().height() + 8);
    speedRow->addWidget(speedLabel);
    speedRow->addWidget(m_txtAPSpeed);
    speedRow->addWidget(m_vsAPSpeed);
    speedRow->addStretch();
    static_cast<QVBoxLayout *>(modeBox->layout())->addLayout(speedRow);

    QGroupBox *colorBox = group(this, QStringLiteral("Board Square Colors"));
    auto *colorGrid = new QGridLayout;
    auto sample = [colorBox, colorGrid](const char *name, const QString &caption, int row) {
        auto *frame = new QFrame(colorBox);
        frame->setObjectName(QLatin1String(name));
        frame->setFrameShape(QFrame::Box);
        frame->setFixedSize(40, 24);
        frame->setAutoFillBackground(true);
        frame->setCursor(Qt::PointingHandCursor);
        colorGrid->addWidget(new QLabel(caption, colorBox), row, 0);
        colorGrid->addWidget(frame, row, 1);
        return frame;
    };
    m_picDSC = sample("picDSC", QStringLiteral("Dark Square Color:"), 0);
    m_picLSC = sample("picLSC", QStringLiteral("Light Square Color:"), 1);
    m_picDSC->installEventFilter(this);
    m_picLSC->installEventFilter(this);
    static_cast<QVBoxLayout *>(colorBox->layout())->addLayout(colorGrid);

    auto *buttons = new QHBoxLayout;
    QPushButton *ok = button(this, "cmdOK", QStringLiteral("OK"));
    QPushButton *apply = button(this, "cmdApply", QStringLiteral("Apply"));
    QPushButton *cancel = button(this, "cmdCancel", QStringLiteral("Cancel"));
    QPushButton *defaults = button(this, "cmdDefaults", QStringLiteral("Defaults"));
    for (QPushButton *each : {ok, apply, cancel, defaults})
        buttons->addWidget(each);
    connect(ok, &QPushButton::clicked, this, &FrmOptions::cmdOK_Click);
    connect(apply, &QPushButton::clicked, this, &FrmOptions::cmdApply_Click);
    connect(cancel, &QPushButton::clicked, this, &FrmOptions::cmdCancel_Click);
    connect(defaults, &QPushButton::clicked, this, &FrmOptions::cmdDefaults_Click);

    auto *grid = new QGridLayout(this);
    grid->addWidget(styleBox, 0, 0);
    grid->addWidget(colorBox, 0, 1);
    grid->addWidget(promotionBox, 1, 0);
    grid->addWidget(modeBox, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    // The states every new dialog starts with, before the settings are read.
    select(m_styles, QStringLiteral("L"));
    select(m_promotions, QStringLiteral("Q"));
    select(m_modes, QStringLiteral("PNP"));
    m_vsAPSpeed->setValue(1);
    m_txtAPSpeed->setText(QStringLiteral("1"));
    paintSample(m_picLSC, m_lightColor);
    paintSample(m_picDSC, m_darkColor);
    connect(m_vsAPSpeed, &QScrollBar::valueChanged, this, &FrmOptions::vsAPSpeed_Change);
    connect(m_txtAPSpeed, &QLineEdit::textChanged, this, &FrmOptions::txtAPSpeed_Change);
}

bool FrmOptions::select(const Choices &choices, const QString &code)
{
    for (const Choice &choice : choices) {
        if (choice.code == code) {
            choice.button->setChecked(true);
            return true;
        }
    }
    return false;
}

QString FrmOptions::selected(const Choices &choices)
{
    for (const Choice &choice : choices) {
        if (choice.button->isChecked())
            return choice.code;
    }
    return {};
}

void FrmOptions::GetInitialValues()
{
    pavisto::ViewerState &state = m_host.state();
    const QString promotion = m_host.mainBoard().PromotionPiece();
    if (select(m_promotions, promotion))
        m_rememberedPromotion = promotion;
    if (select(m_modes, state.AutoPlayMode))
        m_rememberedMode = state.AutoPlayMode;
    m_rememberedSpeed = state.AutoPlaySpeed;
    showSpeed(m_rememberedSpeed);
    if (select(m_styles, state.MoveListStyle))
        m_rememberedStyle = state.MoveListStyle;
    m_rememberedLight = m_host.mainBoard().LightSquareColor();
    m_rememberedDark = m_host.mainBoard().DarkSquareColor();
    m_lightColor = m_rememberedLight;
    m_darkColor = m_rememberedDark;
    paintSample(m_picLSC, m_lightColor);
    paintSample(m_picDSC, m_darkColor);
}

void FrmOptions::UpdateValues()
{
    pavisto::ViewerState &state = m_host.state();
    state.AutoPlayMode = selected(m_modes);
    state.AutoPlaySpeed = qint16(m_vsAPSpeed->value());
    setBoardColors(m_lightColor, m_darkColor);
    state.MoveListStyle = selected(m_styles);
    m_host.ShowMoveList();
    setPromotionPiece(selected(m_promotions));
}

void FrmOptions::UndoValues()
{
    pavisto::ViewerState &state = m_host.state();
    if (isPromotionLetter(m_rememberedPromotion)) {
        select(m_promotions, m_rememberedPromotion);
        setPromotionPiece(m_rememberedPromotion);
    }
    if (!m_rememberedMode.isEmpty()) {
        select(m_modes, m_rememberedMode);
        state.AutoPlayMode = m_rememberedMode;
    }
    state.AutoPlaySpeed = m_rememberedSpeed;
    showSpeed(m_rememberedSpeed);
    if (!m_rememberedStyle.isEmpty()) {
        select(m_styles, m_rememberedStyle);
        state.MoveListStyle = m_rememberedStyle;
    }
    setBoardColors(m_rememberedLight, m_rememberedDark);
}

// A speed read from a hand-edited startup file may lie outside the scroll bar's range;
// showing it must not refuse it as if it had been typed.
void FrmOptions::showSpeed(qint16 speed)
{
    const QSignalBlocker blockBar(m_vsAPSpeed);
    const QSignalBlocker blockText(m_txtAPSpeed);
    m_vsAPSpeed->setValue(speed);
    m_txtAPSpeed->setText(QString::number(speed));
}

void FrmOptions::setBoardColors(quint32 light, quint32 dark)
{
    for (platform::BoardProxy *board : {&m_host.mainBoard(), m_host.variationBoard()}) {
        if (!board)
            continue;
        board->setLightSquareColor(light);
        board->setDarkSquareColor(dark);
    }
}

void FrmOptions::setPromotionPiece(const QString &letter)
{
    m_host.mainBoard().setPromotionPiece(letter);
    if (platform::BoardProxy *variation = m_host.variationBoard())
        variation->setPromotionPiece(letter);
}

void FrmOptions::cmdApply_Click()
{
    UpdateValues();
    update();
}

void FrmOptions::cmdOK_Click()
{
    cmdApply_Click();
    close();
}

void FrmOptions::cmdCancel_Click()
{
    UndoValues();
    close();
}

void FrmOptions::cmdDefaults_Click()
{
    select(m_modes, QStringLiteral("PNP"));
    select(m_styles, QStringLiteral("L"));
    select(m_promotions, QStringLiteral("Q"));
    m_txtAPSpeed->setText(QStringLiteral("1"));
    m_vsAPSpeed->setValue(1);
    m_host.state().AutoPlaySpeed = 1;
    m_lightColor = DefaultLight;
    m_darkColor = DefaultDark;
    paintSample(m_picLSC, m_lightColor);
    paintSample(m_picDSC, m_darkColor);
}

void FrmOptions::vsAPSpeed_Change(int value)
{
    m_host.state().AutoPlaySpeed = qint16(value);
    m_txtAPSpeed->setText(QString::number(value));
}

void FrmOptions::txtAPSpeed_Change(const QString &text)
{
    if (const std::optional<qint16> speed = pavisto::autoPlaySpeedFromText(text)) {
        m_host.state().AutoPlaySpeed = *speed;
        m_vsAPSpeed->setValue(*speed);
        return;
    }
    platform::messageBox(QStringLiteral("AutoPlay speed must be a number between 1 and 90.\r\n\r\n"
                                        "Please enter another value and try again."),
                         platform::MessageButtons::Ok, platform::MessageIcon::Information,
                         QStringLiteral("Incorrect Entry"));
    m_txtAPSpeed->setText(QStringLiteral("1"));
}

bool FrmOptions::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_picDSC) {
            pickColor(m_picDSC, m_darkColor, m_host.mainBoard().DarkSquareColor());
            return true;
        }
        if (watched == m_picLSC) {
            pickColor(m_picLSC, m_lightColor, m_host.mainBoard().LightSquareColor());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmOptions::pickColor(QFrame *sample, quint32 &color, quint32 initial)
{
    if (const std::optional<quint32> chosen = platform::prompts().color(initial)) {
        color = *chosen;
        paintSample(sample, color);
    }
}

void FrmOptions::paintSample(QFrame *sample, quint32 color)
{
    QPalette palette = sample->palette();
    palette.setColor(QPalette::Window, platform::toQColor(color));
    sample->setPalette(palette);
}
