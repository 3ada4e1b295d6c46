#include "app/translationloader.h"
#include "assets/assets.h"
#include "ui/settingstoolbarwidget.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestSettingsToolBar : public QObject
{
    Q_OBJECT
private slots:
    void backEmitsFinishedPerClick();
    void languageChange();
    void screenshots();
};

namespace {
QPushButton *backButton(QWidget &bar)
{
    return bar.findChild<QPushButton *>(QStringLiteral("backButton"));
}

QLabel *caption(QWidget &bar)
{
    return bar.findChild<QLabel *>(QStringLiteral("caption"));
}
} // namespace

void TestSettingsToolBar::backEmitsFinishedPerClick()
{
    SettingsToolBarWidget bar;
    bar.show();
    QCOMPARE(bar.objectName(), QStringLiteral("SettingsToolBarWidget"));
    QVERIFY(bar.property("topToolBar").toBool());
    QSignalSpy finished(&bar, &SettingsToolBarWidget::finished);
    QTest::mouseClick(backButton(bar), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QTest::mouseClick(backButton(bar), Qt::LeftButton);
    QCOMPARE(finished.count(), 2);
}

void TestSettingsToolBar::languageChange()
{
    SettingsToolBarWidget bar;
    QCOMPARE(caption(bar)->text(), QStringLiteral("Settings"));
    QCOMPARE(backButton(bar)->toolTip(), QStringLiteral("Back"));

    TranslationLoader::instance()->load(QStringLiteral("ru"));
    QCoreApplication::processEvents();
    QCOMPARE(caption(bar)->text(), QString::fromUtf8("Настройки"));
    QCOMPARE(backButton(bar)->toolTip(), QString::fromUtf8("Назад"));
    QCOMPARE(backButton(bar)->statusTip(), QString::fromUtf8("Назад"));
    QCOMPARE(backButton(bar)->whatsThis(), QString::fromUtf8("Назад"));
    QCOMPARE(backButton(bar)->text(), QString(QChar(0xE317)));

    TranslationLoader::instance()->load(QStringLiteral("en"));
    QCoreApplication::processEvents();
    QCOMPARE(caption(bar)->text(), QStringLiteral("Settings"));
    QCOMPARE(backButton(bar)->text(), QString(QChar(0xE317)));
}

// Not a check: the bar in both themes for a person to look at.
void TestSettingsToolBar::screenshots()
{
    const QString dir = qEnvironmentVariable("PRALUNE_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set PRALUNE_SCREENSHOT_DIR to write the pictures");
    initPraluneAssets();
    for (const QString &theme : {QStringLiteral("dark"), QStringLiteral("light")}) {
        QFile file(QStringLiteral(":/stylesheets/%1.theme").arg(theme));
        QVERIFY(file.open(QIODevice::ReadOnly));
        qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
        SettingsToolBarWidget bar;
        bar.resize(640, 32);
        bar.show();
        QTest::qWait(20);
        bar.grab().save(dir + "/settings-toolbar-" + theme + ".png");
    }
    qApp->setStyleSheet(QString());
}

QTEST_MAIN(TestSettingsToolBar)
#include "tst_settingstoolbar.moc"
