#include "tests/views/support/screenshotlooks.h"
#include "views/functiongenerator/functiongeneratorwidget.h"

#include "app/options.h"
#include "app/translationloader.h"
#include "assets/assets.h"
#include "orvexplotwidget/orvexplotwidget.h"
#include "resources/functiongeneratorawgfilescollection.h"
#include "support/generatortesthelpers.h"
#include "tests/views/support/modalanswers.h"
#include "vekwidgets/vekmultiswitch.h"
#include "views/functiongenerator/functiongeneratorawgdatalistmodel.h"
#include "views/functiongenerator/functiongeneratorwidgetinternal.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <qwt_plot_curve.h>
#include <qwt_scale_div.h>

#include <cmath>
#include <memory>
#include <unistd.h>

using AwgOptions = FunctionGeneratorAWGOptions;

namespace {

FunctionGeneratorAwgFilesCollection &files()
{
    return FunctionGeneratorAwgFilesCollection::instance();
}

QStringList items(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

AwgOptions awg(const QString &file, unsigned channel = 0)
{
    AwgOptions o;
    o.file = file;
    o.channel = channel;
    return o;
}

} // namespace

class TestFunctionGeneratorWaveform : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    int m_written = 0;

    // A source file for an import, outside the collection's folder.
    QString write(const QString &name, const QByteArray &content)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // A file already in the collection, with content of its own unless given.
    int imported(const QString &name, QByteArray content = QByteArray())
    {
        if (content.isEmpty())
            content = QByteArray::number(++m_written) + ";2\n3;4\n";
        return files().addCopy(write(name, content));
    }

    static FunctionGeneratorWidget::Internal &state(FunctionGeneratorWidget &panel)
    {
        return *panel.d;
    }

    static QComboBox *fileSelector(const QWidget &panel)
    {
        return child<QComboBox>(panel, "awgDataFileComboBox");
    }

    static QComboBox *signalSelector(const QWidget &panel)
    {
        return child<QComboBox>(panel, "awgDataChannelComboBox");
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("corvanta"));
        QCoreApplication::setApplicationName(QStringLiteral("pralune"));
        QVERIFY(QDir().mkpath(FunctionGeneratorAwgFilesCollection::dataPath()));
        initPraluneAssets();
    }

    void init()
    {
        while (files().count() > 0)
            files().remove(0);
    }

    void namesAndOrder()
    {
        for (const char *name : {"sine_2.csv", "run.2.csv", "noext", "B.csv", "a.csv"})
            QVERIFY(imported(QString::fromLatin1(name)) >= 0);
        FunctionGeneratorAwgDataListModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        FunctionGeneratorWidget panel;
        QCOMPARE(items(fileSelector(panel)), QStringList({"B", "a", "noext", "run", "sine_2"}));
        QVERIFY(imported(QStringLiteral("C.csv")) >= 0);
        QCOMPARE(items(fileSelector(panel)).mid(0, 3), QStringList({"B", "C", "a"}));
        QCOMPARE(model.rowCount(), 6);
        QCOMPARE(model.index(0).data(Qt::TextAlignmentRole), QVariant(int(Qt::AlignLeft)));

        QVERIFY(model.removeRows(0, 0));
        QVERIFY(!model.removeRows(6, 1));
        QVERIFY(!model.removeRows(-1, 1));
        QVERIFY(model.removeRows(1, 2));
        QCOMPARE(files().count(), 4);
        QCOMPARE(items(fileSelector(panel)).size(), 4);
    }

    void signalNames_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("header with an empty field")
                << QByteArray("a;;c\n1;2;3\n") << QStringList({"a", "Signal 2", "c"});
        QTest::newRow("no header")
                << QByteArray("1;2\n3;4\n") << QStringList({"Signal 1", "Signal 2"});
    }

    void signalNames()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, names);
        const int row = imported(QStringLiteral("names.csv"), content);
        FunctionGeneratorWidget panel;
        panel.setAWGOptions(0, awg(files().file(row)));
        QCOMPARE(items(signalSelector(panel)), names);
        QVERIFY(signalSelector(panel)->isEnabled());
    }

    void noSignalsNoChoice()
    {
        FunctionGeneratorWidget panel;
        QSignalSpy requests(&panel, &FunctionGeneratorWidget::awgOptionsChanged);
        panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        QCOMPARE(items(signalSelector(panel)), QStringList({"No signal channels"}));
        QVERIFY(!signalSelector(panel)->isEnabled());
        emit signalSelector(panel)->currentIndexChanged(0);
        QCOMPARE(requests.count(), 0);
    }

    void messages_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<unsigned>("channel");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "missing.csv" << 0u << "File missing.csv is not exist";
        QTest::newRow("empty") << "empty.csv" << 0u << "File empty.csv is empty";
        QTest::newRow("not listed")
                << "outside.csv" << 0u << "File outside.csv is not in the AWG files list";
        QTest::newRow("signal beyond the file")
                << "listed" << 2u
                << "The index 3 of the selected signal exceeds the number of signals in the file "
                   "two.csv";
    }

    // Options the panel cannot play are shown as no file, and nothing goes back.
    void messages()
    {
        QFETCH(QString, file);
        QFETCH(unsigned, channel);
        QFETCH(QString, message);
        write(QStringLiteral("empty.csv"), QByteArray(""));
        write(QStringLiteral("outside.csv"), QByteArray("1;2\n"));
        const int row = imported(QStringLiteral("two.csv"));
        const QString path =
                file == QLatin1String("listed") ? files().file(row) : m_dir.filePath(file);
        FunctionGeneratorWidget panel;
        QSignalSpy requests(&panel, &FunctionGeneratorWidget::awgOptionsChanged);
        ModalAnswers modal;
        panel.setAWGOptions(0, awg(path, channel));
        QCOMPARE(modal.messageBoxes().size(), 1);
        const ModalDialogs::MessageBoxRequest &box = modal.messageBoxes().first();
        QCOMPARE(box.text, message);
        QCOMPARE(box.title, QStringLiteral("Error"));
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(box.parent == nullptr);
        QCOMPARE(state(panel).channelOptions[0].awgOptions, AwgOptions());
        QCOMPARE(requests.count(), 0);
        QCOMPARE(files().count(), 1);
    }

    void unreadableFileIsRefused()
    {
        if (::getuid() == 0)
            QSKIP("root reads every file");
        const QString path = write(QStringLiteral("locked.csv"), "1;2\n");
        QFile::setPermissions(path, QFileDevice::WriteOwner);
        FunctionGeneratorWidget panel;
        ModalAnswers modal;
        panel.setAWGOptions(0, awg(path));
        QCOMPARE(modal.messageBoxes().first().text,
                 QStringLiteral("Reading file locked.csv forbidden"));
    }

    void fileFormat_data()
    {
        QTest::addColumn<bool>("importing");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("signal"); // the one chosen for the channel; -1: file refused
        const struct
        {
            const char *name;
            const char *content;
            int signal;
        } cases[] = {
                {"empty first line", "\n1;2\n", -1},
                {"header only", "a;b\n", -1},
                {"header, then garbage", "hello,world\nfoo;bar\n", -1},
                {"comma separators", "1.0,2.0\n3.0,4.0\n", -1},
                {"decimal commas", "1,5;2,5\n3,5;4,5\n", -1},
                {"mostly text", "1;2;3\nx;y;z\nu;v;w\n", -1},
                {"no column playable", "a;b\nx;nan\ny;1\n", -1},
                {"NaN cell in the first column", "1;2\nnan;4\n", 1},
                {"infinite cell in another column", "1;2\n3;-inf\n", 0},
                {"infinity sign in another column", "1;2\n3;\xE2\x88\x9E\n", 0},
                {"text column first", "name;value\nfoo;1.0\nbar;2.0\n", 1},
                {"good file", "1.5;-2\n3;4e-3\n", 0},
                {"half text", "1;2\nx;y\n", 0},
                {"short column", "a;b\n1;2\n3;\n", 0},
        };
        for (bool importing : {false, true})
            for (const auto &c : cases)
                QTest::addRow("%s, %s", importing ? "import" : "selection", c.name)
                        << importing << QByteArray(c.content) << c.signal;
    }

    // A file is judged column by column. Without a signal to play (another format, text only,
    // NaN or infinities in every column) it is dropped with its copy, whether it is chosen in
    // the selector or just imported; otherwise the channel starts at its first playable signal.
    // A file chosen in the selector replaces what the channel played even when refused; a
    // refused import leaves the channel playing its own file.
    void fileFormat()
    {
        QFETCH(bool, importing);
        QFETCH(QByteArray, content);
        QFETCH(int, signal);
        const int otherRow = imported(QStringLiteral("other.csv"));
        const QString other = files().file(otherRow);
        const QString copy =
                QDir(FunctionGeneratorAwgFilesCollection::dataPath()).filePath("chosen.csv");
        if (!importing)
            QCOMPARE(files().file(imported(QStringLiteral("chosen.csv"), content)), copy);
        FunctionGeneratorWidget panel;
        panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        panel.setChannelEnable(0, true);
        panel.setAWGOptions(0, awg(other));
        QSignalSpy requests(&panel, &FunctionGeneratorWidget::awgOptionsChanged);
        ModalAnswers modal;
        if (importing) {
            modal.answerFileDialog(write(QStringLiteral("chosen.csv"), content));
            child<QPushButton>(panel, "loadAWGDataPushButton")->click();
        } else {
            fileSelector(panel)->setCurrentIndex(0); // "chosen" sorts first
        }
        if (signal >= 0) {
            QCOMPARE(requests.count(), 1);
            QCOMPARE(modal.messageBoxes().size(), 0);
            QCOMPARE(files().count(), 2);
            QCOMPARE(requests.at(0).at(1).value<AwgOptions>(), awg(copy, unsigned(signal)));
            QCOMPARE(state(panel).channelOptions[0].awgOptions, awg(copy, unsigned(signal)));
            QCOMPARE(fileSelector(panel)->currentText(), QStringLiteral("chosen"));
            QCOMPARE(signalSelector(panel)->currentIndex(), signal);
            return;
        }
        QCOMPARE(modal.messageBoxes().size(), 1);
        QCOMPARE(modal.messageBoxes().first().text,
                 QStringLiteral("Error file format: chosen.csv"));
        QVERIFY(!QFile::exists(copy));
        QCOMPARE(files().count(), 1);
        if (importing) {
            QCOMPARE(requests.count(), 0);
            QCOMPARE(state(panel).channelOptions[0].awgOptions, awg(other));
            QCOMPARE(files().pinCount(files().indexOf(other)), 1);
            QCOMPARE(fileSelector(panel)->currentText(), QStringLiteral("other"));
            QCOMPARE(signalSelector(panel)->isEnabled(), true);
            QVERIFY(child<QCheckBox>(panel, "channel1CheckBox")->isChecked());
            return;
        }
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(1).value<AwgOptions>(), AwgOptions());
        QCOMPARE(fileSelector(panel)->currentIndex(), -1);
    }

    void boundsAreNamed_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<qint64>("size"); // 0: as written
        QTest::addColumn<QString>("message");
        QTest::newRow("more signals than the bound")
                << QByteArray(maxChannelsDataColumns, ';').append("\n") << qint64(0)
                << QStringLiteral("File chosen.csv holds more than %1 signals")
                           .arg(maxChannelsDataColumns);
        QTest::newRow("more samples than the bound")
                << QByteArray("1\n").repeated(int(maxChannelsDataSamples) + 1) << qint64(0)
                << QStringLiteral("File chosen.csv holds more than %1 samples")
                           .arg(maxChannelsDataSamples);
        QTest::newRow("larger than the bound")
                << QByteArray("1;2\n") << maxChannelsDataFileSize + 1
                << QStringLiteral("File chosen.csv is larger than 64 MiB");
    }

    // A file beyond the reader's bounds is dropped like one in another format, but the message
    // names the bound, so that the user knows what to change.
    void boundsAreNamed()
    {
        QFETCH(QByteArray, content);
        QFETCH(qint64, size);
        QFETCH(QString, message);
        const int row = imported(QStringLiteral("chosen.csv"), content);
        QVERIFY(row >= 0);
        const QString copy = files().file(row);
        if (size > 0)
            QVERIFY(QFile(copy).resize(size)); // sparse: nothing is written
        FunctionGeneratorWidget panel;
        panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        ModalAnswers modal;
        fileSelector(panel)->setCurrentIndex(0);
        QCOMPARE(modal.messageBoxes().size(), 1);
        QCOMPARE(modal.messageBoxes().first().text, message);
        QVERIFY(!QFile::exists(copy));
        QCOMPARE(state(panel).channelOptions[0].awgOptions, AwgOptions());
    }

    void signalChoice_data()
    {
        QTest::addColumn<bool>("fromResource");
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("plays");
        for (bool fromResource : {false, true}) {
            const char *by = fromResource ? "resource" : "user";
            QTest::addRow("%s: number column", by) << fromResource << 2 << true;
            QTest::addRow("%s: text column", by) << fromResource << 1 << false;
            QTest::addRow("%s: column with a NaN", by) << fromResource << 3 << false;
        }
    }

    // A signal without samples to play is refused when chosen, by the user in the selector or
    // in options from the resource; the file, whose other signals play, stays.
    void signalChoice()
    {
        QFETCH(bool, fromResource);
        QFETCH(int, signal);
        QFETCH(bool, plays);
        const QString file = files().file(
                imported(QStringLiteral("chosen.csv"), "a;name;b;c\n1;foo;2;nan\n3;bar;4;5\n"));
        FunctionGeneratorWidget panel;
        panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        ModalAnswers modal;
        if (!fromResource)
            panel.setAWGOptions(0, awg(file));
        QCOMPARE(modal.messageBoxes().size(), 0);
        QSignalSpy requests(&panel, &FunctionGeneratorWidget::awgOptionsChanged);
        if (fromResource)
            panel.setAWGOptions(0, awg(file, unsigned(signal)));
        else
            signalSelector(panel)->setCurrentIndex(signal);

        QCOMPARE(files().count(), 1);
        if (plays) {
            QCOMPARE(modal.messageBoxes().size(), 0);
            QCOMPARE(state(panel).channelOptions[0].awgOptions, awg(file, unsigned(signal)));
            QCOMPARE(signalSelector(panel)->currentIndex(), signal);
            QCOMPARE(requests.count(), fromResource ? 0 : 1);
            return;
        }
        QCOMPARE(modal.messageBoxes().size(), 1);
        QCOMPARE(modal.messageBoxes().first().text,
                 QStringLiteral("Error file format: chosen.csv"));
        QCOMPARE(requests.count(), 0);
        // The user's channel keeps what it played; options from the resource show no file.
        QCOMPARE(state(panel).channelOptions[0].awgOptions,
                 fromResource ? AwgOptions() : awg(file));
        QCOMPARE(signalSelector(panel)->currentIndex(), 0);
    }

    void import_data()
    {
        QTest::addColumn<bool>("duplicate");
        QTest::addColumn<int>("answer"); // a StandardButton, 0 for none
        QTest::addColumn<int>("copies");
        QTest::newRow("new content") << false << 0 << 2;
        QTest::newRow("duplicate, add file") << true << int(QMessageBox::Yes) << 2;
        QTest::newRow("duplicate, previous file") << true << int(QMessageBox::No) << 1;
        QTest::newRow("duplicate, Escape") << true << 0 << 1;
    }

    void import()
    {
        QFETCH(bool, duplicate);
        QFETCH(int, answer);
        QFETCH(int, copies);
        const int listed = imported(QStringLiteral("listed.csv"), "5;6\n7;8\n");
        const QString source =
                write(QStringLiteral("source.csv"), duplicate ? "5;6\n7;8\n" : "9;9\n9;9\n");
        FunctionGeneratorWidget panel;
        panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        QSignalSpy requests(&panel, &FunctionGeneratorWidget::awgOptionsChanged);
        ModalAnswers modal;
        modal.answerFileDialog(source);
        if (answer)
            modal.answerMessageBox(QMessageBox::StandardButton(answer));
        child<QPushButton>(panel, "loadAWGDataPushButton")->click();

        QCOMPARE(modal.fileDialogs().size(), 1);
        QCOMPARE(modal.fileDialogs().first().caption, QStringLiteral("Open data file"));
        QCOMPARE(modal.fileDialogs().first().filter, QStringLiteral("*.csv"));
        QCOMPARE(modal.messageBoxes().size(), duplicate ? 1 : 0);
        if (duplicate) {
            const ModalDialogs::MessageBoxRequest &box = modal.messageBoxes().first();
            QCOMPARE(box.title, QStringLiteral("Add file source.csv"));
            QCOMPARE(box.text,
                     QStringLiteral("There is already a file listed.csv with the same "
                                    "data in the list. \nAdd file source.csv?"));
            QCOMPARE(box.buttonTexts.value(QMessageBox::Yes), QStringLiteral("Add file"));
            QCOMPARE(box.buttonTexts.value(QMessageBox::No),
                     QStringLiteral("Select previously added file"));
        }
        QCOMPARE(files().count(), copies);
        const QString played = state(panel).channelOptions[0].awgOptions.file;
        QCOMPARE(played, copies == 1 ? files().file(listed) : files().file(1));
        QCOMPARE(requests.count(), 1);
        QCOMPARE(files().pinCount(files().indexOf(played)), 1);
        QCOMPARE(state(panel).lastAwgDirectory, source);
        QCOMPARE(fileSelector(panel)->currentText(), QFileInfo(played).completeBaseName());
    }

    void reimportOfTheShownFileApplies()
    {
        const QString source = write(QStringLiteral("same.csv"), "1;2\n3;4\n");
        FunctionGeneratorWidget panel;
        ModalAnswers modal;
        modal.answerFileDialog(source);
        child<QPushButton>(panel, "loadAWGDataPushButton")->click();
        QSignalSpy requests(&panel, &FunctionGeneratorWidget::awgOptionsChanged);
        modal.answerFileDialog(source);
        modal.answerMessageBox(QMessageBox::No);
        child<QPushButton>(panel, "loadAWGDataPushButton")->click();
        QCOMPARE(requests.count(), 1);
        QCOMPARE(requests.at(0).at(1).value<AwgOptions>().file, files().file(0));
        QCOMPARE(files().pinCount(0), 1);
    }

    void cancelledImportChangesNothing()
    {
        const int row = imported(QStringLiteral("kept.csv"));
        FunctionGeneratorWidget panel;
        panel.setAWGOptions(0, awg(files().file(row)));
        const QString home = state(panel).lastAwgDirectory;
        ModalAnswers modal;
        child<QPushButton>(panel, "loadAWGDataPushButton")->click();
        QCOMPARE(state(panel).channelOptions[0].awgOptions.file, files().file(row));
        QCOMPARE(files().pinCount(row), 1);
        QCOMPARE(state(panel).lastAwgDirectory, home);
    }

    // The import gives up only the current channel's own file: another channel's stays pinned,
    // and a failed import keeps the channel's file and pin.
    void importKeepsOtherPins()
    {
        const int other = imported(QStringLiteral("other.csv"));
        const int own = imported(QStringLiteral("own.csv"));
        FunctionGeneratorWidget panel;
        panel.setAWGOptions(1, awg(files().file(other)));
        panel.setAWGOptions(0, awg(files().file(own)));
        panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        QCOMPARE(fileSelector(panel)->currentText(), QStringLiteral("own"));

        ModalAnswers modal;
        modal.answerFileDialog(write(QStringLiteral("empty.csv"), ""));
        child<QPushButton>(panel, "loadAWGDataPushButton")->click();
        QCOMPARE(modal.messageBoxes().first().text, QStringLiteral("File empty.csv is empty"));
        QCOMPARE(files().pinCount(own), 1);
        QCOMPARE(state(panel).channelOptions[0].awgOptions.file, files().file(own));

        modal.answerFileDialog(write(QStringLiteral("new.csv"), "7;7\n"));
        child<QPushButton>(panel, "loadAWGDataPushButton")->click();
        QCOMPARE(files().pinCount(other), 1);
        QCOMPARE(files().pinCount(own), 0);
        QCOMPARE(files().pinCount(2), 1);

        // The selector follows the channel shown.
        child<VekMultiSwitch>(panel, "channelMultiSwitch")->setState(1);
        QCOMPARE(fileSelector(panel)->currentText(), QStringLiteral("other"));
    }

    void fullListRefusesTheImport()
    {
        FunctionGeneratorWidget panel;
        for (int i = 0; i < FunctionGeneratorAwgFilesCollection::maxFiles; ++i)
            files().lock(imported(QStringLiteral("f%1.csv").arg(i)));
        const QString source = write(QStringLiteral("one-more.csv"), "8;8\n");
        ModalAnswers modal;
        modal.answerFileDialog(source);
        child<QPushButton>(panel, "loadAWGDataPushButton")->click();
        QCOMPARE(modal.messageBoxes().first().text, "Error add file " + source);
        QCOMPARE(files().count(), FunctionGeneratorAwgFilesCollection::maxFiles);
        for (int i = 0; i < FunctionGeneratorAwgFilesCollection::maxFiles; ++i)
            files().unlock(i);
    }

    // At the limit an import evicts the least recently used file no channel plays.
    void importEvictsOnlyUnpinnedFiles()
    {
        FunctionGeneratorWidget panel;
        const int played = imported(QStringLiteral("played.csv"));
        panel.setAWGOptions(1, awg(files().file(played)));
        for (int i = 1; i < FunctionGeneratorAwgFilesCollection::maxFiles; ++i)
            imported(QStringLiteral("f%1.csv").arg(i));
        const QString playedPath = files().file(played);
        QStringList before;
        for (int i = 0; i < files().count(); ++i)
            before << files().file(i);
        ModalAnswers modal;
        modal.answerFileDialog(write(QStringLiteral("newest.csv"), "6;5\n"));
        child<QPushButton>(panel, "loadAWGDataPushButton")->click();
        QCOMPARE(modal.messageBoxes().size(), 0);
        QCOMPARE(files().count(), FunctionGeneratorAwgFilesCollection::maxFiles);
        QVERIFY(files().indexOf(playedPath) >= 0);
        QStringList evicted;
        for (const QString &path : before)
            if (files().indexOf(path) < 0)
                evicted << path;
        QCOMPARE(evicted.size(), 1);
        QVERIFY(!QFile::exists(evicted.first()));
        QCOMPARE(state(panel).channelOptions[1].awgOptions.file, playedPath);
        QCOMPARE(QFileInfo(state(panel).channelOptions[0].awgOptions.file).fileName(),
                 QStringLiteral("newest.csv"));
    }

    // An import in one panel moves the rows under another panel's selector; the other panel's
    // channel keeps its file and signal and tells its generator nothing.
    void otherPanelsStayPut()
    {
        const int row = imported(QStringLiteral("m.csv"), "1;2;3\n4;5;6\n");
        FunctionGeneratorWidget first;
        FunctionGeneratorWidget second;
        second.setAWGOptions(0, awg(files().file(row), 1));
        second.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        QSignalSpy secondRequests(&second, &FunctionGeneratorWidget::awgOptionsChanged);
        ModalAnswers modal;
        modal.answerFileDialog(write(QStringLiteral("a.csv"), "9;8\n"));
        child<QPushButton>(first, "loadAWGDataPushButton")->click();
        QCOMPARE(secondRequests.count(), 0);
        QCOMPARE(state(second).channelOptions[0].awgOptions, awg(files().file(row), 1));
        QCOMPARE(fileSelector(second)->currentText(), QStringLiteral("m"));
        QCOMPARE(signalSelector(second)->currentIndex(), 1);
    }

    void destructorReleasesPins()
    {
        const int row = imported(QStringLiteral("pinned.csv"));
        {
            FunctionGeneratorWidget panel;
            panel.setAWGOptions(0, awg(files().file(row)));
            panel.setAWGOptions(1, awg(files().file(row)));
            QCOMPARE(files().pinCount(row), 2);
        }
        QCOMPARE(files().pinCount(row), 0);
    }

    void channelBoxesInWaveformMode()
    {
        const int row = imported(QStringLiteral("plays.csv"));
        FunctionGeneratorWidget panel;
        panel.setChannelEnable(0, true);
        panel.setChannelEnable(1, true);
        panel.setAWGOptions(0, awg(files().file(row)));
        panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        auto *second = child<QCheckBox>(panel, "channel2CheckBox");
        QVERIFY(child<QCheckBox>(panel, "channel1CheckBox")->isChecked());
        QVERIFY(!second->isChecked());
        QVERIFY(!second->isEnabled());
        QVERIFY(state(panel).channelOptions[1].enable);
        panel.setMode(FunctionGeneratorMode::StandardFunctions);
        QVERIFY(second->isChecked());
        QVERIFY(second->isEnabled());
    }

    void waveformPreview()
    {
        QByteArray content;
        for (int i = 0; i < 1000; ++i)
            content += QByteArray::number(std::sin(i * 0.01)) + "\n";
        const int row = imported(QStringLiteral("long.csv"), content);
        FunctionGeneratorWidget panel;
        panel.resize(1288, 733);
        panel.setChannelEnable(0, true);
        FunctionGeneratorOutputOptions output;
        output.sampling_frequency = 1200;
        panel.setOutputOptions(0, output);
        panel.setAWGOptions(0, awg(files().file(row)));
        panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
        auto *plot = child<OrvexPlotWidget>(panel, "plotWidget");
        QCOMPARE(plot->axisScaleDiv(QwtPlot::xBottom).upperBound(), 999 / 1200e6);
        const int pixels = plot->contentsRect().width();
        const int bucket = int(std::ceil(1000.0 / pixels));
        const int expected = bucket > 1 ? 2 * int(std::ceil(1000.0 / bucket)) : 1000;
        QCOMPARE(int(plot->curve(0)->dataSize()), expected);
    }

    // Not a check: the waveform page, an error box and the duplicate question for a person to
    // look at.
    void screenshots()
    {
        const QString dir = screenshotDir();
        if (dir.isEmpty())
            QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
        QByteArray content = "ramp;sine\n";
        for (int i = 0; i < 2000; ++i)
            content += QByteArray::number(i % 500 / 100.0 - 2.5) + ";"
                    + QByteArray::number(3 * std::sin(i * 0.02)) + "\n";
        const int row = imported(QStringLiteral("ramp_and_sine.csv"), content);
        const QString duplicate = write(QStringLiteral("copy.csv"), content);
        for (const ScreenshotLook &shot : screenshotLooks({1, true, "en", "light-large"})) {
            QVERIFY(applyScreenshotLook(shot));
            FunctionGeneratorWidget panel;
            panel.resize(1288, 733);
            panel.show();
            QVERIFY(QTest::qWaitForWindowExposed(&panel));
            panel.setSupportedRanges({1, 10});
            panel.setChannelEnable(0, true);
            panel.setChannelEnable(1, true);
            FunctionGeneratorOutputOptions output;
            output.sampling_frequency = 75;
            panel.setOutputOptions(0, output);
            panel.setAWGOptions(0, awg(files().file(row), 1));
            panel.setAWGOptions(1, awg(files().file(row), 0));
            panel.setMode(FunctionGeneratorMode::ArbitraryWaveform);
            QEvent styleChange(QEvent::StyleChange);
            QApplication::sendEvent(&panel, &styleChange);
            QTest::qWait(50);
            panel.grab().save(dir + "/generator-waveform-" + shot.name + ".png");

            // The boxes as the user gets them, pictured instead of waiting for a click.
            int box = 0;
            ModalDialogs::setMessageBoxHook([&](const ModalDialogs::MessageBoxRequest &r) {
                QMessageBox shown(r.icon, r.title, r.text, r.buttons, r.parent);
                for (auto it = r.buttonTexts.cbegin(); it != r.buttonTexts.cend(); ++it)
                    shown.button(it.key())->setText(it.value());
                shown.show();
                QTest::qWait(30);
                shown.grab().save(dir + QStringLiteral("/generator-box-%1-").arg(++box) + shot.name
                                  + ".png");
                return r.buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
            });
            ModalDialogs::setFileDialogHook(
                    [&](const ModalDialogs::FileDialogRequest &, QString *) { return duplicate; });
            child<QPushButton>(panel, "loadAWGDataPushButton")->click();
            panel.setAWGOptions(0, awg(files().file(row), 5));
            ModalDialogs::setMessageBoxHook({});
            ModalDialogs::setFileDialogHook({});
        }
        resetScreenshotLook();
    }
};

QTEST_MAIN(TestFunctionGeneratorWaveform)
#include "tst_functiongeneratorwaveform.moc"
