// Export of the oscilloscope panel: a picture of the plot and the samples of the last frame.
#include "views/oscilloscope/digitaloscilloscopewidget.h"

#include "resources/channeldatafile.h"
#include "ui/viewbase/modaldialogs.h"
#include "views/oscilloscope/customplot.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPixmap>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// The folder that holds path, without a trailing separator.
QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

// Encoded into a copy beside the file that takes its place only once the whole picture is
// written: a full disk or a refused folder leaves an earlier file as it was. A name without
// a suffix is saved as PNG; any other suffix names the format.
bool savePicture(const QPixmap &pixmap, const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, suffix.isEmpty() ? QByteArrayLiteral("PNG") : suffix.toLatin1());
    // commit() does not look at what its own flush fails to write, so the flush comes first.
    if (!writer.write(pixmap.toImage()) || !file.flush())
        return false; // QSaveFile discards the partial copy
    return file.commit();
}

} // namespace

void DigitalOscilloscopeWidget::setDeviceName(const QString &name)
{
    m_deviceName = name;
    m_deviceName.replace(QRegularExpression(QStringLiteral("[/:]+")), QStringLiteral("_"));
}

QString DigitalOscilloscopeWidget::defaultExportPath(const QString &extension) const
{
    return m_exportFolder + QDir::separator() + m_deviceName
            + QDateTime::currentDateTime().toString(QStringLiteral("_yyyy_MM_dd_hh_mm_ss"))
            + extension;
}

void DigitalOscilloscopeWidget::picture()
{
    if (!m_plot)
        return;
    // Taken before the dialog, so the picture is what the user saw when asking.
    const QPixmap pixmap = m_plot->grab();
    const QString path = ModalDialogs::getSaveFileName(
            nullptr, tr("Save As"), defaultExportPath(QStringLiteral(".png")), QString());
    if (path.isEmpty())
        return;
    m_exportFolder = folderOf(path);
    if (!savePicture(pixmap, path))
        ModalDialogs::warning(
                this, tr("Save As"),
                tr("The picture could not be saved to %1.").arg(QDir::toNativeSeparators(path)));
}

void DigitalOscilloscopeWidget::exportData()
{
    if (!m_plot)
        return;
    const QVector<QVector<double>> columns = m_plot->getRawData();
    if (columns.isEmpty())
        return;
    const QString path = ModalDialogs::getSaveFileName(
            nullptr, tr("Save As"), defaultExportPath(QStringLiteral(".csv")), QString());
    if (path.isEmpty())
        return;
    m_exportFolder = folderOf(path);
    if (!saveChannelsData(path, columns))
        ModalDialogs::warning(
                this, tr("Save As"),
                tr("The data could not be saved to %1.").arg(QDir::toNativeSeparators(path)));
}
