#include "support/mainwindowchecks.h"

#include "app/arrangementscollection.h"
#include "app/themestylesheet.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "hardware/modulecollection.h"
#include "resources/resourcecollection.h"
#include "resources/resourcecreator.h"
#include "resources/resourceinterface.h"
#include "ui/instrumentscontentwidget.h"
#include "ui/pralunewindow.h"

#include "simbench/simcontrol.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QStandardPaths>

bool prepareWindowTests()
{
    qunsetenv("PRALUNE_SIM_BENCH");
    QStandardPaths::setTestModeEnabled(true);
    initPraluneAssets();
    // As the program does: the sheets' own faces, not a fallback's wider or narrower ones, in
    // which a text the program cuts may seem to fit.
    if (!registerPraluneFonts())
        return false;
    QApplication::setStyle(QStringLiteral("Fusion"));
    return applyThemeStyleSheet(1, 0);
}

void resetWindowTests()
{
    ResourceCollection::instance()->removeAll();
    ModuleCollection::instance().reset();
    get_cache()->arrangements->setCurrentArrangement(ArrangementState());
    Options options = load_from_cache();
    options.mainwindow_geometry.clear();
    save_to_cache(options);
    qunsetenv("PRALUNE_SIM_BENCH");
    simbench::reset();
}

QWidget *shownIn(PraluneWindow &window, const char *frameName)
{
    QLayout *layout = window.findChild<QFrame *>(QString::fromLatin1(frameName))->layout();
    return layout->count() > 0 ? layout->itemAt(0)->widget() : nullptr;
}

InstrumentsContentWidget *instruments(PraluneWindow &window)
{
    return window.findChild<InstrumentsContentWidget *>();
}

QMap<QString, QList<std::shared_ptr<ResourceInterface>>> possibleByView()
{
    ResourceCreator creator;
    QMap<QString, QList<std::shared_ptr<ResourceInterface>>> byView;
    for (const QString &type : creator.availableTypes()) {
        for (const auto &resource : creator.create(type))
            byView[resource->viewType()].append(resource);
    }
    return byView;
}

ArrangementState arrangementOf(const QStringList &entries)
{
    const auto byView = possibleByView();
    QMap<QString, int> taken;
    ArrangementState state;
    for (QString entry : entries) {
        const bool maximized = entry.endsWith(QLatin1Char('*'));
        if (maximized)
            entry.chop(1);
        const auto resources = byView.value(entry);
        const int next = taken[entry]++;
        if (next >= resources.size())
            continue;
        state.addResourceInformation(resources.at(next)->type(), resources.at(next)->uniqueId(),
                                     maximized, entry);
    }
    return state;
}

Look::Look(int theme, int font, const QString &language)
    : m_before(load_from_cache())
{
    Options options = m_before;
    options.auto_initialization = true;
    options.full_screen_on_start = false;
    options.color_theme = theme;
    options.font_type = font;
    options.app_language = language;
    save_to_cache(options);
    applied = applyThemeStyleSheet(theme, font);
}

Look::~Look()
{
    save_to_cache(m_before);
    applyThemeStyleSheet(1, 0);
    TranslationLoader::instance()->load(QStringLiteral("en"));
    QCoreApplication::processEvents();
}

QStringList controlsOutOfReach(PraluneWindow &window, QWidget *page)
{
    QStringList out;
    for (QWidget *control : page->findChildren<QWidget *>()) {
        const bool editor = qobject_cast<QLineEdit *>(control)
                && !qobject_cast<QAbstractSpinBox *>(control->parentWidget())
                && !qobject_cast<QComboBox *>(control->parentWidget());
        if (!control->isVisibleTo(&window)
            || !(qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control)
                 || qobject_cast<QAbstractSpinBox *>(control) || editor))
            continue;
        // The whole control, not only an editor's text cursor as ensureWidgetVisible would.
        for (QWidget *around = control->parentWidget(); around; around = around->parentWidget()) {
            auto *area = qobject_cast<QScrollArea *>(around);
            if (!area || !area->widget())
                continue;
            const QPoint centre = control->mapTo(area->widget(), control->rect().center());
            area->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 1,
                                control->height() / 2 + 1);
        }
        QRect visible = window.rect();
        for (QWidget *around = control->parentWidget(); around != &window;
             around = around->parentWidget())
            visible &= QRect(around->mapTo(&window, QPoint(0, 0)), around->size());
        const QRect place(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (!visible.contains(place)) {
            const QString name = control->objectName().isEmpty()
                    ? QString::fromLatin1(control->metaObject()->className())
                    : control->objectName();
            out << QStringLiteral("%1 at (%2, %3) %4 x %5")
                            .arg(name)
                            .arg(place.x())
                            .arg(place.y())
                            .arg(place.width())
                            .arg(place.height());
        }
    }
    return out;
}
