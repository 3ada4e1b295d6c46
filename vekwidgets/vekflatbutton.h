#pragma once

#include "vekwidgets_export.h"

#include <QColor>
#include <QPushButton>
#include <QSharedPointer>

#include <memory>

class VekFlatButtonPrivate;
class VekPalette;

// A flat button coloured through a style sheet generated from the palette.
class VEKWIDGETS_EXPORT VekFlatButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(
            QColor normalBackgroundColor READ normalBackgroundColor WRITE setNormalBackgroundColor)
    Q_PROPERTY(QColor focusedBackgroundColor READ focusedBackgroundColor WRITE
                       setFocusedBackgroundColor)
    Q_PROPERTY(QColor pressedBackgroundColor READ pressedBackgroundColor WRITE
                       setPressedBackgroundColor)
    Q_PROPERTY(QColor disabledBackgroundColor READ disabledBackgroundColor WRITE
                       setDisabledBackgroundColor)
    Q_PROPERTY(QString styleSheet READ styleSheet WRITE setStyleSheet)
    Q_PROPERTY(bool flat READ isFlat WRITE setFlat)
public:
    explicit VekFlatButton(QWidget *parent = nullptr);
    explicit VekFlatButton(const QString &text, QWidget *parent = nullptr);
    VekFlatButton(const QIcon &icon, const QString &text, QWidget *parent = nullptr);
    ~VekFlatButton() override;

    QColor normalBackgroundColor() const;
    QColor focusedBackgroundColor() const;
    QColor pressedBackgroundColor() const;
    QColor disabledBackgroundColor() const;
    void setNormalBackgroundColor(QColor color);
    void setFocusedBackgroundColor(QColor color);
    void setPressedBackgroundColor(QColor color);
    void setDisabledBackgroundColor(QColor color);

    void setVekPalette(QSharedPointer<VekPalette> palette);

    void parsePalette();
    void generateStyleSheet();
    void updateStyleSheet();
    void polishWidget();
    void initDefaultStyle();

private slots:
    void updatePalette();

private:
    const std::unique_ptr<VekFlatButtonPrivate> d;
};
