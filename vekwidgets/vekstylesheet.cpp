#include "vekwidgets/vekstylesheet.h"

#include "vekwidgets/vekpalette.h"

#include <QGraphicsDropShadowEffect>
#include <QWidget>

namespace {

QString windowStyleSheet(const QString &window)
{
    return QStringLiteral("%1,\n%1 .QFrame,\n%1 QScrollArea > QWidget > .QWidget,\n"
                          "%1 .QStackWidget {\n    background-color: {Card};\n}\n")
            .arg(window);
}

} // namespace

const QString QMainWindowStyleSheet = windowStyleSheet(QStringLiteral("QMainWindow"));
const QString QDialogStyleSheet = windowStyleSheet(QStringLiteral("QDialog"));

const QString QPushButtonStyleSheet = QStringLiteral(
        "QPushButton {\n"
        "    padding-top: 6px;\n    padding-bottom: 6px;\n"
        "    padding-right: 12px;\n    padding-left: 12px;\n"
        "    border-radius: 2px;\n    text-align: left;\n    font-family: \"Roboto\";\n}\n"
        "VekPushButton {\n"
        "    padding-top: 6px;\n    padding-bottom: 6px;\n"
        "    padding-right: 10px;\n    padding-left: 10px;\n"
        "    text-align: left;\n    font-family: \"Roboto\";\n}\n"
        "QPushButton:hover {\n    border-color: {PrimaryLight};\n"
        "    background-color: {PrimaryLight};\n}\n"
        "QPushButton:default {\n    border-color: {Divider};\n"
        "    background-color: {PrimaryLight};\n}\n"
        "QPushButton:pressed,\nQPushButton:checked {\n    border-color: {PrimaryDark};\n"
        "    background-color: {PrimaryDark};\n}\n"
        "QPushButton:disabled {\n    border-color: {AccentFallback};\n"
        "    background-color: {AccentFallback};\n}\n"
        "QPushButton::menu-indicator {\n    subcontrol-position: right center;\n"
        "    subcontrol-origin: padding;\n    left: -4px;\n"
        "    image: url(:/icons/expand_arrow-16.png);\n}\n");

const QString QLineEditStyleSheet =
        QStringLiteral("QLineEdit {\n    background-color: transparent;\n    border: none;\n"
                       "    border-bottom: 1px solid {Divider};\n    padding: 1px 18px 1px 0px;\n"
                       "    color: {Text};\n    qproperty-cursorPosition: 0;\n}\n"
                       "QLineEdit:hover {\n    border-bottom: 1px solid {Primary};\n}\n"
                       "QLineEdit:focus {\n    border-bottom: 1px solid {Primary};\n}\n"
                       "QLineEdit:!enabled,\nQLineEdit:read-only {\n    border-bottom: 1px dotted "
                       "{Divider};\n}\n");

const QString QSpinBoxStyleSheet =
        QStringLiteral("QAbstractSpinBox {\n    background-color: transparent;\n    border: none;\n"
                       "    border-bottom: 1px solid {Divider};\n    padding: 1px 18px 1px 0px;\n"
                       "    min-height: 16px;\n    color: {Text};\n}\n"
                       "QAbstractSpinBox:hover {\n    border-bottom: 1px solid {Primary};\n}\n"
                       "QAbstractSpinBox:focus {\n    border-bottom: 1px solid {Primary};\n}\n"
                       "QAbstractSpinBox:!enabled,\nQAbstractSpinBox[readOnly=\"true\"] {\n"
                       "    border-bottom: 1px dotted {Divider};\n}\n"
                       "QAbstractSpinBox::up-button,\nQAbstractSpinBox::down-button,\n"
                       "QAbstractSpinBox::up-arrow,\nQAbstractSpinBox::down-arrow {\n"
                       "    height: 0px;\n    width: 0px;\n}\n");

const QString QComboBoxStyleSheet = QStringLiteral(
        "QComboBox {\n    background-color: transparent;\n    border: none;\n"
        "    border-bottom: 1px solid {Divider};\n    padding: 1px 18px 1px 2px;\n"
        "    color: {Text};\n}\n"
        "QComboBox:hover {\n    border-bottom: 1px solid {Primary};\n}\n"
        "QComboBox:focus {\n    border-bottom: 1px solid {Primary};\n}\n"
        "QComboBox::!enabled {\n    border-bottom: 1px dotted {Divider};\n}\n"
        "QComboBox QAbstractItemView {\n    border: 1px solid {Divider};\n"
        "    selection-background-color: {Primary};\n}\n"
        "QComboBox::drop-down {\n    subcontrol-origin: padding;\n"
        "    subcontrol-position: right center;\n    height: 16px;\n    width: 16px;\n"
        "    border-top-right-radius: 2px;\n    border-bottom-right-radius: 2px;\n}\n"
        "QComboBox::down-arrow:enabled {\n    image: url(:/icons/expand_arrow-16.png);\n}\n"
        "QComboBox::down-arrow:disabled {\n"
        "    image: url(:/icons/expand_arrow-16-disabled.png);\n}\n");

const QString QFrameStyleSheet =
        QStringLiteral(".QFrame {\n    border: 1px solid {Divider};\n}\n"
                       ".QFrame[frameShape=\"0\"] {\n    border: none;\n}\n");

const QString LineStyleSheet = QStringLiteral("QFrame[frameShape=\"4\"] {\n    border: none;\n    "
                                              "border-bottom: 1px solid {Divider};\n}\n"
                                              "QFrame[frameShape=\"5\"] {\n    border: none;\n    "
                                              "border-left: 1px solid {Divider};\n}\n");

const QString QSplitterStyleSheet =
        QStringLiteral("QSplitter::handle {\n    background-color: {Divider};\n}\n"
                       "QSplitter::handle:horizontal {\n    width: 1px;\n}\n"
                       "QSplitter::handle:vertical {\n    height: 1px;\n}\n"
                       "QSplitter::handle:pressed {\n    background-color: {Primary};\n}\n");

const QString QListViewStyleSheet =
        QStringLiteral("QListView {\n    outline: 0;\n    border: 1px solid {Divider};\n}\n"
                       "QListView[frameShape=\"0\"] {\n    border: none;\n}\n"
                       "QListView::item:hover {\n    background: {PrimaryLight};\n}\n"
                       "QListView::item:selected {\n    background: {Primary};\n}\n"
                       "QListView::item:focus {\n    border: 0;\n}\n"
                       "QListView QLineEdit {\n    background-color: {Card};\n}\n"
                       "QListView QAbstractSpinBox {\n    background-color: {Card};\n}\n"
                       "QListView QComboBox {\n    background-color: {Card};\n}\n");

const QString QDialogButtonsStyleSheet = QStringLiteral(
        "QDialogButtonBox QPushButton {\n    min-width: 75px;\n    text-align: center;\n"
        "    border: 1px solid {Divider};\n    border-radius: 2px;\n    outline: 0;\n}\n"
        "QDialogButtonBox QPushButton:hover {\n    border-color: {PrimaryLight};\n"
        "    background-color: {PrimaryLight};\n}\n"
        "QDialogButtonBox QPushButton:default {\n    border-color: {PrimaryDark};\n}\n"
        "QDialogButtonBox QPushButton:pressed,\nQDialogButtonBox QPushButton:checked {\n"
        "    border-color: {PrimaryDark};\n    background-color: {PrimaryDark};\n}\n"
        "QDialogButtonBox QPushButton:disabled {\n    border-color: {ButtonBorderDisabled};\n"
        "    background-color: {AccentFallback};\n}\n");

const QString QHeaderViewStyleSheet = QStringLiteral(
        "QHeaderView::section {\n    text-align: left;\n    padding-left: 4px;\n"
        "    padding-top: 4px;\n    padding-bottom: 4px;\n    color: {Text};\n"
        "    background-color: {Background};\n}\n"
        "QHeaderView::section:only-one,\nQHeaderView::section:first {\n"
        "    border: 1px solid {Divider};\n}\n"
        "QHeaderView::section:hover {\n    background-color: {PrimaryLight};\n}\n"
        "QHeaderView::section:middle,\nQHeaderView::section:last {\n"
        "    border: 1px solid {Divider};\n    border-left: none;\n}\n"
        "QTableView[showGrid = \"false\"]>QHeaderView::section:only-one {\n"
        "    border: 1px solid {Divider};\n}\n"
        "QTableView[showGrid = \"false\"]>QHeaderView::section:first {\n"
        "    border: 1px solid {Divider};\n    border-right: none;\n}\n"
        "QTableView[showGrid = \"false\"]>QHeaderView::section:middle {\n"
        "    border: 1px solid {Divider};\n    border-left: none;\n    border-right: none;\n}\n"
        "QTableView[showGrid = \"false\"]>QHeaderView::section:last {\n"
        "    border: 1px solid {Divider};\n    border-left: none;\n}\n"
        "QTableView[frameShape = \"0\"]>QHeaderView::section:only-one,\n"
        "QTableView[frameShape = \"0\"]>QHeaderView::section:last {\n"
        "    border: none;\n    border-bottom: 1px solid {Divider};\n}\n"
        "QTableView[frameShape = \"0\"]>QHeaderView::section:first,\n"
        "QTableView[frameShape = \"0\"]>QHeaderView::section:middle {\n"
        "    border: none;\n    border-bottom: 1px solid {Divider};\n"
        "    border-right: 1px solid {Divider};\n}\n"
        "QTableView[frameShape = \"0\"][showGrid = \"false\"]>QHeaderView::section {\n"
        "    border: none;\n}\n");

const QString QTableViewStyleSheet =
        QStringLiteral("QTableView {\n    outline: 0;\n    gridline-color: {Divider};\n"
                       "    alternate-background-color: {Background};\n    border: none;\n}\n"
                       "QTableView[frameShape = \"0\"] {\n    border: none;\n}\n"
                       "QTableView::item:hover {\n    background-color: {PrimaryLight};\n}\n"
                       "QTableView::item:selected {\n    background-color: {Primary};\n}\n"
                       "QTableView QLineEdit {\n    background-color: {Card};\n}\n"
                       "QTableView QAbstractSpinBox {\n    background-color: {Card};\n}\n"
                       "QTableView QComboBox {\n    background-color: {Card};\n}\n");

const QString QProgressBarStyleSheet =
        QStringLiteral("QProgressBar {\n    border: 1px solid {Divider};\n    border-radius: 2px;\n"
                       "    text-align: center;\n}\n"
                       "QProgressBar::chunk {\n    background-color: {Primary};\n}\n");

const QString QToolTipStyleSheet = QStringLiteral(
        "QToolTip {\n    border: 1px solid #616161;\n    border-radius: 2px;\n"
        "    background-color: #616161;\n    color: white;\n    font-family: \"Roboto Medium\";\n"
        "    padding: 0px;\n    margin: 0px;\n    opacity: 239;\n}\n");

const QString QTreeWidgetStyleSheet =
        QStringLiteral("QTreeWidget QLineEdit {\n    background-color: {Card};\n}\n");

QString styleSheetFromPalette(const QSharedPointer<VekPalette> &palette)
{
    const QString *const fragments[] = {
            &QMainWindowStyleSheet, &QDialogStyleSheet,        &QPushButtonStyleSheet,
            &QLineEditStyleSheet,   &QSpinBoxStyleSheet,       &QComboBoxStyleSheet,
            &QFrameStyleSheet,      &LineStyleSheet,           &QSplitterStyleSheet,
            &QListViewStyleSheet,   &QDialogButtonsStyleSheet, &QHeaderViewStyleSheet,
            &QTableViewStyleSheet,  &QProgressBarStyleSheet,   &QToolTipStyleSheet,
            &QTreeWidgetStyleSheet,
    };
    QString sheet;
    for (const QString *fragment : fragments) {
        sheet += *fragment;
        sheet += QLatin1Char('\n');
    }

    const QColor white(Qt::white);
    const QPair<const char *, QColor> replacements[] = {
            {"{StatusBar}", VekPalette::color(VekPalette::StatusBar)},
            {"{ApplicationBar}", VekPalette::color(VekPalette::ApplicationBar)},
            {"{Background}", VekPalette::color(VekPalette::Background)},
            {"{Card}", VekPalette::color(VekPalette::Card)},
            {"{Divider}", VekPalette::color(VekPalette::Divider)},
            {"{Text}", VekPalette::color(VekPalette::Text, white)},
            {"{SecondaryText}", VekPalette::color(VekPalette::SecondaryText, white)},
            {"{HintText}", VekPalette::color(VekPalette::HintText, white)},
            {"{DisabledText}", VekPalette::color(VekPalette::DisabledText, white)},
            {"{Primary}", palette->color(VekPalette::Primary)},
            {"{PrimaryLight}", palette->color(VekPalette::PrimaryLight)},
            {"{PrimaryDark}", palette->color(VekPalette::PrimaryDark)},
            {"{Accent}", palette->color(VekPalette::Accent)},
            {"{AccentFallback}", palette->color(VekPalette::AccentFallback)},
            {"{AccentLight}", palette->color(VekPalette::AccentLight)},
            {"{AccentDark}", palette->color(VekPalette::AccentDark)},
    };
    for (const auto &replacement : replacements)
        sheet.replace(QLatin1String(replacement.first), replacement.second.name(),
                      Qt::CaseSensitive);
    return sheet;
}

void addShadow(QWidget *widget)
{
    if (!widget)
        return;
    auto *effect = new QGraphicsDropShadowEffect(widget);
    effect->setBlurRadius(5);
    effect->setOffset(0, 3);
    widget->setGraphicsEffect(effect);
}
