#include "frm_load_file.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

FrmLoadFile::FrmLoadFile(QWidget *owner) : QWidget(owner, Qt::Dialog)
{
    setObjectName(QStringLiteral("frmLoadFile"));
    setWindowTitle(QStringLiteral("Quorva - Loading..."));
    setWindowModality(Qt::NonModal);
    auto *layout = new QVBoxLayout(this);
    m_progressBar1 = new QProgressBar(this);
    m_progressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar1->setRange(0, 100);
    m_lblFileCount = new QLabel(this);
    m_lblFileCount->setObjectName(QStringLiteral("lblFileCount"));
    layout->addWidget(m_progressBar1);
    layout->addWidget(m_lblFileCount);
    resize(360, sizeHint().height());
}

void FrmLoadFile::start(const QString &path)
{
    m_progressBar1->setValue(0);
    m_progressBar1->setVisible(true);
    m_lblFileCount->clear();
    setWindowTitle(path);
    show();
    repaint();
}

void FrmLoadFile::setProgress(int count, int percent)
{
    m_lblFileCount->setText(QString::number(count) + QStringLiteral(" Games Imported"));
    // The import holds the event loop: paint here, once per new percentage.
    if (percent <= 100 && percent != m_progressBar1->value()) {
        m_progressBar1->setValue(percent);
        repaint();
    }
}

void FrmLoadFile::finish()
{
    hide();
}
