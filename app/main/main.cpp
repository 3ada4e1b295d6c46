#include "app/options.h"
#include "app/startup.h"
#include "app/themestylesheet.h"
#include "assets/assets.h"
#include "ui/pralunewindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const Options options = load_from_environment(QString::fromLatin1(Startup::organization),
                                                  QString::fromLatin1(Startup::application));
    Startup::selectInputMethod(options);

    QApplication app(argc, argv);
    Startup::setApplicationIdentity();
    save_to_cache(options);
    initPraluneAssets();
    registerPraluneFonts();
    applyThemeStyleSheet(options.color_theme, options.font_type);

    int exitCode = 0;
    {
        PraluneWindow window;
        window.show();
        exitCode = Startup::runEventLoop([&app] { return app.exec(); });

        // The window is still there: its close handling has put the geometry into the cache,
        // and destroying it closes the modules only after the options are safe.
        Startup::writeOptionsBack();
    }
    return exitCode;
}
