#pragma once

#include "vekwidgets_export.h"

#include <QPushButton>

#include <memory>

class VekToolBarButtonPrivate;

// A tool-bar button showing one glyph of the icon font, in a light or a dark colour theme.
class VEKWIDGETS_EXPORT VekToolBarButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString styleSheet READ styleSheet WRITE setStyleSheet)
    Q_PROPERTY(bool flat READ isFlat WRITE setFlat)
    Q_PROPERTY(Theme theme READ theme WRITE setTheme)
public:
    enum Theme { Light, Dark };
    Q_ENUM(Theme)

    explicit VekToolBarButton(QWidget *parent = nullptr);
    explicit VekToolBarButton(const QString &text, QWidget *parent = nullptr);
    VekToolBarButton(const QIcon &icon, const QString &text, QWidget *parent = nullptr);
    ~VekToolBarButton() override;

    Theme theme() const;
    void initDefaultStyle();

public slots:
    void setTheme(Theme theme);

private:
    const std::unique_ptr<VekToolBarButtonPrivate> d;
};
