#include "assets/assets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QRegularExpression>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>

namespace {

const char *const kSheets[] = {"dark", "dark_large", "light", "light_large"};

const QStringList kControl = {"arrow_down",
                              "arrow_minus",
                              "arrow_plus",
                              "arrow_up",
                              "auto_start_mode",
                              "channel1_label",
                              "channel2_label",
                              "channel3_label",
                              "close",
                              "cursor_settings",
                              "delayed_start_mode",
                              "expand_arrow",
                              "export",
                              "fullscreen",
                              "graph_zoom_out",
                              "hcursor_1",
                              "hcursor_2",
                              "ic_check",
                              "ic_close",
                              "immediate_start_mode",
                              "linked_range_slider",
                              "measurment",
                              "normal_start_mode",
                              "on_trigger_start_mode",
                              "power",
                              "save_picture",
                              "settings",
                              "single_start_mode",
                              "stop",
                              "time_label",
                              "trigger_label",
                              "unlinked_range_slider",
                              "vcursor_1",
                              "vcursor_2"};
const QStringList kMeter = {"2wire_resistance",    "4wire_resistance", "alternating_current",
                            "alternating_voltage", "continuity",       "direct_current",
                            "direct_voltage",      "frequency",        "period"};
const QStringList kFunctions = {"awg",
                                "gaussian_noise",
                                "haversine",
                                "level",
                                "negative_ramp",
                                "positive_ramp",
                                "pseudorandom_binary_sequence",
                                "pulse",
                                "ramp_up",
                                "rectangular",
                                "sine",
                                "square",
                                "triangular",
                                "uniform_noise"};
const QStringList kTriggers = {"trigger_edge_falling",
                               "trigger_edge_rising",
                               "trigger_impulse_falling",
                               "trigger_impulse_rising",
                               "trigger_interval_falling",
                               "trigger_interval_rising",
                               "trigger_rand",
                               "trigger_rate",
                               "trigger_window"};

QString sheet(const char *name)
{
    QFile file(QStringLiteral(":/stylesheets/%1.theme").arg(QLatin1String(name)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void collect(const QRegularExpression &pattern, const QString &text, QSet<QString> &into)
{
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        into << it.next().captured(1);
}

// The other theme's file of a themed resource path, empty for a path outside the two sets.
QString otherTheme(const QString &path)
{
    // The grey drawings for disabled buttons are the dark set's own (a form may name one, as the
    // power supply's output switch does); the light set shows its normal drawing disabled.
    if (path.contains(QLatin1String("_dis.")))
        return {};
    if (path.startsWith(QLatin1String(":/icons/dark/")))
        return QStringLiteral(":/icons/light/") + path.mid(13);
    if (path.startsWith(QLatin1String(":/icons/light/")))
        return QStringLiteral(":/icons/dark/") + path.mid(14);
    return {};
}

bool rendersSomething(const QString &path)
{
    const QPixmap pixmap = QIcon(path).pixmap(24, 24);
    if (pixmap.isNull())
        return false;
    const QImage image = pixmap.toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

double luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb))
            + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The strongest contrast between the painted name of index and its row's ground: the
// ground is the commonest colour where the name is drawn, the name its most distant pixel.
double nameContrast(QAbstractItemView *view, const QModelIndex &index, const QString &name)
{
    const QImage picture = view->viewport()->grab().toImage();
    const QRect cell = view->visualRect(index);
    const int iconWidth = view->iconSize().isValid() ? view->iconSize().width() : 16;
    QRect text(cell.left() + iconWidth + 8, cell.top(), view->fontMetrics().horizontalAdvance(name),
               cell.height());
    text = text.intersected(cell).intersected(picture.rect());
    if (text.isEmpty())
        return 0.0;
    QMap<QRgb, int> counts;
    for (int y = text.top(); y <= text.bottom(); ++y)
        for (int x = text.left(); x <= text.right(); ++x)
            ++counts[picture.pixel(x, y)];
    QRgb ground = counts.firstKey();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(ground))
            ground = it.key();
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = qMax(best, contrast(it.key(), ground));
    return best;
}

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT
private slots:
    // In the order start-up keeps: the faces are there before any sheet asks for them.
    void initTestCase()
    {
        initPraluneAssets();
        QVERIFY(registerPraluneFonts());
    }

    void sheetsHoldTheirTheme_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("colours");
        QTest::addColumn<QString>("markerSize");
        QTest::addColumn<QString>("baseFont");
        const QStringList dark = {"#535353", "#444444", "#ffffff", "#b3b3b3", "#646474",
                                  "#FFFF00", "#FF00FF", "#00FF00", "#545454", "icons/dark/"};
        const QStringList light = {"#ffffff", "#212121", "#b0b0c0", "#9797A6", "#CACAD9",
                                   "#F44336", "#2196F3", "#4DBD33", "#bbdefb", "icons/light/"};
        QTest::newRow("dark") << "dark" << dark << "18"
                              << "8pt";
        QTest::newRow("dark large") << "dark_large" << dark << "24"
                                    << "10pt";
        QTest::newRow("light") << "light" << light << "18"
                               << "8pt";
        QTest::newRow("light large") << "light_large" << light << "24"
                                     << "10pt";
    }

    void sheetsHoldTheirTheme()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, colours);
        QFETCH(QString, markerSize);
        QFETCH(QString, baseFont);
        const QString text = sheet(name.toLatin1().constData());
        QVERIFY2(!text.isEmpty(), qPrintable(name));
        QVERIFY(!text.contains(QLatin1Char('@')));
        for (const QString &colour : colours)
            QVERIFY2(text.contains(colour, Qt::CaseInsensitive), qPrintable(colour));
        QVERIFY(text.contains("qproperty-markerSize: " + markerSize + ";"));
        QVERIFY(text.contains("font-size: " + baseFont + ";"));
        for (const char *property :
             {"qproperty-normalBackgroundColor", "qproperty-focusedBackgroundColor",
              "qproperty-pressedBackgroundColor", "qproperty-disabledBackgroundColor"})
            QVERIFY(text.contains(QLatin1String(property)));
        QVERIFY(text.contains("VekDimensionSpinBox QComboBox"));
        // The other theme's arrow must not leak in.
        const QString other = name.startsWith("dark") ? "icons/light/" : "icons/dark/";
        QVERIFY(!text.contains(other));
    }

    void sheetsApplyToWidgets()
    {
        for (const char *name : kSheets) {
            qApp->setStyleSheet(sheet(name));
            QWidget page;
            page.setProperty("main", true);
            auto *layout = new QVBoxLayout(&page);
            auto *bar = new QWidget;
            bar->setProperty("topToolBar", true);
            layout->addWidget(bar);
            auto *spin = new QSpinBox;
            layout->addWidget(spin);
            page.resize(300, 200);
            page.show();
            QVERIFY(QTest::qWaitForWindowExposed(&page));
            QCOMPARE(bar->height(), 32);
            QCOMPARE(bar->minimumHeight(), 32);
        }
        qApp->setStyleSheet(QString());
    }

    // A plain check box must still show whether it is checked under every sheet.
    void sheetsShowCheckMarks()
    {
        for (const char *name : kSheets) {
            qApp->setStyleSheet(sheet(name));
            QCheckBox box(QStringLiteral("Minimum T"));
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            const QImage unchecked = box.grab().toImage();
            box.setChecked(true);
            const QImage checked = box.grab().toImage();
            QVERIFY2(checked != unchecked, name);
        }
        qApp->setStyleSheet(QString());
    }

    // Each sheet names its faces; the program carries them, so none falls back to another.
    void sheetsFindTheirFonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        for (const char *name : kSheets) {
            const bool boldSheet = qstrcmp(name, "dark_large") == 0;
            QTest::addRow("%s text", name) << name << "text"
                                           << "Source Code Pro" << boldSheet;
            QTest::addRow("%s header", name) << name << "header"
                                             << "Source Sans Pro Semibold" << boldSheet;
            QTest::addRow("%s line edit", name) << name << "edit"
                                                << "Source Sans Pro Semibold" << boldSheet;
        }
    }

    void sheetsFindTheirFonts()
    {
        QFETCH(QString, name);
        QFETCH(QString, widget);
        QFETCH(QString, family);
        QFETCH(bool, bold);
        qApp->setStyleSheet(sheet(name.toLatin1().constData()));
        QWidget page;
        auto *layout = new QVBoxLayout(&page);
        QWidget *shown = nullptr;
        if (widget == QLatin1String("edit")) {
            shown = new QLineEdit(QStringLiteral("Arrangement"));
        } else {
            auto *label = new QLabel(QStringLiteral("Found modules"));
            label->setProperty("header", widget == QLatin1String("header"));
            shown = label;
        }
        layout->addWidget(shown);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        const QFontInfo info(shown->font());
        qApp->setStyleSheet(QString());
        QVERIFY2(info.family().compare(family, Qt::CaseInsensitive) == 0,
                 qPrintable(info.family()));
        QCOMPARE(info.bold(), bold);
    }

    void everyIconRenders()
    {
        QStringList paths;
        const QList<QPair<QString, QStringList>> folders = {{"control", kControl},
                                                            {"multimeter_functions", kMeter},
                                                            {"standard_functions", kFunctions},
                                                            {"triggers", kTriggers}};
        int disabled = 0;
        for (const QString theme : {"dark", "light"}) {
            for (const auto &folder : folders) {
                for (const QString &name : folder.second) {
                    paths << QStringLiteral(":/icons/%1/%2/%3.svg").arg(theme, folder.first, name);
                    const QString dis = QStringLiteral(":/icons/%1/%2/%3_dis.svg")
                                                .arg(theme, folder.first, name);
                    if (QFile::exists(dis)) {
                        QCOMPARE(theme, QStringLiteral("dark"));
                        paths << dis;
                        ++disabled;
                    }
                }
            }
        }
        QCOMPARE(disabled, 52);
        for (const QString &name : kControl) {
            if (name != "linked_range_slider" && name != "unlinked_range_slider"
                && name != "measurment" && name != "expand_arrow")
                paths << ":/icons/control/" + name + ".svg";
        }
        for (const QString &name : kMeter)
            paths << ":/icons/multimeter_functions/" + name + ".svg";
        for (const QString &name : kFunctions)
            paths << ":/icons/standard_functions/" + name + ".svg";
        paths << ":/icons/triggers/trigger_edge_falling.svg"
              << ":/icons/error.svg"
              << ":/icons/success.svg"
              << ":/icons/expand_arrow.svg"
              << ":/icons/Quick Mode On-50.png"
              << ":/icons/radiobutton/radiobutton_checked.svg"
              << ":/icons/radiobutton/radiobutton_unchecked.svg"
              << ":/images/corvantaLogo.svg"
              << ":/images/bottom-shadow-border.png"
              << ":/icons/pralune.ico";
        for (const char *box :
             {"checkbox_checked", "checkbox_checked_hover", "checkbox_checked_pressed",
              "checkbox_unchecked", "checkbox_unchecked_hover", "checkbox_unchecked_pressed"})
            paths << QStringLiteral(":/icons/checkbox/%1.png").arg(QLatin1String(box));
        for (const QString &path : qAsConst(paths))
            QVERIFY2(rendersSomething(path), qPrintable(path));
    }

    // Every resource path the sheets, the forms and the code of the shell and the views name
    // exists, and a themed one exists in both sets; a missing icon would show as an empty
    // button with no error anywhere.
    void everyUsedIconExists()
    {
        QSet<QString> absolute; // ":/icons/...", ":/images/..."
        QSet<QString> themed; // "control/close.svg": under ":/icons/dark/" and ":/icons/light/"
        const QRegularExpression sheetUrl(QStringLiteral("url\\((:/[^)]+)\\)"));
        for (const char *name : kSheets)
            collect(sheetUrl, sheet(name), absolute);

        const QRegularExpression literal(
                QStringLiteral("(:/(?:icons|images)/[^\"<>%)]+\\.(?:svg|png|gif|ico))"));
        const QRegularExpression relative(
                QStringLiteral("\"((?:control|multimeter_functions|standard_functions|triggers)/"
                               "[\\w-]+\\.svg)\""));
        const QRegularExpression controlName(QStringLiteral("iconPath\\(\"([\\w-]+\\.svg)\"\\)"));
        int files = 0;
        for (const char *folder : {"ui", "views"}) {
            QDirIterator it(QStringLiteral(PRALUNE_SOURCE_DIR "/") + QLatin1String(folder),
                            {"*.ui", "*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString text = readAll(it.next());
                ++files;
                collect(literal, text, absolute);
                collect(relative, text, themed);
                QSet<QString> names;
                collect(controlName, text, names);
                for (const QString &name : qAsConst(names))
                    themed << QStringLiteral("control/") + name;
            }
        }
        // The scan itself must have found what is known to be there.
        QVERIFY(files > 20);
        QVERIFY(absolute.contains(":/icons/pralune.ico"));
        QVERIFY(absolute.contains(":/icons/dark/control/expand_arrow.svg"));
        QVERIFY(themed.contains("control/close.svg"));
        QVERIFY(themed.contains("control/linked_range_slider.svg"));

        for (const QString &name : qAsConst(themed))
            absolute << ":/icons/dark/" + name << ":/icons/light/" + name;
        for (const QString &path : qAsConst(absolute)) {
            QVERIFY2(QFile::exists(path), qPrintable(path));
            const QString other = otherTheme(path);
            QVERIFY2(other.isEmpty() || QFile::exists(other), qPrintable(other));
        }
    }

    // Buttons shown disabled draw their own grey icon in the dark set: the pinned frame's two
    // buttons when its view is in error, and the power supply's output switch.
    void disabledDarkIcons_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"close", "fullscreen", "power"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void disabledDarkIcons()
    {
        QFETCH(QString, name);
        const QString normal = ":/icons/dark/control/" + name + ".svg";
        const QString disabled = ":/icons/dark/control/" + name + "_dis.svg";
        QVERIFY(rendersSomething(disabled));
        QVERIFY(readAll(disabled) != readAll(normal));
    }

    // Qt's own file dialog (the only one on this platform) shows the names it lists in every
    // sheet, picked or not: in its detail tree, its list and its side bar.
    void fileDialogShowsNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("view");
        QTest::addColumn<bool>("selected");
        for (const char *name : kSheets) {
            for (const char *view : {"treeView", "listView", "sidebar"}) {
                QTest::addRow("%s %s", name, view) << name << view << false;
                QTest::addRow("%s %s selected", name, view) << name << view << true;
            }
        }
    }

    void fileDialogShowsNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, view);
        QFETCH(bool, selected);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString fileName = QStringLiteral("waveform_probe.csv");
        const QString filePath = QDir(folder.path()).filePath(fileName);
        QFile file(filePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0;1\n");
        file.close();

        qApp->setStyleSheet(sheet(name.toLatin1().constData()));
        QFileDialog dialog(nullptr, QStringLiteral("Save data"), folder.path(),
                           QStringLiteral("Text files (*.csv)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setSidebarUrls({QUrl::fromLocalFile(folder.path())});
        dialog.setViewMode(view == QLatin1String("listView") ? QFileDialog::List
                                                             : QFileDialog::Detail);
        dialog.resize(700, 450);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        auto *items = dialog.findChild<QAbstractItemView *>(view);
        QVERIFY(items);
        QModelIndex index;
        QString shown;
        if (view == QLatin1String("sidebar")) {
            index = items->model()->index(0, 0);
            shown = QFileInfo(folder.path()).fileName();
        } else {
            auto *model = qobject_cast<QFileSystemModel *>(items->model());
            QVERIFY(model);
            QTRY_VERIFY(model->index(filePath).isValid()
                        && items->visualRect(model->index(filePath)).isValid());
            index = model->index(filePath);
            shown = fileName;
        }
        QVERIFY(index.isValid());
        QCOMPARE(index.data().toString(), shown);
        if (selected)
            items->selectionModel()->select(
                    index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        else
            items->selectionModel()->clearSelection();
        QVERIFY(items->isVisible());
        const double seen = nameContrast(items, index, shown);
        qApp->setStyleSheet(QString());
        QVERIFY2(seen >= 3.0, qPrintable(QString::number(seen)));
    }

    void busyIndicatorAnimates()
    {
        QImageReader reader(QStringLiteral(":/icons/busy-indicator.gif"));
        QVERIFY(reader.supportsAnimation());
        QVERIFY(reader.imageCount() > 1);
        const QImage first = reader.read();
        const QImage second = reader.read();
        QVERIFY(!first.isNull() && !second.isNull());
        QVERIFY(first != second);
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
