#include "assets/assets.h"
#include "resources/resourcehx9.h"
#include "resources/resourcerv38.h"
#include "resources/resourcestate.h"
#include "support/screenshotstyles.h"
#include "tests/views/support/modalanswers.h"
#include "ui/viewbase/measurementsbutton.h"
#include "vekwidgets/vekdimensionspinbox.h"
#include "views/multimeter/evaluatesettingswidget.h"
#include "views/oscilloscope/customplot.h"
#include "views/oscilloscope/digitaloscilloscopepinnedwidget.h"
#include "views/oscilloscope/digitaloscilloscopeview.h"
#include "views/oscilloscope/digitaloscilloscopewidget.h"
#include "views/oscilloscope/markercollectionwidget.h"
#include "views/oscilloscope/plotarea.h"
#include "views/oscilloscope/valuemarker.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <csignal>

#include <memory>

namespace {

using Lists = std::vector<std::vector<EvaluationType>>;

// The demonstration oscilloscope, with the calls the view makes recorded and no acquisition.
class RecordingScope : public ResourceHX9
{
public:
    void start(DigitalOscilloscopeStartType startType) override
    {
        calls << QStringLiteral("start %1").arg(int(startType));
    }
    void stop() override { calls << QStringLiteral("stop"); }
    void configureTimeParameters(DigitalOscilloscopeTimeParameters parameters) override
    {
        calls << QStringLiteral("time");
        ResourceHX9::configureTimeParameters(parameters);
    }
    void configureEvaluationTypes(const Lists &lists) override
    {
        calls << QStringLiteral("evaluations");
        ResourceHX9::configureEvaluationTypes(lists);
    }
    QString description() const override { return QStringLiteral("A::B/C"); }
    QStringList calls;
};

DigitalOscilloscopeWidget *panelOf(DigitalOscilloscopeView &view)
{
    return static_cast<DigitalOscilloscopeWidget *>(view.fullScreenUserInterface());
}

QVector<double> square(int count)
{
    QVector<double> samples(count);
    for (int i = 0; i < count; ++i)
        samples[i] = (i / 50) % 2 ? -1.0 : 1.0;
    return samples;
}

// A 1 kHz sine of 2 V on channel 1 and half of it on channel 2, over the panel's scan.
QVector<QVector<double>> sineFrame(double period, int count)
{
    QVector<QVector<double>> frame(3);
    for (int i = 0; i < count; ++i) {
        const double value = 2.0 * std::sin(2.0 * M_PI * 1000.0 * period * i);
        frame[0].append(value);
        frame[1].append(value / 2.0);
    }
    return frame;
}

// While it lives no file of this process grows past `bytes`: a write beyond fails as on a
// full disk, instead of stopping the process with SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_old {};
    void (*m_signal)(int) = SIG_DFL;
};

// Permissions do not bind an administrator, and the tests may run as one: while it lives,
// this thread's file access is checked as an ordinary user's would be.
class OrdinaryUserFiles
{
public:
    OrdinaryUserFiles()
    {
        if (geteuid() == 0)
            m_old = int(setfsuid(NobodyId));
    }
    ~OrdinaryUserFiles()
    {
        if (m_old >= 0)
            setfsuid(uid_t(m_old));
    }
    OrdinaryUserFiles(const OrdinaryUserFiles &) = delete;
    OrdinaryUserFiles &operator=(const OrdinaryUserFiles &) = delete;

private:
    static constexpr uid_t NobodyId = 65534;
    int m_old = -1;
};

// Whether a new file can be made in folder.
bool folderWritable(const QString &folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.remove();
    return true;
}

} // namespace

Q_DECLARE_METATYPE(ScreenshotStyle)

class TestDigitalOscilloscopeView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        initPraluneAssets();
        qRegisterMetaType<Lists>();
        qRegisterMetaType<DigitalOscilloscopeView::EvaluationValueList>();
    }

    void bindingMakesEachConnectionOnce_data()
    {
        QTest::addColumn<bool>("panelFirst");
        QTest::newRow("panel before the resource") << true;
        QTest::newRow("resource before the panel") << false;
    }
    void bindingMakesEachConnectionOnce()
    {
        QFETCH(bool, panelFirst);
        DigitalOscilloscopeView view;
        auto scope = std::make_shared<RecordingScope>();
        std::shared_ptr<ResourceInterface> resource = scope;
        if (panelFirst)
            QVERIFY(view.fullScreenUserInterface());
        view.resourceApplied(resource);
        view.resourceApplied(resource);
        DigitalOscilloscopeWidget *panel = panelOf(view);
        QCOMPARE(view.fullScreenUserInterface(), panel);
        QCOMPARE(view.pinnedUserInterface(), view.pinnedUserInterface());
        QCOMPARE(view.settingsUserInterface(), view.settingsUserInterface());
        QCOMPARE(panel->deviceName(), QStringLiteral("A_B_C"));

        scope->calls.clear();
        panel->autoStartModeHandler();
        QCOMPARE(scope->calls,
                 QStringList({"time",
                              QStringLiteral("start %1").arg(int(DigitalOscilloscopeAutomatic))}));
        scope->calls.clear();
        emit panel->stopMeasurement();
        QCOMPARE(scope->calls, QStringList({"stop"}));

        // A new selection reaches the resource and comes back at once, with the old values.
        QSignalSpy values(&view, &DigitalOscilloscopeView::evaluationValuesChanged);
        scope->calls.clear();
        const Lists chosen = {{EvaluationMean}, {}, {}};
        panel->setEvaluationTypes(chosen);
        QCOMPARE(scope->calls, QStringList({"evaluations"}));
        QCOMPARE(values.count(), 1);
        QCOMPARE(scope->evaluationTypes(), chosen);
        QCOMPARE(view.evaluationTypes(), chosen);
    }

    // The shell builds the panel before the resource arrives: binding must keep the selection
    // the resource has stored, and the panel shows it.
    void bindingKeepsTheStoredSelection()
    {
        DigitalOscilloscopeView view;
        auto scope = std::make_shared<RecordingScope>();
        const Lists stored = {{EvaluationMean}, {}, {}};
        scope->ResourceHX9::configureEvaluationTypes(stored);
        std::shared_ptr<ResourceInterface> resource = scope;
        DigitalOscilloscopeWidget *panel = panelOf(view);
        view.resourceApplied(resource);
        QCOMPARE(scope->evaluationTypes(), stored);
        QCOMPARE(view.evaluationTypes(), stored);
        QCOMPARE(panel->evaluationTypes(), stored);
    }

    void restartKeepsThePrehistory_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("blocks");
        // Below the default time base's one block, and at the stored time base's maximum.
        QTest::newRow("three blocks at 200 us/div") << 16 << 3;
        QTest::newRow("one block at 10 ns/div") << 3 << 1;
        QTest::newRow("longest at 200 us/div") << 16 << -1;
        QTest::newRow("at the default time base") << 25 << 7;
    }
    void restartKeepsThePrehistory()
    {
        QFETCH(int, index);
        QFETCH(int, blocks);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("HX9_state.ini"));
        double chosen = 0.0;
        {
            // The first run: the user picks a time base and a prehistory; the state is saved.
            DigitalOscilloscopeView view;
            auto scope = std::make_shared<RecordingScope>();
            std::shared_ptr<ResourceInterface> resource = scope;
            DigitalOscilloscopeWidget *panel = panelOf(view);
            view.resourceApplied(resource);
            const char *name = index < panel->timeDivisionIndex() ? "timeDivDecreaseButton"
                                                                  : "timeDivIncreaseButton";
            while (panel->timeDivisionIndex() != index)
                panel->findChild<QToolButton *>(QLatin1String(name))->click();
            const double step = 32.0 * panel->getPeriodValue();
            chosen = blocks > 0 ? blocks * step : panel->getScanTimeValue() - step;
            panel->findChild<VekDimensionSpinBox *>("prehistorySpinBox")->setValue(chosen);
            QCOMPARE(panel->triggerParameters().prehistory, chosen);
            QCOMPARE(scope->triggerParameters().prehistory, chosen);
            QCOMPARE(scope->channelXIndex(), index);
            saveStateToFile(scope->storeState(), file);
        }
        // The restart: the shell builds the panel before the restored resource arrives.
        DigitalOscilloscopeView view;
        auto scope = std::make_shared<RecordingScope>();
        scope->restoreState(loadStateFromFile(file));
        QCOMPARE(scope->triggerParameters().prehistory, chosen);
        std::shared_ptr<ResourceInterface> resource = scope;
        DigitalOscilloscopeWidget *panel = panelOf(view);
        view.resourceApplied(resource);
        QCOMPARE(panel->timeDivisionIndex(), index);
        QCOMPARE(panel->findChild<VekDimensionSpinBox *>("prehistorySpinBox")->value(), chosen);
        QCOMPARE(panel->triggerParameters().prehistory, chosen);
        QCOMPARE(scope->triggerParameters().prehistory, chosen);

        // The time mark stands at the restored prehistory, before anybody touches it, on the
        // time scale the plot shows.
        panel->resize(1024, 600);
        panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        QCoreApplication::processEvents();
        ValueMarker *mark = panel->plotArea()->timeMarker();
        QCOMPARE(mark->value(), chosen);
        // The plot's visible span of the restored time base.
        const auto scale = mark->scale();
        QCOMPARE(scale.second - scale.first,
                 8.0 * DigitalOscilloscopeWidget::horizontalDivisions.at(std::size_t(index)));
        MarkerCollectionWidget *strip = nullptr;
        for (auto *candidate : panel->plotArea()->findChildren<MarkerCollectionWidget *>()) {
            if (candidate->markers().contains(mark))
                strip = candidate;
        }
        QVERIFY(strip);
        // Inside the scale at its place; before the left edge pinned there.
        QSignalSpy drawn(mark, &ValueMarker::positionChanged);
        strip->repaint();
        QVERIFY(!drawn.isEmpty());
        if (chosen > scale.first + mark->eps() && chosen < scale.second - mark->eps()) {
            QCOMPARE(mark->position(), 0);
            QCOMPARE(drawn.last().first().toDouble(), double(strip->positionScaled(mark, chosen)));
        } else {
            QCOMPARE(mark->position(), chosen < scale.first + mark->eps() ? 2 : 1);
        }
    }

    void firstStartPrehistoryLiesInsideTheRange_data()
    {
        QTest::addColumn<bool>("panelFirst");
        QTest::newRow("panel before the resource") << true;
        QTest::newRow("resource before the panel") << false;
    }
    // The demonstration oscilloscope never used: its default prehistory is shorter than one
    // block of any time base, and the panel's correction reaches the resource and its state.
    void firstStartPrehistoryLiesInsideTheRange()
    {
        QFETCH(bool, panelFirst);
        DigitalOscilloscopeView view;
        auto scope = std::make_shared<RecordingScope>();
        std::shared_ptr<ResourceInterface> resource = scope;
        if (panelFirst)
            QVERIFY(view.fullScreenUserInterface());
        view.resourceApplied(resource);
        DigitalOscilloscopeWidget *panel = panelOf(view);
        const double step = 32.0 * panel->getPeriodValue();
        const double maximum = panel->getScanTimeValue() - step;
        const double prehistory = panel->triggerParameters().prehistory;
        QVERIFY2(prehistory >= step * (1.0 - 1e-9) && prehistory <= maximum,
                 qPrintable(QString::number(prehistory)));
        QCOMPARE(panel->findChild<VekDimensionSpinBox *>("prehistorySpinBox")->value(), prehistory);
        QCOMPARE(scope->triggerParameters().prehistory, prehistory);
        QCOMPARE(scope->storeState().value(QStringLiteral("trigger_prehistory")).toDouble(),
                 prehistory);
        // A run and a stop change nothing of it.
        panel->autoStartModeHandler();
        panel->stopModeHandler();
        QCOMPARE(scope->triggerParameters().prehistory, prehistory);
    }

    void foreignResourceBindsNothing()
    {
        DigitalOscilloscopeView view;
        std::shared_ptr<ResourceInterface> resource = std::make_shared<ResourceRV38>();
        view.resourceApplied(resource);
        // Still the defaults of an unbound view, and the panel works unbound.
        QCOMPARE(view.evaluationTypes().size(), std::size_t(3));
        QVERIFY(view.evaluationValues().empty());
        QVERIFY(view.fullScreenUserInterface());
        view.setEvaluationData(1e-6, {square(200)}, 0, 200);
    }

    void measurementsOverTheVisibleSamples()
    {
        DigitalOscilloscopeView view;
        auto scope = std::make_shared<RecordingScope>();
        std::shared_ptr<ResourceInterface> resource = scope;
        view.resourceApplied(resource);
        DigitalOscilloscopeWidget *panel = panelOf(view);
        view.setEvaluationTypes({{EvaluationPeakToPeak, EvaluationMean, EvaluationRms},
                                 {EvaluationMean},
                                 {EvaluationMean}});
        view.setEvaluationData(1e-6, {square(400), square(400), QVector<double>(400, 0.5)}, 0, 400);
        QCOMPARE(view.evaluationValues()[2].value(EvaluationMean), 0.5);

        // The math channel off: its row is empty and keeps its values. Channel 2 is shorter
        // than the plot's window: nothing past its end is read.
        view.setEvaluationData(1e-6, {square(400), square(10), {}}, 100, 400);
        const auto &values = view.evaluationValues();
        QVERIFY(qAbs(values[0].value(EvaluationPeakToPeak) - 2.0) < 1e-9);
        QVERIFY(qAbs(values[0].value(EvaluationMean)) < 1e-9);
        QVERIFY(qAbs(values[0].value(EvaluationRms) - 1.0) < 1e-9);
        QCOMPARE(values[2].value(EvaluationMean), 0.5);

        const auto &buttons = panel->measurementButtons();
        QCOMPARE(buttons[0].size(), std::size_t(3));
        QCOMPARE(buttons[0][0]->measurementName(), QStringLiteral("Pk-Pk"));
        QCOMPARE(buttons[2].size(), std::size_t(1));
    }

    void miniatureTakesThePanelsColours_data()
    {
        QTest::addColumn<bool>("miniatureFirst");
        QTest::newRow("miniature first") << true;
        QTest::newRow("panel first") << false;
    }
    void miniatureTakesThePanelsColours()
    {
        QFETCH(bool, miniatureFirst);
        DigitalOscilloscopeView view;
        if (miniatureFirst)
            view.pinnedUserInterface();
        DigitalOscilloscopeWidget *panel = panelOf(view);
        auto *pinned = static_cast<DigitalOscilloscopePinnedWidget *>(view.pinnedUserInterface());
        // Exactly one connection: the first disconnect finds it, the second finds none.
        QVERIFY(QObject::disconnect(panel, &DigitalOscilloscopeWidget::colorsChahged, pinned,
                                    &DigitalOscilloscopePinnedWidget::setChannelColors));
        QVERIFY(!QObject::disconnect(panel, &DigitalOscilloscopeWidget::colorsChahged, pinned,
                                     &DigitalOscilloscopePinnedWidget::setChannelColors));
    }

    void stripLayout_data()
    {
        QTest::addColumn<std::vector<int>>("counts");
        QTest::addColumn<QList<QPoint>>("cells"); // (row, column) of each button in order
        QTest::newRow("3, 2, 1") << std::vector<int> {3, 2, 1}
                                 << QList<QPoint> {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}};
        QTest::newRow("4, 4, 0") << std::vector<int> {4, 4, 0}
                                 << QList<QPoint> {{0, 0}, {1, 0}, {0, 1}, {1, 1},
                                                   {0, 2}, {1, 2}, {0, 3}, {1, 3}};
    }
    void stripLayout()
    {
        QFETCH(std::vector<int>, counts);
        QFETCH(QList<QPoint>, cells);
        DigitalOscilloscopeWidget panel;
        Lists types;
        for (int count : counts)
            types.push_back(std::vector<EvaluationType>(std::size_t(count), EvaluationMean));
        panel.setEvaluationValues(types, {});
        int n = 0;
        for (const auto &group : panel.measurementButtons()) {
            for (MeasurementsButton *button : group) {
                auto *grid = qobject_cast<QGridLayout *>(button->parentWidget()->layout());
                QVERIFY(grid);
                int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
                grid->getItemPosition(grid->indexOf(button), &row, &column, &rowSpan, &columnSpan);
                QCOMPARE(QPoint(row, column), cells.value(n));
                QCOMPARE(button->valueText().isEmpty(), false);
                ++n;
            }
        }
        QCOMPARE(n, cells.size());

        // New kinds in equal counts relabel the same buttons.
        const auto before = panel.measurementButtons();
        for (auto &group : types)
            std::fill(group.begin(), group.end(), EvaluationRms);
        panel.setEvaluationValues(types, {});
        QCOMPARE(panel.measurementButtons(), before);
    }

    void selectionEmitsOnlyOnADifference()
    {
        DigitalOscilloscopeWidget panel;
        QSignalSpy spy(&panel, &DigitalOscilloscopeWidget::evaluationTypesChanged);
        const Lists selection = {{EvaluationMean, EvaluationRms}, {}, {}};
        panel.setEvaluationTypes(selection);
        panel.setEvaluationTypes(selection);
        QCOMPARE(spy.count(), 1);
        panel.setEvaluationTypes({{EvaluationRms, EvaluationMean}, {}, {}});
        QCOMPARE(spy.count(), 2);
    }

    void exportDefaultsAndFiles()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        DigitalOscilloscopeView view;
        auto scope = std::make_shared<RecordingScope>();
        std::shared_ptr<ResourceInterface> resource = scope;
        view.resourceApplied(resource);
        DigitalOscilloscopeWidget *panel = panelOf(view);
        panel->resize(900, 700);
        ModalAnswers modal;

        // No frame yet: nothing to save and no dialog.
        emit view.saveDataRequested();
        QCOMPARE(modal.fileDialogs().size(), 0);

        const QRegularExpression name(
                "^" + QRegularExpression::escape(QDir(QDir::homePath()).absolutePath())
                + "/A_B_C_\\d{4}_\\d{2}_\\d{2}_\\d{2}_\\d{2}_\\d{2}\\.png$");
        const QString png = dir.filePath("frame.png");
        modal.answerFileDialog(png);
        emit view.savePictureRequested();
        QCOMPARE(modal.fileDialogs().size(), 1);
        QVERIFY2(name.match(modal.fileDialogs().first().directory).hasMatch(),
                 qPrintable(modal.fileDialogs().first().directory));
        QCOMPARE(QImage(png).size(), panel->plot()->grab().size());
        QCOMPARE(panel->exportFolder(), dir.path());

        QVector<QVector<double>> frame = {{1, 2, 3}, {4}, {5, 6, 7}};
        panel->setOscilloscopeData(0.0, frame);
        const QString csv = dir.filePath("frame.csv");
        modal.answerFileDialog(csv);
        emit view.saveDataRequested();
        QCOMPARE(modal.fileDialogs().size(), 2);
        QVERIFY(modal.fileDialogs().last().directory.startsWith(dir.path() + "/A_B_C_"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines.first(), QStringLiteral("channel 1;channel 2;channel 3"));
        QCOMPARE(modal.messageBoxes().size(), 0);

        // A file that cannot be written is reported with its path.
        const QString blocked = dir.filePath("missing/folder/frame.csv");
        modal.answerFileDialog(blocked);
        emit view.saveDataRequested();
        QCOMPARE(modal.messageBoxes().size(), 1);
        QVERIFY(modal.messageBoxes().first().text.contains(QDir::toNativeSeparators(blocked)));
    }

    // A full disk, a folder the user may not write to, or a folder where the file should be:
    // the user is told which file was not saved, and an earlier picture stays as it was.
    void failedPictureKeepsTheEarlierFile_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("writes fail") << QStringLiteral("writes");
        QTest::newRow("read-only folder") << QStringLiteral("read-only");
        QTest::newRow("path is a folder") << QStringLiteral("folder");
    }
    void failedPictureKeepsTheEarlierFile()
    {
        QFETCH(QString, failure);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        DigitalOscilloscopeView view;
        auto scope = std::make_shared<RecordingScope>();
        std::shared_ptr<ResourceInterface> resource = scope;
        view.resourceApplied(resource);
        panelOf(view)->resize(900, 700);

        const QString folder = dir.filePath(QStringLiteral("pictures"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/frame.png");
        QString earlier = path;
        if (failure == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
            earlier = path + QStringLiteral("/inside.png");
        }
        const QByteArray content(110, 'p');
        {
            QFile file(earlier);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(content), content.size());
        }

        ModalAnswers modal;
        modal.answerFileDialog(path);
        if (failure == QLatin1String("writes")) {
            // As on a disk that fills up: no file grows past the size of the earlier one.
            FileSizeLimit limit(rlim_t(content.size()));
            emit view.savePictureRequested();
        } else if (failure == QLatin1String("read-only")) {
            // Open to everyone but for the folder's writing: the earlier file stays writable.
            const auto open = QFileDevice::ReadOwner | QFileDevice::ExeOwner
                    | QFileDevice::ReadOther | QFileDevice::ExeOther;
            QVERIFY(QFile::setPermissions(dir.path(), open | QFileDevice::WriteOwner));
            QVERIFY(QFile::setPermissions(folder, open));
            QVERIFY(QFile::setPermissions(earlier,
                                          QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                  | QFileDevice::ReadOther
                                                  | QFileDevice::WriteOther));
            bool writable = true;
            {
                OrdinaryUserFiles user;
                writable = folderWritable(folder);
                if (!writable)
                    emit view.savePictureRequested();
            }
            QVERIFY(QFile::setPermissions(folder, open | QFileDevice::WriteOwner));
            if (writable)
                QSKIP("no folder here refuses this user");
        } else {
            emit view.savePictureRequested();
        }

        QCOMPARE(modal.fileDialogs().size(), 1);
        QCOMPARE(modal.messageBoxes().size(), 1);
        QVERIFY2(modal.messageBoxes().first().text.contains(QDir::toNativeSeparators(path)),
                 qPrintable(modal.messageBoxes().first().text));
        QFile file(earlier);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), content);
        // Nor is a partial copy left beside it.
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList {QStringLiteral("frame.png")});
    }

    // At the window's first width, in either font size and language, every measurement button
    // of the default selection is whole inside the strip and as wide as its widest value
    // needs: the columns that do not fit wrap below. Pictures of it when asked for.
    void stripFitsTheFirstWidth_data()
    {
        QTest::addColumn<ScreenshotStyle>("style");
        QList<ScreenshotStyle> styles = screenshotStyles();
        styles.append({"light", true, "en"});
        for (const ScreenshotStyle &style : styles)
            QTest::newRow(qPrintable(style.suffix())) << style;
    }
    void stripFitsTheFirstWidth()
    {
        QFETCH(ScreenshotStyle, style);
        applyScreenshotStyle(style);
        const auto plainAgain = qScopeGuard(resetScreenshotStyle);
        DigitalOscilloscopeView view;
        auto scope = std::make_shared<RecordingScope>();
        std::shared_ptr<ResourceInterface> resource = scope;
        view.resourceApplied(resource);
        QWidget *full = view.fullScreenUserInterface();
        auto *panel = static_cast<DigitalOscilloscopeWidget *>(full);
        QEvent change(QEvent::StyleChange);
        QCoreApplication::sendEvent(full, &change);
        full->resize(1024, 768);
        full->show();
        QVERIFY(QTest::qWaitForWindowExposed(full));
        panel->setDefaultHorizontalIndex(17);
        QVector<QVector<double>> frame = sineFrame(
                panel->getPeriodValue(), int(panel->getScanTimeValue() / panel->getPeriodValue()));
        emit scope->dataChanged(0.0, frame);
        // A strip that wraps asks its frames for more height one nesting level per pass.
        for (int pass = 0; pass < 5; ++pass)
            QCoreApplication::processEvents();

        const auto *strip = full->findChild<QWidget *>(QStringLiteral("measurementsFrame"));
        const QRect shown = QRect(strip->mapTo(full, QPoint()), strip->size()) & full->rect();
        int buttons = 0;
        for (const auto &group : panel->measurementButtons()) {
            for (const MeasurementsButton *button : group) {
                const QRect place(button->mapTo(full, QPoint()), button->size());
                QVERIFY2(shown.contains(place),
                         qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                            .arg(button->measurementName())
                                            .arg(place.x())
                                            .arg(place.y())
                                            .arg(place.width())
                                            .arg(place.height())));
                QVERIFY(button->width() >= button->sizeHint().width());
                ++buttons;
            }
        }
        QCOMPARE(buttons, 12);
        const QString dir = screenshotDirectory();
        if (!dir.isEmpty())
            full->grab().save(
                    QStringLiteral("%1/oscilloscope-strip-1024-%2.png").arg(dir, style.suffix()));
    }

    // Six measurements a row and the math channel on wrap the strip into more rows than its
    // two. At the height the panel has in the first-start window (its minimum) and a little
    // more, in either font size and language, every button is still whole in the part of the
    // panel that is shown: the plot gives up the height. Pictures of it when asked for.
    void wrappedStripStaysVisible_data()
    {
        QTest::addColumn<ScreenshotStyle>("style");
        QTest::addColumn<Lists>("chosen");
        QTest::addColumn<int>("height");
        const std::vector<EvaluationType> six = {EvaluationAmplitude,  EvaluationMean,
                                                 EvaluationRms,        EvaluationFrequency,
                                                 EvaluationPeakToPeak, EvaluationPeriod};
        const QList<QPair<const char *, Lists>> selections = {
                {"six for channel 1", {six, DefaultEvaluations, DefaultEvaluations}},
                {"six a row", {six, six, six}}};
        QList<ScreenshotStyle> styles = screenshotStyles();
        styles.append({"light", true, "en"});
        for (const ScreenshotStyle &style : styles) {
            for (const auto &[name, chosen] : selections) {
                for (int height : {600, 635})
                    QTest::newRow(qPrintable(QStringLiteral("%1 %2 %3")
                                                     .arg(style.suffix(), QLatin1String(name))
                                                     .arg(height)))
                            << style << chosen << height;
            }
        }
    }
    void wrappedStripStaysVisible()
    {
        QFETCH(ScreenshotStyle, style);
        QFETCH(Lists, chosen);
        QFETCH(int, height);
        applyScreenshotStyle(style);
        const auto plainAgain = qScopeGuard(resetScreenshotStyle);
        DigitalOscilloscopeView view;
        auto scope = std::make_shared<RecordingScope>();
        std::shared_ptr<ResourceInterface> resource = scope;
        view.resourceApplied(resource);
        QWidget *full = view.fullScreenUserInterface();
        auto *panel = static_cast<DigitalOscilloscopeWidget *>(full);
        QEvent change(QEvent::StyleChange);
        QCoreApplication::sendEvent(full, &change);
        full->resize(1024, height);
        full->show();
        QVERIFY(QTest::qWaitForWindowExposed(full));
        full->findChild<QCheckBox *>(QStringLiteral("mathChannelCheckBox"))->setChecked(true);
        panel->setEvaluationTypes(chosen);
        panel->setDefaultHorizontalIndex(17);
        QVector<QVector<double>> frame = sineFrame(
                panel->getPeriodValue(), int(panel->getScanTimeValue() / panel->getPeriodValue()));
        emit scope->dataChanged(0.0, frame);
        // The strip's earlier buttons go at the next turn of the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (int pass = 0; pass < 5; ++pass)
            QCoreApplication::processEvents();

        QCOMPARE(full->size(), QSize(1024, height));
        int buttons = 0;
        for (const auto &group : panel->measurementButtons()) {
            for (const MeasurementsButton *button : group) {
                // What each frame around the button lets through of it.
                QRect shown = button->rect();
                for (const QWidget *w = button; w != full; w = w->parentWidget())
                    shown = shown.translated(w->pos()) & w->parentWidget()->rect();
                const QRect place(button->mapTo(full, QPoint()), button->size());
                QVERIFY2(button->isVisibleTo(full) && shown == place,
                         qPrintable(QStringLiteral("%1 at %2,%3 %4x%5, %6 px of it shown")
                                            .arg(button->measurementName())
                                            .arg(place.x())
                                            .arg(place.y())
                                            .arg(place.width())
                                            .arg(place.height())
                                            .arg(shown.height())));
                ++buttons;
            }
        }
        int expected = 0;
        for (const auto &row : chosen)
            expected += int(row.size());
        QCOMPARE(buttons, expected);
        const QString dir = screenshotDirectory();
        if (!dir.isEmpty())
            full->grab().save(QStringLiteral("%1/oscilloscope-wrapped-%2-%3-%4.png")
                                      .arg(dir, style.suffix())
                                      .arg(expected)
                                      .arg(height));
    }

    // In every look the two names of the trigger source switch keep apart: each half keeps
    // room on both sides of its text, however narrow the layout may make it.
    void triggerSourceNamesKeepApart_data()
    {
        QTest::addColumn<ScreenshotStyle>("style");
        QList<ScreenshotStyle> styles = screenshotStyles();
        styles.append({"light", true, "en"});
        for (const ScreenshotStyle &style : styles)
            QTest::newRow(qPrintable(style.suffix())) << style;
    }
    void triggerSourceNamesKeepApart()
    {
        QFETCH(ScreenshotStyle, style);
        applyScreenshotStyle(style);
        const auto plainAgain = qScopeGuard(resetScreenshotStyle);
        DigitalOscilloscopeView view;
        QWidget *full = view.fullScreenUserInterface();
        QEvent change(QEvent::StyleChange);
        QCoreApplication::sendEvent(full, &change);
        full->resize(1024, 600);
        full->show();
        QVERIFY(QTest::qWaitForWindowExposed(full));
        QCoreApplication::processEvents();
        auto *source = full->findChild<QWidget *>(QStringLiteral("triggerSourceDoubleSwitch"));
        const auto halves = source->findChildren<QPushButton *>();
        QCOMPARE(halves.size(), 2);
        for (const QPushButton *half : halves) {
            const int text = half->fontMetrics().horizontalAdvance(half->text());
            // However narrow the side column comes, as at the first start in the large font.
            const int least = std::max(half->minimumWidth(), half->minimumSizeHint().width());
            QVERIFY2(least - text >= 12 && half->width() >= least,
                     qPrintable(QStringLiteral("%1: %2 px for %3 px of text")
                                        .arg(half->text())
                                        .arg(half->width())
                                        .arg(text)));
        }
    }

    void screenshots()
    {
        const QString dir = screenshotDirectory();
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        for (const ScreenshotStyle &style : screenshotStyles()) {
            applyScreenshotStyle(style);
            DigitalOscilloscopeView view;
            auto scope = std::make_shared<RecordingScope>();
            std::shared_ptr<ResourceInterface> resource = scope;
            view.resourceApplied(resource);
            QWidget *full = view.fullScreenUserInterface();
            QWidget *pinned = view.pinnedUserInterface();
            QWidget *settings = view.settingsUserInterface();
            auto *panel = static_cast<DigitalOscilloscopeWidget *>(full);
            QEvent change(QEvent::StyleChange);
            QCoreApplication::sendEvent(full, &change);
            full->resize(1280, 720);
            full->show();
            pinned->show();
            settings->show();
            QVERIFY(QTest::qWaitForWindowExposed(full));
            panel->setDefaultHorizontalIndex(17);
            QVector<QVector<double>> frame =
                    sineFrame(panel->getPeriodValue(),
                              int(panel->getScanTimeValue() / panel->getPeriodValue()));
            emit scope->dataChanged(0.0, frame);
            QCoreApplication::processEvents();
            full->grab().save(
                    QStringLiteral("%1/oscilloscope-view-%2.png").arg(dir, style.suffix()));
            pinned->grab().save(QStringLiteral("%1/oscilloscope-view-miniature-%2.png")
                                        .arg(dir, style.suffix()));
            settings->grab().save(QStringLiteral("%1/oscilloscope-view-settings-%2.png")
                                          .arg(dir, style.suffix()));
        }
        resetScreenshotStyle();
    }
};

QTEST_MAIN(TestDigitalOscilloscopeView)
#include "tst_digitaloscilloscopeview.moc"
