#include "app/themestylesheet.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>

QString themeFolderName(int colorTheme)
{
    return colorTheme == 0 ? QStringLiteral("dark") : QStringLiteral("light");
}

QString themeStyleSheetPath(int colorTheme, int fontType)
{
    const QString theme = themeFolderName(colorTheme);
    switch (fontType) {
    case 0:
        return QStringLiteral(":/stylesheets/%1.theme").arg(theme);
    case 1:
        return QStringLiteral(":/stylesheets/%1_large.theme").arg(theme);
    default:
        return QString();
    }
}

bool applyThemeStyleSheet(int colorTheme, int fontType)
{
    const QString path = themeStyleSheetPath(colorTheme, fontType);
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QByteArray text = file.readAll();
    // A stray NUL would otherwise end up inside the sheet's text.
    const int end = text.indexOf('\0');
    if (end >= 0)
        text.truncate(end);
    qApp->setStyleSheet(QString::fromUtf8(text));
    return true;
}
