#include "vekwidgets/vekcomboboxwidth.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

int comboBoxWidthForEntries(const QComboBox *box)
{
    const QFontMetrics metrics = box->fontMetrics();
    int text = 0;
    for (int i = 0; i < box->count(); ++i) {
        const QString entry = box->itemText(i);
        text = std::max(
                {text, metrics.horizontalAdvance(entry), metrics.boundingRect(entry).width()});
    }
    // The room around the text does not depend on the box's width: measured at one wide
    // enough for any style, whatever the box has now.
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.frame = box->hasFrame();
    option.editable = box->isEditable();
    option.rect = QRect(0, 0, 200, std::max(option.rect.height(), metrics.height()));
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    return text + option.rect.width() - field.width();
}
