#pragma once

#include "vekwidgets_export.h"

#include <QColor>
#include <QPushButton>

#include <memory>

class VekColorToolButtonPrivate;

// A colour swatch that opens a colour dialog on click.
class VEKWIDGETS_EXPORT VekColorToolButton : public QPushButton
{
    Q_OBJECT
public:
    explicit VekColorToolButton(QWidget *parent = nullptr);
    ~VekColorToolButton() override;

    QColor color() const;

public slots:
    void setColor(QColor color);
    void setHints(QString hintString);

signals:
    void colorChanged(QColor color);

private slots:
    void drawIcon();
    void clickHandler();

private:
    const std::unique_ptr<VekColorToolButtonPrivate> d;
};
