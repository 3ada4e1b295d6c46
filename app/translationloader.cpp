#include "app/translationloader.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>
#include <QWidget>

namespace {

const QStringList &languages()
{
    static const QStringList list {QStringLiteral("en"), QStringLiteral("ru")};
    return list;
}

const QStringList &baseNames()
{
    static const QStringList list {QStringLiteral("pralune"), QStringLiteral("virtualkeyboard"),
                                   QStringLiteral("vekwidgets")};
    return list;
}

QString translationsDirectory()
{
    QDir dir(QCoreApplication::applicationDirPath());
    dir.cd(QStringLiteral("translations"));
    return dir.absolutePath();
}

} // namespace

std::shared_ptr<TranslationLoader> TranslationLoader::instance()
{
    static const std::shared_ptr<TranslationLoader> loader(new TranslationLoader);
    return loader;
}

TranslationLoader::TranslationLoader()
    : QObject(nullptr)
    , m_currentLanguage(defaultLanguage())
{
    for (const QString &base : baseNames())
        m_translators.insert(base, new QTranslator(this));
}

QStringList TranslationLoader::supportedLanguages()
{
    return languages();
}

QString TranslationLoader::defaultLanguage()
{
    return QLocale::system().language() == QLocale::Russian ? QStringLiteral("ru")
                                                            : QStringLiteral("en");
}

QString TranslationLoader::currentLanguage() const
{
    return m_currentLanguage;
}

void TranslationLoader::load(const QString &language)
{
    if (!supportedLanguages().contains(language, Qt::CaseSensitive))
        return;

    m_currentLanguage = language;
    QLocale locale = language == QLatin1String("ru")
            ? QLocale(QLocale::Russian, QLocale::Russia)
            : QLocale(QLocale::English, QLocale::AnyCountry);
    // Numbers read from the user's text take no digit grouping: the English group separator is
    // the Russian decimal mark, and read as grouping it would make a fraction a thousand times
    // larger. Numbers are still written with grouping where a widget asks for it.
    locale.setNumberOptions(QLocale::RejectGroupSeparator);
    QLocale::setDefault(locale);
    // A widget takes the default locale when it is made: those that already exist, shown or
    // kept by a view without a parent, follow the new language's number format too.
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows)
            window->unsetLocale();
    }

    const QString directory = translationsDirectory();
    for (auto it = m_translators.cbegin(); it != m_translators.cend(); ++it) {
        const QString fileName = QStringLiteral("%1_%2").arg(it.key(), language);
        QTranslator *translator = it.value();
        QCoreApplication::removeTranslator(translator);
        // No search delimiters: a missing "pralune_ru" must not fall back to a "pralune"
        // file, or the base name would show texts of some other language.
        if (translator->load(fileName, directory, QStringLiteral(""), QStringLiteral(".qm")))
            QCoreApplication::installTranslator(translator);
    }
}
