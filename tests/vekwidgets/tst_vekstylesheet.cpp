#include "vekwidgets/vekpalette.h"
#include "vekwidgets/vekstylesheet.h"

#include <QGraphicsDropShadowEffect>
#include <QGraphicsOpacityEffect>
#include <QPointer>
#include <QRegularExpression>
#include <QWidget>
#include <QtTest>

class TestVekStyleSheet : public QObject
{
    Q_OBJECT
private slots:
    void placeholdersReplaced_data();
    void placeholdersReplaced();
    void onlyTheUnsettledPlaceholderRemains();
    void fragmentsInOrder();
    void followsThePalette();
    void addShadowReplacesEffect();
};

void TestVekStyleSheet::placeholdersReplaced_data()
{
    QTest::addColumn<QString>("rule");
    QTest::newRow("Primary") << "QProgressBar::chunk {\n    background-color: #2196f3;";
    QTest::newRow("Divider") << "QSplitter::handle {\n    background-color: #dbdbdb;";
    QTest::newRow("Card") << "QTreeWidget QLineEdit {\n    background-color: #ffffff;";
    QTest::newRow("Text") << "color: #212121;\n    qproperty-cursorPosition: 0;";
    QTest::newRow("Background") << "alternate-background-color: #fafafa;";
    QTest::newRow("PrimaryLight") << "QPushButton:hover {\n    border-color: #bbdefb;";
    QTest::newRow("PrimaryDark") << "QDialogButtonBox QPushButton:default {\n"
                                    "    border-color: #1976d2;";
    QTest::newRow("AccentFallback") << "QPushButton:disabled {\n    border-color: #ffffff;";
    QTest::newRow("tool tip has no placeholders") << "background-color: #616161;";
}

void TestVekStyleSheet::placeholdersReplaced()
{
    QFETCH(QString, rule);
    const QString sheet = styleSheetFromPalette(VekPalette::global());
    QVERIFY2(sheet.contains(rule), qPrintable(rule));
}

void TestVekStyleSheet::onlyTheUnsettledPlaceholderRemains()
{
    const QString sheet = styleSheetFromPalette(VekPalette::global());
    const QRegularExpression placeholder(QStringLiteral("\\{[A-Za-z]+\\}"));
    QStringList left;
    auto it = placeholder.globalMatch(sheet);
    while (it.hasNext())
        left << it.next().captured();
    QCOMPARE(left, QStringList {"{ButtonBorderDisabled}"});
}

void TestVekStyleSheet::fragmentsInOrder()
{
    const QString sheet = styleSheetFromPalette(VekPalette::global());
    // The first selector of every fragment, in the order the sheet is assembled.
    const QStringList firsts = {
            "QMainWindow,\n",
            "QDialog,\n",
            "QPushButton {",
            "QLineEdit {",
            "QAbstractSpinBox {",
            "QComboBox {",
            ".QFrame {",
            "QFrame[frameShape=\"4\"] {",
            "QSplitter::handle {",
            "QListView {",
            "QDialogButtonBox QPushButton {",
            "QHeaderView::section {",
            "QTableView {",
            "QProgressBar {",
            "QToolTip {",
            "QTreeWidget QLineEdit {",
    };
    int from = 0;
    for (const QString &first : firsts) {
        const int at = sheet.indexOf(first, from);
        QVERIFY2(at >= from, qPrintable(first));
        // Each fragment starts on a fresh line after the previous one's closing brace.
        if (at > 0)
            QCOMPARE(sheet.at(at - 1), QLatin1Char('\n'));
        from = at + first.size();
    }
    QVERIFY(sheet.endsWith(QLatin1String("}\n\n")));
    QVERIFY(sheet.startsWith(QLatin1String("QMainWindow,\n")));
}

void TestVekStyleSheet::followsThePalette()
{
    const auto palette = VekPalette::create(VekPalette::Teal, VekPalette::DeepOrange);
    const QString sheet = styleSheetFromPalette(palette);
    QVERIFY(sheet.contains("QProgressBar::chunk {\n    background-color: #009688;"));
    QVERIFY(!sheet.contains("#2196f3"));
}

void TestVekStyleSheet::addShadowReplacesEffect()
{
    QWidget widget;
    QPointer<QGraphicsEffect> earlier = new QGraphicsOpacityEffect(&widget);
    widget.setGraphicsEffect(earlier);
    addShadow(&widget);
    auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(widget.graphicsEffect());
    QVERIFY(shadow);
    QCOMPARE(shadow->blurRadius(), 5.0);
    QCOMPARE(shadow->offset(), QPointF(0, 3));
    QCOMPARE(shadow->color(), QGraphicsDropShadowEffect().color());
    QVERIFY(earlier.isNull());
    addShadow(nullptr);
}

QTEST_MAIN(TestVekStyleSheet)
#include "tst_vekstylesheet.moc"
