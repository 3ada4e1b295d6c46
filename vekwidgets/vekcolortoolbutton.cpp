#include "vekwidgets/vekcolortoolbutton.h"

#include <QColorDialog>
#include <QPixmap>

class VekColorToolButtonPrivate
{
public:
    QColor color;
    QPixmap pixmap;
    QColorDialog *dialog = nullptr;
};

VekColorToolButton::VekColorToolButton(QWidget *parent)
    : QPushButton(parent)
    , d(std::make_unique<VekColorToolButtonPrivate>())
{
    setHints(tr("Edit..."));
    const int height = iconSize().height();
    setIconSize(QSize(2 * height, height - 4));
    d->pixmap = QPixmap(iconSize());
    drawIcon();
    d->dialog = new QColorDialog(d->color, this);
    setText(tr("Edit..."));
    setFlat(true);
    connect(this, &QPushButton::clicked, this, &VekColorToolButton::clickHandler);
}

VekColorToolButton::~VekColorToolButton() = default;

QColor VekColorToolButton::color() const
{
    return d->color;
}

void VekColorToolButton::setColor(QColor color)
{
    if (color == d->color)
        return;
    d->color = color;
    drawIcon();
    emit colorChanged(color);
}

void VekColorToolButton::setHints(QString hintString)
{
    setToolTip(hintString);
    setWhatsThis(hintString);
    setStatusTip(hintString);
}

void VekColorToolButton::drawIcon()
{
    // An invalid colour (none chosen yet) shows as an empty swatch.
    d->pixmap.fill(d->color.isValid() ? d->color : QColor(Qt::transparent));
    setIcon(QIcon(d->pixmap));
}

void VekColorToolButton::clickHandler()
{
    d->dialog->setCurrentColor(d->color);
    if (d->dialog->exec() != QDialog::Accepted)
        return;
    const QColor chosen = d->dialog->currentColor();
    if (chosen == d->color)
        return;
    d->color = chosen;
    drawIcon();
    emit colorChanged(chosen);
}
