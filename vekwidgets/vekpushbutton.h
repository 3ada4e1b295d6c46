#pragma once

#include "vekwidgets_export.h"

#include <QPushButton>
#include <QSharedPointer>

#include <memory>

class VekPalette;
class VekPushButtonPrivate;

// A push button painted as a raised Material card with a soft shadow.
class VEKWIDGETS_EXPORT VekPushButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(bool flat READ isFlat WRITE setFlat)
public:
    explicit VekPushButton(QWidget *parent = nullptr);
    explicit VekPushButton(const QString &text, QWidget *parent = nullptr);
    VekPushButton(const QIcon &icon, const QString &text, QWidget *parent = nullptr);
    ~VekPushButton() override;

    void setVekPalette(QSharedPointer<VekPalette> palette);
    QSharedPointer<VekPalette> vekPalette() const;

    void setOver(bool over);
    void initDefaultStyle();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected slots:
    void updatePalette();

protected:
    // Takes the body colours (normal, over, pressed, disabled) from the palette.
    virtual void parsePalette();
    void setBodyColors(const QColor &normal, const QColor &over, const QColor &pressed,
                       const QColor &disabled);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void init();

    const std::unique_ptr<VekPushButtonPrivate> d;
};
