#pragma once

#include <QString>
#include <QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
class QListWidget;
class QPlainTextEdit;
QT_END_NAMESPACE

// The help viewer: the help file pvshelp.txt from the program's folder beside a fixed
// list of topics; choosing a topic selects its heading in the text.
class FrmHelp final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmHelp)
public:
    // Reads the help file at once; when it cannot be read, says so in a message box
    // and stays empty.
    explicit FrmHelp(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void loadHelpFile();
    void List1_Click();

    QLabel *m_label1 = nullptr;
    QListWidget *m_list1 = nullptr;
    QPlainTextEdit *m_text1 = nullptr;
    QString m_text;
};
