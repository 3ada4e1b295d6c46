#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class ArrangementsCollection;
class QSettings;

// The application's options. Copies share one arrangements collection, so a page that edits
// arrangements through its own copy edits the cache's too; the scalar fields are values and
// reach the cache only through save_to_cache.
struct Options
{
    Options();

    QByteArray mainwindow_geometry;
    bool auto_initialization = false;
    bool full_screen_on_start = false;
    QString app_language;
    int color_theme = 1;
    int font_type = 0;
    bool virtual_keyboard = false;
    int arrangement_index = 0;
    bool restore_arrangement = false;
    std::shared_ptr<ArrangementsCollection> arrangements;
};

// The file of the settings store: the user's configuration folder, organization/application.conf.
QString environment_file(const QString &organization, const QString &application);
// A new store object over that file, opened under the store-file guard: a file that is not
// regular is never opened (the run keeps its options in a private file instead), and a file
// with a value that cannot be read is moved aside first.
std::shared_ptr<QSettings> open_environment(const QString &organization,
                                            const QString &application);
// The settings store, opened with the names of the first call; later names are ignored.
std::shared_ptr<QSettings> get_environment(const QString &organization, const QString &application);
Options load_from_environment(const QString &organization, const QString &application);
// Writes the options and reports, on standard error and in the trace, a store that could not
// be written. Where the lock beside the store cannot be had within a few seconds, nothing is
// written and the file keeps its last content.
void save_to_environment(const Options &options, const QString &organization,
                         const QString &application);

// The one in-memory copy of the options that pages and views read.
std::shared_ptr<Options> get_cache();
Options load_from_cache();
void save_to_cache(const Options &options);
