#pragma once

#include <QWidget>

namespace Ui {
class InitializationToolBarWidget;
}

// The blue strip above the Initialization page: a caption and nothing else.
class InitializationToolBarWidget : public QWidget
{
    Q_OBJECT
public:
    explicit InitializationToolBarWidget(QWidget *parent = nullptr);
    ~InitializationToolBarWidget() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    Ui::InitializationToolBarWidget *ui;
};
