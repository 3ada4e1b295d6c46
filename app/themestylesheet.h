#pragma once

#include <QString>

// The application style sheet of a colour theme (0 dark, any other value light) and a font
// size (0 standard, 1 large). Start-up and the Settings page choose alike through these.

// The folder of the theme's icons and sheets: "dark" for 0, "light" for any other value.
QString themeFolderName(int colorTheme);

// Empty for a font size without a sheet.
QString themeStyleSheetPath(int colorTheme, int fontType);

// Sets the sheet as the application's style sheet. False, and the current sheet kept, when
// there is no sheet for the pair or its resource cannot be read.
bool applyThemeStyleSheet(int colorTheme, int fontType);
