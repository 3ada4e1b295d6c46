#include "resources/functiongeneratorawgfilescollection.h"

#include "resources/channeldatafile.h"
#include "resources/resourcestate.h"
#include "resources/signalcollection.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <map>

namespace {

const QString kListFileName = QStringLiteral("FunctionGeneratorAwgFilesCollection.ini");
const QString kListKey = QStringLiteral("awgDataFiles");

QString listFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/')
            + kListFileName;
}

// The first free name in the data folder: the source's own name, then base_1.suffix, base_2...
QString freeCandidate(const QDir &folder, const QString &sourceName)
{
    const QString suffix = QFileInfo(sourceName).completeSuffix();
    QString base = sourceName;
    base.remove(QLatin1Char('.') + suffix);
    QString candidate = sourceName;
    for (int counter = 1; folder.exists(candidate); ++counter)
        candidate = base + QStringLiteral("_%1").arg(counter) + QLatin1Char('.')
                + QFileInfo(candidate).completeSuffix();
    return candidate;
}

} // namespace

QByteArray createSignature(const QString &path)
{
    // A device or a pipe may never end; only regular files are hashed.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!hash.addData(&file))
        return {};
    return hash.result();
}

bool functionGeneratorPlayableFields(const ChannelsDataFieldCounts &fields)
{
    return fields.numbers > 0 && fields.texts <= fields.numbers && fields.nonFinite == 0;
}

struct FunctionGeneratorAwgFilesCollection::Internal
{
    std::map<int, SignalCollection> cache;
    QStringList files;
    QVector<int> useOrder;
    QVector<int> pins;

    bool valid(int index) const { return index >= 0 && index < files.size(); }

    const SignalCollection &signalsOf(int index)
    {
        auto it = cache.find(index);
        if (it == cache.end()) {
            SignalCollection read;
            read.columns =
                    loadChannelsData(files.at(index), &read.names, &read.fields, &read.refusal);
            it = cache.emplace(index, std::move(read)).first;
        }
        return it->second;
    }

    bool canMakeRoom() const
    {
        if (files.size() < maxFiles)
            return true;
        return std::any_of(pins.cbegin(), pins.cend(), [](int pin) { return pin <= 0; });
    }
};

FunctionGeneratorAwgFilesCollection &FunctionGeneratorAwgFilesCollection::instance()
{
    static FunctionGeneratorAwgFilesCollection *collection =
            new FunctionGeneratorAwgFilesCollection;
    return *collection;
}

// The program sets no display name of its own, so the display name is the application name;
// asking the core application for it keeps this layer free of the GUI module.
QString FunctionGeneratorAwgFilesCollection::dataPath()
{
    const QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
            + QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/')
            + QCoreApplication::applicationName() + QStringLiteral("/awg/");
    if (!QDir().mkpath(path))
        return {};
    return path;
}

FunctionGeneratorAwgFilesCollection::FunctionGeneratorAwgFilesCollection(QObject *parent)
    : QObject(parent)
    , m_d(std::make_unique<Internal>())
{
    restore();
}

FunctionGeneratorAwgFilesCollection::~FunctionGeneratorAwgFilesCollection() = default;

int FunctionGeneratorAwgFilesCollection::count() const
{
    return m_d->files.size();
}

QString FunctionGeneratorAwgFilesCollection::file(int index) const
{
    return m_d->valid(index) ? m_d->files.at(index) : QString();
}

int FunctionGeneratorAwgFilesCollection::indexOf(const QString &path) const
{
    return m_d->files.indexOf(path);
}

int FunctionGeneratorAwgFilesCollection::addCopy(const QString &sourcePath)
{
    const QFileInfo source(sourcePath);
    if (!source.exists() || source.size() == 0)
        return -1;
    const QString folderPath = dataPath();
    if (folderPath.isEmpty())
        return -1;
    // Refuse before copying, so a refused import leaves nothing behind in the data folder.
    if (!m_d->canMakeRoom())
        return -1;

    const QDir folder(folderPath);
    const QString target = folder.absoluteFilePath(freeCandidate(folder, source.fileName()));
    if (!QFile::copy(sourcePath, target))
        return -1;

    while (m_d->files.size() >= maxFiles) {
        const int before = m_d->files.size();
        removeOne();
        if (m_d->files.size() == before)
            break;
    }

    const int index = m_d->files.size();
    m_d->files.append(target);
    m_d->useOrder.append(index);
    m_d->pins.append(0);
    emit added(index);
    return index;
}

void FunctionGeneratorAwgFilesCollection::remove(int index)
{
    if (!m_d->valid(index))
        return;

    m_d->useOrder.removeOne(index);
    QFile::remove(m_d->files.at(index));

    for (int &entry : m_d->useOrder) {
        if (entry > index)
            --entry;
    }
    m_d->pins.remove(index);
    m_d->files.removeAt(index);

    std::map<int, SignalCollection> renumbered;
    for (auto &entry : m_d->cache) {
        if (entry.first < index)
            renumbered.emplace(entry.first, std::move(entry.second));
        else if (entry.first > index)
            renumbered.emplace(entry.first - 1, std::move(entry.second));
    }
    m_d->cache = std::move(renumbered);

    emit removed(index);
}

void FunctionGeneratorAwgFilesCollection::removeOne()
{
    for (int k = m_d->useOrder.size() - 1; k >= 0; --k) {
        const int index = m_d->useOrder.at(k);
        if (m_d->pins.at(index) <= 0) {
            remove(index);
            return;
        }
    }
}

void FunctionGeneratorAwgFilesCollection::lock(int index)
{
    if (!m_d->valid(index))
        return;
    m_d->useOrder.removeOne(index);
    m_d->useOrder.prepend(index);
    ++m_d->pins[index];
}

void FunctionGeneratorAwgFilesCollection::unlock(int index)
{
    if (!m_d->valid(index))
        return;
    int &pin = m_d->pins[index];
    if (pin > 0) {
        --pin;
        if (pin == 0)
            m_d->cache.erase(index);
    }
}

int FunctionGeneratorAwgFilesCollection::countSignals(int index)
{
    if (!m_d->valid(index))
        return 0;
    return m_d->signalsOf(index).columns.size();
}

QStringList FunctionGeneratorAwgFilesCollection::signalNames(int index)
{
    if (!m_d->valid(index))
        return {};
    return m_d->signalsOf(index).names;
}

ChannelsDataFieldCounts FunctionGeneratorAwgFilesCollection::fieldCounts(int index, int signal)
{
    if (!m_d->valid(index) || signal < 0)
        return {};
    const QVector<ChannelsDataFieldCounts> &fields = m_d->signalsOf(index).fields;
    return signal < fields.size() ? fields.at(signal) : ChannelsDataFieldCounts();
}

ChannelsDataRefusal FunctionGeneratorAwgFilesCollection::refusal(int index)
{
    return m_d->valid(index) ? m_d->signalsOf(index).refusal : ChannelsDataRefusal::None;
}

bool FunctionGeneratorAwgFilesCollection::isPlayable(int index, int signal)
{
    return signal >= 0 && signal < countSignals(index)
            && functionGeneratorPlayableFields(fieldCounts(index, signal));
}

QVector<double> FunctionGeneratorAwgFilesCollection::data(int index, int signal)
{
    if (!m_d->valid(index) || signal < 0)
        return {};
    const SignalCollection &read = m_d->signalsOf(index);
    return signal < read.columns.size() ? read.columns.at(signal) : QVector<double>();
}

void FunctionGeneratorAwgFilesCollection::update()
{
    for (int index = m_d->files.size() - 1; index >= 0; --index) {
        const QFileInfo info(m_d->files.at(index));
        const auto cached = m_d->cache.find(index);
        const bool empty = cached != m_d->cache.end() && cached->second.columns.isEmpty();
        if (!info.exists() || !info.isReadable() || empty)
            remove(index);
    }
}

int FunctionGeneratorAwgFilesCollection::findByContent(const QString &path) const
{
    const QByteArray signature = createSignature(path);
    // An unreadable file has no content to compare, so it is nobody's duplicate.
    if (signature.isEmpty())
        return -1;
    for (int index = 0; index < m_d->files.size(); ++index) {
        if (createSignature(m_d->files.at(index)) == signature)
            return index;
    }
    return -1;
}

void FunctionGeneratorAwgFilesCollection::store() const
{
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    QStringList paths;
    for (int index : m_d->useOrder)
        paths.append(m_d->files.at(index));
    ResourceState state;
    state[kListKey] = paths;
    saveStateToFile(state, listFilePath());
}

void FunctionGeneratorAwgFilesCollection::restore()
{
    m_d->cache.clear();
    m_d->files.clear();
    m_d->useOrder.clear();
    m_d->pins.clear();

    const ResourceState state = loadStateFromFile(listFilePath());
    const QStringList stored = state[kListKey].toStringList();
    // The collection removes its files from disk, so it keeps only what it can have copied
    // in itself: regular files inside its own data folder, each once. Anything else leaves
    // the list and stays untouched on disk.
    const QString folderPath = dataPath();
    const QString folder =
            folderPath.isEmpty() ? QString() : QFileInfo(folderPath).canonicalFilePath();
    if (folder.isEmpty())
        return;
    const QString inside = folder + QLatin1Char('/');
    QStringList canonical;
    for (const QString &path : stored) {
        if (m_d->files.size() >= maxFiles)
            break;
        const QFileInfo info(path);
        const QString real = info.canonicalFilePath();
        if (path.isEmpty() || real.isEmpty() || !info.isFile() || !real.startsWith(inside)
            || canonical.contains(real))
            continue;
        canonical.append(real);
        m_d->useOrder.append(m_d->files.size());
        m_d->files.append(path);
        m_d->pins.append(0);
    }
}

QVector<int> FunctionGeneratorAwgFilesCollection::useOrder() const
{
    return m_d->useOrder;
}

int FunctionGeneratorAwgFilesCollection::pinCount(int index) const
{
    return m_d->valid(index) ? m_d->pins.at(index) : 0;
}

bool FunctionGeneratorAwgFilesCollection::isCached(int index) const
{
    return m_d->cache.count(index) > 0;
}
