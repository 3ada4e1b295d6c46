// The arbitrary-waveform controls: the file and signal selectors over the imported files, the
// import, the checks of a channel's waveform with their messages, and the pins that keep the
// files channels play from being evicted.

#include "views/functiongenerator/functiongeneratorawgdatalistmodel.h"
#include "views/functiongenerator/functiongeneratorpanelrules.h"
#include "views/functiongenerator/functiongeneratorwidget.h"
#include "views/functiongenerator/functiongeneratorwidgetinternal.h"

#include "ui/viewbase/modaldialogs.h"

#include "ui_functiongeneratorwidget.h"

#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QLocale>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>

#include <algorithm>

namespace {

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

// Fields that do not convert read as zeros, so a column of text, or a file in another format,
// would name signals with nothing to play.
bool isPlayable(const FunctionGeneratorAwgDataListModel &model, int row, int signal)
{
    return functionGeneratorPlayableFields(model.fieldCounts(row, signal));
}

// -1 when no signal of the file plays.
int firstPlayableSignal(const FunctionGeneratorAwgDataListModel &model, int row)
{
    const int count = model.countSignals(row);
    for (int signal = 0; signal < count; ++signal)
        if (isPlayable(model, row, signal))
            return signal;
    return -1;
}

// A file beyond the reader's bounds is named with the bound, so that it is not taken for one
// in another format.
QString unplayableFileText(const QString &path, ChannelsDataRefusal refusal)
{
    switch (refusal) {
    case ChannelsDataRefusal::TooManyColumns:
        return FunctionGeneratorWidget::tr("File %1 holds more than %2 signals")
                .arg(fileName(path))
                .arg(maxChannelsDataColumns);
    case ChannelsDataRefusal::TooManySamples:
        return FunctionGeneratorWidget::tr("File %1 holds more than %2 samples")
                .arg(fileName(path))
                .arg(maxChannelsDataSamples);
    case ChannelsDataRefusal::TooLarge:
        return FunctionGeneratorWidget::tr("File %1 is larger than %2")
                .arg(fileName(path), QLocale().formattedDataSize(maxChannelsDataFileSize, 0));
    default:
        return FunctionGeneratorWidget::tr("Error file format: %1").arg(fileName(path));
    }
}

void showError(const QString &text)
{
    ModalDialogs::MessageBoxRequest request;
    request.icon = QMessageBox::NoIcon;
    request.title = FunctionGeneratorWidget::tr("Error");
    request.text = text;
    request.buttons = QMessageBox::Ok;
    ModalDialogs::message(request);
}

} // namespace

void FunctionGeneratorWidget::setUpWaveformFiles()
{
    d->awgDataModel = new FunctionGeneratorAwgDataListModel(this);
    d->awgDataProxyModel = new QSortFilterProxyModel(this);
    d->awgDataProxyModel->setSourceModel(d->awgDataModel);
    d->awgDataProxyModel->setSortCaseSensitivity(Qt::CaseSensitive);
    d->awgDataProxyModel->setDynamicSortFilter(true);
    d->awgDataProxyModel->sort(0, Qt::AscendingOrder);
    ui->awgDataFileComboBox->setModel(d->awgDataProxyModel);
    ui->awgDataFileComboBox->setModelColumn(0);
    ui->awgDataFileComboBox->setView(new QListView(this));

    // Rows coming and going move the selector's index without the user choosing anything; the
    // selector then goes back to the current channel's file. Connected after the selector's
    // own connections, so these run after it has moved.
    QSortFilterProxyModel *proxy = d->awgDataProxyModel;
    auto hold = [this] { d->selectorFollowsModel = true; };
    auto release = [this] {
        d->selectorFollowsModel = false;
        showCurrentWaveformFile();
    };
    connect(proxy, &QAbstractItemModel::rowsAboutToBeInserted, this, hold);
    connect(proxy, &QAbstractItemModel::rowsAboutToBeRemoved, this, hold);
    connect(proxy, &QAbstractItemModel::modelAboutToBeReset, this, hold);
    connect(proxy, &QAbstractItemModel::layoutAboutToBeChanged, this, hold);
    connect(proxy, &QAbstractItemModel::rowsInserted, this, release);
    connect(proxy, &QAbstractItemModel::rowsRemoved, this, release);
    connect(proxy, &QAbstractItemModel::modelReset, this, release);
    connect(proxy, &QAbstractItemModel::layoutChanged, this, release);
}

void FunctionGeneratorWidget::releaseWaveformPins()
{
    for (const FunctionGeneratorChannelOptions &record : d->channelOptions)
        d->awgDataModel->unlock(d->awgDataModel->row(record.awgOptions.file));
}

int FunctionGeneratorWidget::selectorToRow(int index) const
{
    const QModelIndex source =
            d->awgDataProxyModel->mapToSource(d->awgDataProxyModel->index(index, 0));
    return source.isValid() ? source.row() : -1;
}

int FunctionGeneratorWidget::rowToSelector(int row) const
{
    if (row < 0)
        return -1;
    const QModelIndex shown = d->awgDataProxyModel->mapFromSource(d->awgDataModel->index(row, 0));
    return shown.isValid() ? shown.row() : -1;
}

void FunctionGeneratorWidget::changeWaveformFile(FunctionGeneratorAWGOptions &options,
                                                 const QString &file)
{
    d->awgDataModel->unlock(d->awgDataModel->row(options.file));
    options.file = file;
    d->awgDataModel->lock(d->awgDataModel->row(file));
}

void FunctionGeneratorWidget::refreshPreview()
{
    updateChannelsState();
    displayAll();
}

void FunctionGeneratorWidget::showCurrentWaveformFile()
{
    const FunctionGeneratorChannelOptions *current = d->current();
    const QSignalBlocker selectorBlock(ui->awgDataFileComboBox);
    ui->awgDataFileComboBox->setCurrentIndex(
            current ? rowToSelector(d->awgDataModel->row(current->awgOptions.file)) : -1);
}

void FunctionGeneratorWidget::showCurrentWaveform()
{
    const FunctionGeneratorChannelOptions *current = d->current();
    if (!current)
        return;
    showCurrentWaveformFile();
    setAwgSignalNames(d->awgDataModel->row(current->awgOptions.file));
    const QSignalBlocker signalBlock(ui->awgDataChannelComboBox);
    ui->awgDataChannelComboBox->setCurrentIndex(int(current->awgOptions.channel));
}

bool FunctionGeneratorWidget::checkFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        showError(tr("File %1 is not exist").arg(fileName(path)));
        return false;
    }
    if (info.size() == 0) {
        showError(tr("File %1 is empty").arg(fileName(path)));
        return false;
    }
    if (!info.isReadable()) {
        showError(tr("Reading file %1 forbidden").arg(fileName(path)));
        return false;
    }
    return true;
}

bool FunctionGeneratorWidget::checkAWGOptions(const FunctionGeneratorAWGOptions &options)
{
    if (options.file.isEmpty())
        return false;
    const int row = d->awgDataModel->row(options.file);
    if (row < 0) {
        if (!checkFile(options.file)) {
            d->awgDataModel->updateList();
            return false;
        }
        showError(tr("File %1 is not in the AWG files list").arg(fileName(options.file)));
        return false;
    }
    // A file goes only when none of its signals plays; one signal that does not is refused
    // alone, and the file stays for the others.
    if (firstPlayableSignal(*d->awgDataModel, row) < 0) {
        if (!checkFile(options.file)) {
            d->awgDataModel->updateList();
            return false;
        }
        showError(unplayableFileText(options.file, d->awgDataModel->refusal(row)));
        d->awgDataModel->removeRows(row, 1);
        return false;
    }
    if (options.channel < unsigned(d->awgDataModel->countSignals(row))) {
        if (isPlayable(*d->awgDataModel, row, int(options.channel)))
            return true;
        showError(tr("Error file format: %1").arg(fileName(options.file)));
        return false;
    }
    showError(tr("The index %1 of the selected signal exceeds the number of signals in the file %2")
                      .arg(options.channel + 1)
                      .arg(fileName(options.file)));
    return false;
}

void FunctionGeneratorWidget::setAwgSignalNames(int row)
{
    QStringList names = d->awgDataModel->signalNames(row);
    const int count = d->awgDataModel->countSignals(row);
    if (names.isEmpty()) {
        for (int i = 1; i <= count; ++i)
            names << tr("Signal %1").arg(i);
    } else {
        for (int i = 0; i < names.size(); ++i)
            if (names.at(i).isEmpty())
                names[i] = tr("Signal %1").arg(i + 1);
    }
    const QSignalBlocker selectorBlock(ui->awgDataChannelComboBox);
    ui->awgDataChannelComboBox->clear();
    if (names.isEmpty())
        names << tr("No signal channels");
    ui->awgDataChannelComboBox->addItems(names);
    ui->awgDataChannelComboBox->setEnabled(count > 0);
}

void FunctionGeneratorWidget::updateAwgDataChannel(int row)
{
    setAwgSignalNames(row);
    if (const FunctionGeneratorChannelOptions *current = d->current())
        ui->awgDataChannelComboBox->setCurrentIndex(int(current->awgOptions.channel));
}

void FunctionGeneratorWidget::processChangesOfAwgDataFile(int index)
{
    FunctionGeneratorChannelOptions *current = d->current();
    if (d->selectorFollowsModel || !current)
        return;
    if (index < 0 || index >= d->awgDataModel->rowCount())
        return;
    int row = selectorToRow(index);
    FunctionGeneratorAWGOptions candidate;
    candidate.file = d->awgDataModel->filePath(row);
    if (candidate.file == current->awgOptions.file)
        return; // a report of what the channel already plays
    candidate.channel = unsigned(std::max(0, firstPlayableSignal(*d->awgDataModel, row)));
    if (!checkAWGOptions(candidate)) {
        candidate = FunctionGeneratorAWGOptions();
        row = -1;
    }
    changeWaveformFile(current->awgOptions, candidate.file);
    current->awgOptions.channel = candidate.channel;
    setAwgSignalNames(row);
    {
        const QSignalBlocker signalBlock(ui->awgDataChannelComboBox);
        ui->awgDataChannelComboBox->setCurrentIndex(int(candidate.channel));
    }
    showCurrentWaveformFile();
    emit awgOptionsChanged(d->currentChannel, current->awgOptions);
    refreshPreview();
}

void FunctionGeneratorWidget::processChangesOfAwgDataChannel(int index)
{
    FunctionGeneratorChannelOptions *current = d->current();
    if (index < 0 || !current)
        return;
    // The placeholder of a file without signals is no choice.
    const int row = d->awgDataModel->row(current->awgOptions.file);
    if (index >= d->awgDataModel->countSignals(row))
        return;
    if (!isPlayable(*d->awgDataModel, row, index)) {
        showError(tr("Error file format: %1").arg(fileName(current->awgOptions.file)));
        const QSignalBlocker signalBlock(ui->awgDataChannelComboBox);
        ui->awgDataChannelComboBox->setCurrentIndex(int(current->awgOptions.channel));
        return;
    }
    current->awgOptions.channel = unsigned(index);
    emit awgOptionsChanged(d->currentChannel, current->awgOptions);
    refreshPreview();
}

void FunctionGeneratorWidget::setAwgFile(size_t channel, const QString &file)
{
    if (!d->hasChannel(channel))
        return;
    changeWaveformFile(d->channelOptions[channel].awgOptions, file);
}

void FunctionGeneratorWidget::setAWGOptions(unsigned int channel,
                                            const FunctionGeneratorAWGOptions &options)
{
    const QSignalBlocker panelBlock(this);
    if (!d->hasChannel(channel))
        return;
    FunctionGeneratorAWGOptions shown = options;
    if (!checkAWGOptions(shown))
        shown = FunctionGeneratorAWGOptions();
    FunctionGeneratorAWGOptions &stored = d->channelOptions[channel].awgOptions;
    changeWaveformFile(stored, shown.file);
    stored.channel = shown.channel;
    if (channel != d->currentChannel) {
        refreshPreview();
        return;
    }
    const int row = d->awgDataModel->row(shown.file);
    const QSignalBlocker selectorBlock(ui->awgDataFileComboBox);
    ui->awgDataFileComboBox->setCurrentIndex(rowToSelector(row));
    setAwgSignalNames(row);
    ui->awgDataChannelComboBox->setCurrentIndex(int(shown.channel));
}

void FunctionGeneratorWidget::updateChannelsState()
{
    const bool waveform = d->mode == FunctionGeneratorMode::ArbitraryWaveform;
    for (std::size_t i = 0; i < d->channelOptions.size() && i < d->channelCheckBoxes.size(); ++i) {
        QCheckBox *box = d->channelCheckBoxes[i];
        // In waveform mode a channel with nothing to play cannot be switched on; its stored
        // flag stays for when it has.
        const bool playable = !waveform || !awgSamples(i).isEmpty();
        box->setCheckState(playable && d->channelOptions[i].enable ? Qt::Checked : Qt::Unchecked);
        box->setEnabled(playable);
    }
}

QVector<double> FunctionGeneratorWidget::awgSamples(std::size_t channel) const
{
    if (!d->hasChannel(channel))
        return {};
    const FunctionGeneratorAWGOptions &awg = d->channelOptions[channel].awgOptions;
    return d->awgDataModel->data(d->awgDataModel->row(awg.file), int(awg.channel));
}

void FunctionGeneratorWidget::browseAWGData()
{
    const QString path = ModalDialogs::getOpenFileName(
            nullptr, tr("Open data file"), d->lastAwgDirectory, QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    d->lastAwgDirectory = QDir(path).path();
    FunctionGeneratorChannelOptions *current = d->current();
    if (!current)
        return;
    // A file that cannot be imported leaves the channel with what it plays.
    if (!checkFile(path))
        return;
    int row = d->awgDataModel->rowByContent(path);
    if (row >= 0) {
        ModalDialogs::MessageBoxRequest request;
        request.icon = QMessageBox::NoIcon;
        request.title = tr("Add file %1").arg(fileName(path));
        request.text =
                tr("There is already a file %1 with the same data in the list. \nAdd file %2?")
                        .arg(fileName(d->awgDataModel->filePath(row)), fileName(path));
        request.buttons = QMessageBox::Yes | QMessageBox::No;
        request.buttonTexts = {{QMessageBox::Yes, tr("Add file")},
                               {QMessageBox::No, tr("Select previously added file")}};
        if (ModalDialogs::message(request) != QMessageBox::No)
            row = d->awgDataModel->addCopy(path);
    } else {
        row = d->awgDataModel->addCopy(path);
    }
    if (row < 0) {
        showError(tr("Error add file %1").arg(path));
        return;
    }
    // The new file is judged before the channel gives up its own: a refused one (dropped from
    // the list with its message) leaves the channel playing what it played.
    FunctionGeneratorAWGOptions candidate;
    candidate.file = d->awgDataModel->filePath(row);
    candidate.channel = unsigned(std::max(0, firstPlayableSignal(*d->awgDataModel, row)));
    if (!checkAWGOptions(candidate)) {
        showCurrentWaveform();
        return;
    }
    // The channel gives up its own file; the selector's report then applies the new one.
    changeWaveformFile(current->awgOptions, QString());
    const int index = rowToSelector(row);
    if (index == ui->awgDataFileComboBox->currentIndex())
        processChangesOfAwgDataFile(index);
    else
        ui->awgDataFileComboBox->setCurrentIndex(index);
}
