#include "screenshotlooks.h"

#include "app/options.h"
#include "app/themestylesheet.h"
#include "app/translationloader.h"

#include <QApplication>

QString screenshotDir()
{
    return qEnvironmentVariable("PRALUNE_SCREENSHOT_DIR");
}

QList<ScreenshotLook> screenshotLooks(const ScreenshotLook &large)
{
    return {{0, false, QStringLiteral("en"), QStringLiteral("dark")},
            {1, false, QStringLiteral("en"), QStringLiteral("light")},
            {0, false, QStringLiteral("ru"), QStringLiteral("dark-ru")},
            {1, false, QStringLiteral("ru"), QStringLiteral("light-ru")},
            large};
}

bool applyScreenshotLook(const ScreenshotLook &look)
{
    Options options = load_from_cache();
    options.color_theme = look.theme;
    save_to_cache(options);
    TranslationLoader::instance()->load(look.language);
    return applyThemeStyleSheet(look.theme, look.large ? 1 : 0);
}

void resetScreenshotLook()
{
    TranslationLoader::instance()->load(QStringLiteral("en"));
    qApp->setStyleSheet(QString());
}
