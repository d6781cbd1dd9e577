#pragma once

#include <QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
class QProgressBar;
QT_END_NAMESPACE

// The progress window of the PGN import: the file's path as caption, a bar of the
// percentage read and the number of games imported so far.
class FrmLoadFile final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmLoadFile)
public:
    explicit FrmLoadFile(QWidget *owner);

    // Shows the window without blocking, captioned with the path.
    void start(const QString &path);
    void setProgress(int count, int percent);
    void finish();

private:
    QProgressBar *m_progressBar1 = nullptr;
    QLabel *m_lblFileCount = nullptr;
};
