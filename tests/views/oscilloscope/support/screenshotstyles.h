#pragma once

#include <QList>
#include <QString>

class QWidget;

// The looks every oscilloscope picture is taken in: both themes in English and Russian, and the
// large font once. Applying one sets the language, the style sheet and the cached options the
// widgets read their icon theme from.
struct ScreenshotStyle
{
    QString theme; // "dark" or "light"
    bool large;
    QString language;

    QString suffix() const; // e.g. "dark-large-ru"
};

QList<ScreenshotStyle> screenshotStyles();
void applyScreenshotStyle(const ScreenshotStyle &style);
// English, no style sheet, light theme again.
void resetScreenshotStyle();
// Where pictures go; empty when none are wanted.
QString screenshotDirectory();
