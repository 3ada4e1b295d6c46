#include "app/options.h"

#include "app/arrangementscollection.h"
#include "app/arrangementstate.h"
#include "app/translationloader.h"
#include "resources/storefile.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
const QString geometryKey = QStringLiteral("mainwindow_geometry");
const QString autoInitializationKey = QStringLiteral("auto_initialization");
const QString fullScreenKey = QStringLiteral("full_screen_on_start");
const QString languageKey = QStringLiteral("app_language");
const QString colorThemeKey = QStringLiteral("color_theme");
const QString fontTypeKey = QStringLiteral("font_type");
const QString virtualKeyboardKey = QStringLiteral("virtual_keyboard");
const QString arrangementIndexKey = QStringLiteral("arrangement_index");
const QString restoreArrangementKey = QStringLiteral("restore_arrangement");
} // namespace

Options::Options()
    : app_language(TranslationLoader::defaultLanguage())
    , arrangements(std::make_shared<ArrangementsCollection>())
{ }

QString environment_file(const QString &organization, const QString &application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QLatin1Char('/') + organization + QLatin1Char('/') + application
            + QStringLiteral(".conf");
}

std::shared_ptr<QSettings> open_environment(const QString &organization, const QString &application)
{
    if (prepareStoreFile(environment_file(organization, application)) == StoreFileStatus::Refused) {
        // The run keeps its options in a private file that goes with it.
        static const QTemporaryDir standIn;
        return std::make_shared<QSettings>(standIn.filePath(application + QStringLiteral(".conf")),
                                           QSettings::IniFormat);
    }
    return std::make_shared<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organization,
                                       application);
}

std::shared_ptr<QSettings> get_environment(const QString &organization, const QString &application)
{
    static const std::shared_ptr<QSettings> settings = open_environment(organization, application);
    return settings;
}

Options load_from_environment(const QString &organization, const QString &application)
{
    Options options;
    const std::shared_ptr<QSettings> settings = get_environment(organization, application);

    options.mainwindow_geometry = settings->value(geometryKey, QByteArray()).toByteArray();
    options.auto_initialization = settings->value(autoInitializationKey, false).toBool();
    options.full_screen_on_start = settings->value(fullScreenKey, false).toBool();
    options.color_theme = settings->value(colorThemeKey, 0).toInt();
    options.font_type = settings->value(fontTypeKey, 0).toInt();
    options.virtual_keyboard = settings->value(virtualKeyboardKey, false).toBool();
    options.app_language = settings->value(languageKey, QString()).toString();
    options.arrangement_index = settings->value(arrangementIndexKey, 0).toInt();
    options.restore_arrangement = settings->value(restoreArrangementKey, false).toBool();

    if (!TranslationLoader::supportedLanguages().contains(options.app_language, Qt::CaseSensitive))
        options.app_language = TranslationLoader::defaultLanguage();

    options.arrangements->restore(settings);

    // An index beyond the saved arrangements (a store edited by hand, or arrangements removed
    // by an older run) starts with an empty workspace, as with restoring switched off.
    const int index = options.arrangement_index;
    const bool indexValid = index >= 0 && index < options.arrangements->count();
    if (options.restore_arrangement && indexValid)
        options.arrangements->setCurrentArrangement(options.arrangements->arrangement(index));
    else
        options.arrangements->setCurrentArrangement(ArrangementState());

    return options;
}

void save_to_environment(const Options &options, const QString &organization,
                         const QString &application)
{
    const std::shared_ptr<QSettings> settings = get_environment(organization, application);
    // A file put in the store's place since it was opened is checked as at the start. The
    // lock is seen to before the store object holds any change: one left pending would be
    // written by Qt later, under a lock it waits for without end.
    if (prepareStoreFile(settings->fileName(), StoreUse::Write) == StoreFileStatus::Refused)
        return;

    settings->setValue(geometryKey, options.mainwindow_geometry);
    settings->setValue(autoInitializationKey, options.auto_initialization);
    settings->setValue(fullScreenKey, options.full_screen_on_start);
    settings->setValue(languageKey, options.app_language);
    settings->setValue(colorThemeKey, options.color_theme);
    settings->setValue(fontTypeKey, options.font_type);
    settings->setValue(virtualKeyboardKey, options.virtual_keyboard);
    settings->setValue(arrangementIndexKey, options.arrangement_index);
    settings->setValue(restoreArrangementKey, options.restore_arrangement);

    options.arrangements->store(settings);
    writeStore(*settings);
}

std::shared_ptr<Options> get_cache()
{
    static const std::shared_ptr<Options> cache = std::make_shared<Options>();
    return cache;
}

Options load_from_cache()
{
    return *get_cache();
}

void save_to_cache(const Options &options)
{
    *get_cache() = options;
}
