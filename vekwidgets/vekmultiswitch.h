#pragma once

#include "vekwidgets_export.h"

#include <QColor>
#include <QSharedPointer>
#include <QStringList>
#include <QWidget>

#include <memory>

class VekMultiSwitchPrivate;
class VekPalette;

// A segmented switch: a row of adjoining buttons of which exactly one is checked.
class VEKWIDGETS_EXPORT VekMultiSwitch : public QWidget
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
    Q_PROPERTY(int switchCount READ switchCount WRITE setSwitchCount)
    Q_PROPERTY(QStringList switchLabels READ switchLabels WRITE setSwitchLabels)
public:
    explicit VekMultiSwitch(QWidget *parent = nullptr);
    VekMultiSwitch(int count, const QStringList &labels, QWidget *parent = nullptr);
    ~VekMultiSwitch() override;

    int state() const;

    int switchCount() const;
    void setSwitchCount(const int &count);

    QStringList switchLabels() const;
    void setSwitchLabels(const QStringList &labels);

    QColor normalBackgroundColor() const;
    QColor focusedBackgroundColor() const;
    QColor pressedBackgroundColor() const;
    QColor disabledBackgroundColor() const;
    void setNormalBackgroundColor(const QColor &color);
    void setFocusedBackgroundColor(const QColor &color);
    void setPressedBackgroundColor(const QColor &color);
    void setDisabledBackgroundColor(const QColor &color);

    void setVekPalette(QSharedPointer<VekPalette> palette);

public slots:
    void setState(int index);

signals:
    void stateChanged(int index);

protected:
    void initDefault(int count, const QStringList &labels);
    void parsePalette();
    void generateStyleSheet();
    void updateStyleSheet();
    void polishWidget();
    void switchCountChanged(int delta);

private slots:
    void updatePalette();

private:
    const std::unique_ptr<VekMultiSwitchPrivate> d;
};
