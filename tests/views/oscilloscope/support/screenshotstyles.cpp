#include "screenshotstyles.h"

#include "app/options.h"
#include "app/translationloader.h"

#include <QApplication>
#include <QFile>

namespace {

QString styleSheet(const QString &name)
{
    QFile file(QStringLiteral(":/stylesheets/%1.theme").arg(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void setCachedLook(int theme, int font)
{
    Options options = load_from_cache();
    options.color_theme = theme;
    options.font_type = font;
    save_to_cache(options);
}

} // namespace

QString ScreenshotStyle::suffix() const
{
    return theme + (large ? QStringLiteral("-large-") : QStringLiteral("-")) + language;
}

QList<ScreenshotStyle> screenshotStyles()
{
    return {{"dark", false, "en"},
            {"light", false, "en"},
            {"dark", false, "ru"},
            {"light", false, "ru"},
            {"dark", true, "ru"}};
}

void applyScreenshotStyle(const ScreenshotStyle &style)
{
    TranslationLoader::instance()->load(style.language);
    setCachedLook(style.theme == QLatin1String("dark") ? 0 : 1, style.large ? 1 : 0);
    qApp->setStyleSheet(styleSheet(style.theme + (style.large ? "_large" : "")));
}

void resetScreenshotStyle()
{
    qApp->setStyleSheet(QString());
    setCachedLook(1, 0);
    TranslationLoader::instance()->load(QStringLiteral("en"));
}

QString screenshotDirectory()
{
    return qEnvironmentVariable("PRALUNE_SCREENSHOT_DIR");
}
