#include "assets/assets.h"

#include <QDir>
#include <QFontDatabase>
#include <QtGlobal>

#include <cstdio>

void initPraluneAssets()
{
    Q_INIT_RESOURCE(assets);
}

bool registerPraluneFonts()
{
    // Registered once per process: a second call would add the same faces again.
    static const bool registered = [] {
        bool all = true;
        const QDir fonts(QStringLiteral(":/fonts"));
        const QStringList files = fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files);
        for (const QString &file : files) {
            if (QFontDatabase::addApplicationFont(fonts.filePath(file)) < 0) {
                std::fprintf(stderr, "pralune: the font %s could not be added\n", qPrintable(file));
                all = false;
            }
        }
        return all && !files.isEmpty();
    }();
    return registered;
}
