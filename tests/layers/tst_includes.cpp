#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

// Which folder may include which. The build enforces most of it (a layer links only what is
// below it), but not all: a static library's headers reach every layer above its users, and a
// header-only include never needs a link. This table is the architecture, checked include by
// include; a new upward or sideways include fails here with its file and line.
//
//   platform <- hardware <- resources <- app (options, start-up) <- ui/viewbase
//       <- views/<view> <- ui (pages) <- app/main (the entry point)
//   vekwidgets, orvexplotwidget, assets: self-contained; the view base and everything above it
//   may include them.
//
// Above the hardware nothing includes the platform, except the resources' two recorded
// crossings. Between the views there is one arrow: the oscilloscope uses the multimeter's
// evaluation names, dialog and number texts.
namespace {

struct Layer
{
    const char *name;
    const char *folder; // source folder, relative to the root, with its trailing slash
    QStringList mayInclude; // layer names, the layer itself included
};

const QStringList programBelowViews = {"hardware",   "resources",       "app",   "viewbase",
                                       "vekwidgets", "orvexplotwidget", "assets"};

QList<Layer> layers()
{
    const QStringList view = programBelowViews;
    QStringList pages = view;
    pages << "pages"
          << "multimeter"
          << "powersupply"
          << "oscilloscope"
          << "functiongenerator";
    return {
            {"platform", "platform/", {"platform"}},
            {"hardware", "hardware/", {"platform", "hardware"}},
            {"resources", "resources/", {"hardware", "resources"}},
            {"vekwidgets", "vekwidgets/", {"vekwidgets"}},
            {"orvexplotwidget", "orvexplotwidget/", {"orvexplotwidget"}},
            {"assets", "assets/", {"assets"}},
            {"app", "app/", {"hardware", "resources", "app"}},
            {"main", "app/main/", pages + QStringList {"main"}},
            {"viewbase", "ui/viewbase/", programBelowViews},
            {"multimeter", "views/multimeter/", view + QStringList {"multimeter"}},
            {"powersupply", "views/powersupply/", view + QStringList {"powersupply"}},
            {"oscilloscope", "views/oscilloscope/",
             view + QStringList {"oscilloscope", "multimeter"}},
            {"functiongenerator", "views/functiongenerator/",
             view + QStringList {"functiongenerator"}},
            {"pages", "ui/", pages},
    };
}

// The resources' two crossings of the platform, each held to one file.
const QList<QPair<QString, QString>> crossings = {
        {"resources/kw7functiongeneratorresource.cpp", "zqkw7.h"}, // its own driver library
        {"resources/analysislibrary.cpp", "nianlys.h"}, // the analysis module's function types
};

// The layer whose folder holds path (the longest match), null outside the program.
const Layer *layerOf(const QList<Layer> &all, const QString &path)
{
    const Layer *found = nullptr;
    for (const Layer &layer : all) {
        const QLatin1String folder(layer.folder);
        if (path.startsWith(folder) && (!found || folder.size() > int(qstrlen(found->folder))))
            found = &layer;
    }
    return found;
}

class IncludeRules
{
public:
    explicit IncludeRules(const QSet<QString> &platformHeaders)
        : m_layers(layers())
        , m_platformHeaders(platformHeaders)
    { }

    // Empty when file (relative to the root) may include target as written; else why not.
    QString verdict(const QString &file, const QString &target, bool angled) const
    {
        const Layer *from = layerOf(m_layers, file);
        if (!from)
            return {};
        const Layer *to = targetLayer(file, target, angled);
        if (!to)
            return {}; // outside the program: Qt, Qwt, the standard library, generated files
        if (from->mayInclude.contains(QLatin1String(to->name)))
            return {};
        if (qstrcmp(to->name, "platform") == 0 && crossings.contains({file, target}))
            return {};
        return QStringLiteral("%1 may not include %2").arg(from->name, to->name);
    }

private:
    const Layer *targetLayer(const QString &file, const QString &target, bool angled) const
    {
        if (m_platformHeaders.contains(target) || target.startsWith(QLatin1String("simbench/"))
            || target.startsWith(QLatin1String("nianlys/")))
            return layerOf(m_layers, QStringLiteral("platform/"));
        if (angled)
            return nullptr;
        if (!target.contains(QLatin1Char('/'))) {
            // Generated beside the target (forms, export macros, moc) or a file of the same
            // folder: the including file's own layer.
            return nullptr;
        }
        const Layer *layer = layerOf(m_layers, target);
        if (layer)
            return layer;
        return layerOf(m_layers, QFileInfo(file).path() + QLatin1Char('/') + target);
    }

    QList<Layer> m_layers;
    QSet<QString> m_platformHeaders;
};

QSet<QString> platformHeaders(const QDir &root)
{
    QSet<QString> names;
    const QDir include(root.filePath(QStringLiteral("platform/include")));
    for (const QString &name : include.entryList({"*.h"}, QDir::Files))
        names << name;
    return names;
}

} // namespace

class TestIncludes : public QObject
{
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void everyIncludeKeepsToItsLayer();
};

void TestIncludes::rules_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("include");
    QTest::addColumn<bool>("allowed");
    const auto row = [](const char *name, const char *file, const char *include, bool allowed) {
        QTest::newRow(name) << QString::fromLatin1(file) << QString::fromLatin1(include) << allowed;
    };
    row("down one layer", "resources/x.cpp", "hardware/moduleinterface.h", true);
    row("down two layers", "views/multimeter/v.cpp", "hardware/moduleinterface.h", true);
    row("up one layer", "hardware/x.cpp", "resources/resourceinterface.h", false);
    row("view base up to the pages", "ui/viewbase/x.cpp", "ui/pralunewindow.h", false);
    row("view base up to a view", "ui/viewbase/x.h", "views/multimeter/v.h", false);
    row("sideways between views", "views/multimeter/v.cpp", "views/powersupply/p.h", false);
    row("the one arrow between views", "views/oscilloscope/cursors/c.cpp",
        "views/multimeter/evaluationnames.h", true);
    row("not back along it", "views/multimeter/v.cpp", "views/oscilloscope/o.h", false);
    row("pages over views", "ui/viewfactory.cpp", "views/oscilloscope/o.h", true);
    row("app up to the view base", "app/options.cpp", "ui/viewbase/commonfunctions.h", false);
    row("app over the resources", "app/startup.cpp", "resources/resourcemanager.h", true);
    row("app to the platform", "app/startup.cpp", "visa.h", false);
    row("the entry point over all", "app/main/main.cpp", "ui/pralunewindow.h", true);
    row("kit into the program", "vekwidgets/w.cpp", "app/options.h", false);
    row("plot into the kit", "orvexplotwidget/p.cpp", "vekwidgets/w.h", false);
    row("driver header in the hardware", "hardware/x.cpp", "visa.h", true);
    row("driver header in a view", "views/powersupply/p.cpp", "zqvolta.h", false);
    row("driver header, angled", "ui/x.cpp", "<visa.h>", false);
    row("simulated bench above the hardware", "resources/x.cpp", "simbench/simcontrol.h", false);
    row("generator driver crossing", "resources/kw7functiongeneratorresource.cpp", "zqkw7.h", true);
    row("crossing held to its file", "resources/kw7functiongeneratorresource.h", "zqkw7.h", false);
    row("analysis crossing", "resources/analysislibrary.cpp", "nianlys.h", true);
    row("analysis header in a header", "resources/analysislibrary.h", "nianlys.h", false);
    row("generated form", "ui/pralunewindow.cpp", "ui_pralunewindow.h", true);
    row("Qt", "ui/viewbase/x.cpp", "<QWidget>", true);
}

void TestIncludes::rules()
{
    QFETCH(QString, file);
    QFETCH(QString, include);
    QFETCH(bool, allowed);
    const IncludeRules rules(platformHeaders(QDir(QStringLiteral(PRALUNE_SOURCE_DIR))));
    const bool angled = include.startsWith(QLatin1Char('<'));
    const QString target = angled ? include.mid(1, include.size() - 2) : include;
    const QString verdict = rules.verdict(file, target, angled);
    QVERIFY2(verdict.isEmpty() == allowed, qPrintable(verdict.isEmpty() ? "allowed" : verdict));
}

void TestIncludes::everyIncludeKeepsToItsLayer()
{
    const QDir root(QStringLiteral(PRALUNE_SOURCE_DIR));
    const QSet<QString> headers = platformHeaders(root);
    QVERIFY(headers.contains("visa.h"));
    const IncludeRules rules(headers);
    const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*([<\"])([^>\"]+)[>\"]"));
    QStringList violations;
    int files = 0;
    for (const char *folder : {"platform", "hardware", "resources", "app", "ui", "views",
                               "vekwidgets", "orvexplotwidget", "assets"}) {
        QDirIterator it(root.filePath(QLatin1String(folder)), {"*.cpp", "*.h", "*.c"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString file = root.relativeFilePath(path);
            QFile source(path);
            QVERIFY2(source.open(QIODevice::ReadOnly | QIODevice::Text), qPrintable(file));
            ++files;
            int line = 0;
            while (!source.atEnd()) {
                ++line;
                const QString text = QString::fromUtf8(source.readLine());
                const QRegularExpressionMatch match = include.match(text);
                if (!match.hasMatch())
                    continue;
                const QString verdict = rules.verdict(file, match.captured(2),
                                                      match.captured(1) == QLatin1String("<"));
                if (!verdict.isEmpty())
                    violations << QStringLiteral("%1:%2: includes %3 (%4)")
                                          .arg(file)
                                          .arg(line)
                                          .arg(match.captured(2), verdict);
            }
        }
    }
    QVERIFY(files > 200);
    QVERIFY2(violations.isEmpty(), qPrintable(violations.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestIncludes)
#include "tst_includes.moc"
