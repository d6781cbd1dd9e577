#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class EditHost;

QT_BEGIN_NAMESPACE
class QFrame;
class QLineEdit;
class QRadioButton;
class QScrollBar;
QT_END_NAMESPACE

// The Options dialog: move-list style, square colours, promotion piece and auto play.
// The speed takes effect as it is typed or scrolled; the rest on Apply or OK.
class FrmOptions final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmOptions)
public:
    explicit FrmOptions(EditHost &host, QWidget *parent = nullptr);

    // Fills the controls from the settings in force and remembers them.
    void GetInitialValues();
    // Commits the controls' choices to both boards and the globals (Apply and OK).
    void UpdateValues();
    // Puts back the values remembered by GetInitialValues.
    void UndoValues();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void cmdOK_Click();
    void cmdApply_Click();
    void cmdCancel_Click();
    void cmdDefaults_Click();
    void vsAPSpeed_Change(int value);
    void txtAPSpeed_Change(const QString &text);
    void pickColor(QFrame *sample, quint32 &color, quint32 initial);
    void paintSample(QFrame *sample, quint32 color);
    void showSpeed(qint16 speed);
    void setBoardColors(quint32 light, quint32 dark);
    void setPromotionPiece(const QString &letter);

    EditHost &m_host;

    // An option button and the code it stands for.
    struct Choice {
        QRadioButton *button = nullptr;
        QString code;
    };
    using Choices = QList<Choice>;
    static bool select(const Choices &choices, const QString &code);
    static QString selected(const Choices &choices);

    Choices m_styles;     // optL, optP, optA
    Choices m_promotions; // optQ, optR, optB, optK
    Choices m_modes;      // optPS, optPR, optPNP, optPPP
    QFrame *m_picDSC = nullptr;
    QFrame *m_picLSC = nullptr;
    QLineEdit *m_txtAPSpeed = nullptr;
    QScrollBar *m_vsAPSpeed = nullptr;

    // The colours the samples show.
    quint32 m_lightColor = 0xFFFFFF;
    quint32 m_darkColor = 0xC0C0C0;

    // The values found by GetInitialValues; the codes stay empty when the setting
    // held none of the known ones.
    QString m_rememberedPromotion;
    QString m_rememberedMode;
    QString m_rememberedStyle;
    qint16 m_rememberedSpeed = 1;
    quint32 m_rememberedLight = 0xFFFFFF;
    quint32 m_rememberedDark = 0xC0C0C0;
};
