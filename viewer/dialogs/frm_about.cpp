#include "frm_about.h"

#include "platform/desktop.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *namedLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// A chess piece glyph of the desktop's font on a square of the given colours.
QPixmap pieceTile(QChar glyph, const QColor &square, const QColor &piece, int size, qreal ratio)
{
    QPixmap tile(QSize(size, size) * ratio);
    tile.setDevicePixelRatio(ratio);
    tile.fill(square);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size * 4 / 5);
    painter.setFont(font);
    painter.setPen(piece);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString(glyph));
    return tile;
}

} // namespace

FrmAbout::FrmAbout(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Ludrin Basics PGN Viewer"));

    const qreal ratio = devicePixelRatioF();
    auto *picture1 = namedLabel("Picture1", QString(), this);
    picture1->setPixmap(pieceTile(QChar(0x265E), QColor(0xC0, 0xC0, 0xC0), Qt::black, 56, ratio));
    auto *picture2 = namedLabel("Picture2", QString(), this);
    picture2->setPixmap(pieceTile(QChar(0x2654), Qt::white, Qt::black, 56, ratio));
    picture2->setFrameShape(QFrame::Box);
    picture1->setFrameShape(QFrame::Box);

    QFont titleFont = font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    auto *lblName = namedLabel("lblName", QStringLiteral("Ludrin"), this);
    auto *lblBasics = namedLabel("lblBasics", QStringLiteral("Basics"), this);
    lblName->setFont(titleFont);
    lblBasics->setFont(titleFont);
    QFont subtitleFont = font();
    subtitleFont.setPointSizeF(subtitleFont.pointSizeF() * 1.3);
    auto *lblProduct = namedLabel("lblProduct", QStringLiteral("PGN Viewer"), this);
    lblProduct->setFont(subtitleFont);
    auto *lblPlatform = namedLabel("lblPlatform", QStringLiteral("Win95/98"), this);
    auto *lblVersion =
        namedLabel("lblVersion", QStringLiteral("Version: ") + platform::desktop().programVersion(), this);
    auto *lblNotice = namedLabel(
        "lblNotice",
        QStringLiteral("Reads, shows and edits chess games kept in PGN files. This program is provided "
                       "as it is, without warranty of any kind; keep copies of the game files you "
                       "value before you save over them."),
        this);
    lblNotice->setWordWrap(true);
    lblNotice->setFrameShape(QFrame::StyledPanel);
    lblNotice->setMargin(6);

    auto *cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QWidget::close);

    auto *names = new QVBoxLayout;
    auto *title = new QHBoxLayout;
    title->addWidget(lblName);
    title->addWidget(lblBasics);
    title->addStretch();
    names->addLayout(title);
    names->addWidget(lblProduct);
    names->addWidget(lblPlatform);
    names->addSpacing(6);
    names->addWidget(lblVersion);
    names->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(picture1, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(names, 1);
    top->addWidget(picture2, 0, Qt::AlignTop);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblNotice);
    layout->addLayout(buttons);
    setFixedWidth(420);
}
