#include "ui/viewbase/commonfunctions.h"

#include <QGuiApplication>
#include <QTest>

// The test icon set (testicons.qrc): dark/control/close.svg red with a blue "_dis" variant,
// dark/control/plain.svg green without one, dark/control/nodot yellow without an extension,
// light/control/close.svg black.
class TestThemeIcon : public QObject
{
    Q_OBJECT
private slots:
    void modes_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("normal");
        QTest::addColumn<QColor>("disabled");
        QTest::newRow("own disabled variant")
                << "dark"
                << "control/close.svg" << QColor(Qt::red) << QColor(Qt::blue);
        QTest::newRow("no variant: the same file, not greyed")
                << "dark"
                << "control/plain.svg" << QColor(Qt::green) << QColor(Qt::green);
        QTest::newRow("no extension")
                << "dark"
                << "control/nodot" << QColor(Qt::yellow) << QColor(Qt::yellow);
        QTest::newRow("the other set")
                << "light"
                << "control/close.svg" << QColor(Qt::black) << QColor(Qt::black);
    }
    void modes()
    {
        QFETCH(QString, theme);
        QFETCH(QString, name);
        QFETCH(QColor, normal);
        QFETCH(QColor, disabled);
        const QIcon icon = createThemeIcon(theme, name);
        QVERIFY(!icon.isNull());
        const QSize size(16, 16);
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Active, QIcon::Selected})
            QCOMPARE(colourOf(icon, size, mode), normal);
        QCOMPARE(colourOf(icon, size, QIcon::Disabled), disabled);
    }

    void missingFileGivesEmptyIcon()
    {
        QVERIFY(createThemeIcon(QStringLiteral("dark"), QStringLiteral("control/none.svg"))
                        .isNull());
        QVERIFY(createThemeIcon(QStringLiteral("grey"), QStringLiteral("control/close.svg"))
                        .isNull());
        // The set's folder itself is no icon.
        QVERIFY(createThemeIcon(QStringLiteral("dark"), QString()).isNull());
        QVERIFY(createThemeIcon(QStringLiteral("dark"), QStringLiteral("control")).isNull());
    }

private:
    static QColor colourOf(const QIcon &icon, const QSize &size, QIcon::Mode mode)
    {
        const QImage image = icon.pixmap(size, mode, QIcon::Off).toImage();
        return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
    }
};

QTEST_MAIN(TestThemeIcon)
#include "themeicontest.moc"
