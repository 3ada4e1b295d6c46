#pragma once

#include <QList>
#include <QString>

// The looks the view tests' screenshots are taken in: both colour themes in English and Russian,
// and one large-font look each test chooses. Pictures are written only when
// PRALUNE_SCREENSHOT_DIR is set:
//
//     const QString dir = screenshotDir();
//     if (dir.isEmpty())
//         QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
//     for (const ScreenshotLook &look : screenshotLooks({0, true, "en", "dark-large"})) {
//         QVERIFY(applyScreenshotLook(look));
//         ...grab().save(dir + "/panel-" + look.name + ".png");
//     }
//     resetScreenshotLook();
struct ScreenshotLook
{
    int theme; // 0 dark, 1 light
    bool large; // the large font's sheet
    QString language;
    QString name; // ends the pictures' file names
};

// Empty when no pictures are wanted.
QString screenshotDir();

// Dark and light in English, then in Russian, then `large`.
QList<ScreenshotLook> screenshotLooks(const ScreenshotLook &large);

// Stores the theme in the options (the views pick their icons by it), sets the theme's style
// sheet and loads the language. False when the sheet cannot be read.
bool applyScreenshotLook(const ScreenshotLook &look);

// English and no style sheet again, for the tests that follow.
void resetScreenshotLook();
