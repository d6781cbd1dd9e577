#pragma once

#include <QWidget>

// The About box: the product's name, the program's own version and a notice; OK closes it.
class FrmAbout final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmAbout)
public:
    explicit FrmAbout(QWidget *parent = nullptr);
};
