#pragma once

#include "vekwidgets/vekpushbutton.h"
#include "vekwidgets_export.h"

#include <memory>

class VekAccentPushButtonPrivate;

// The raised push button in the palette's primary colours.
class VEKWIDGETS_EXPORT VekAccentPushButton : public VekPushButton
{
    Q_OBJECT
public:
    explicit VekAccentPushButton(QWidget *parent = nullptr);
    explicit VekAccentPushButton(const QString &text, QWidget *parent = nullptr);
    VekAccentPushButton(const QIcon &icon, const QString &text, QWidget *parent = nullptr);
    ~VekAccentPushButton() override;

protected:
    void parsePalette() override;

private:
    const std::unique_ptr<VekAccentPushButtonPrivate> d;
};
