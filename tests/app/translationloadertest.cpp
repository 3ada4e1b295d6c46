#include "app/translationloader.h"
#include "app/arrangementscollection.h"

#include <QApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QLocale>
#include <QStandardPaths>
#include <QtTest>

namespace {
const QString lastUsed = QStringLiteral("Last used arrangement");
const QString lastUsedRu = QStringLiteral("Последняя расстановка");

QString arrangementText()
{
    return QCoreApplication::translate("QObject", "Last used arrangement");
}

QString microPrefix()
{
    return QCoreApplication::translate("dimension prefix", "mk");
}

class LanguageChangeCounter : public QWidget
{
public:
    int count = 0;

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++count;
        QWidget::changeEvent(event);
    }
};
} // namespace

// The same cases run twice: once with the fixtures in translations/ beside the executable,
// once with them beside the executable itself and no translations/ folder.
class TestTranslationLoader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void startsWithDefaultAndNothingInstalled();
    void russianTranslatesEveryBaseWithAFile();
    void unknownLanguageKeepsCurrent_data();
    void unknownLanguageKeepsCurrent();
    void englishRemovesRussianWithoutEnglishFiles();
    void typedNumbersTakeNoGrouping_data();
    void typedNumbersTakeNoGrouping();
};

void TestTranslationLoader::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    const QDir beside(QCoreApplication::applicationDirPath());
    const bool folder = beside.exists(QStringLiteral("translations"));
    QVERIFY(QFileInfo::exists(beside.filePath(folder ? QStringLiteral("translations/pralune_ru.qm")
                                                     : QStringLiteral("pralune_ru.qm"))));
    qInfo("fixtures %s", folder ? "in translations/" : "beside the executable");
}

void TestTranslationLoader::startsWithDefaultAndNothingInstalled()
{
    const auto loader = TranslationLoader::instance();
    QCOMPARE(loader, TranslationLoader::instance());
    QCOMPARE(TranslationLoader::supportedLanguages(), QStringList({"en", "ru"}));
    // The runner sets LANG=C.UTF-8, so the system locale is not Russian.
    QCOMPARE(TranslationLoader::defaultLanguage(), QStringLiteral("en"));
    QCOMPARE(loader->currentLanguage(), QStringLiteral("en"));
    QCOMPARE(arrangementText(), lastUsed);
}

void TestTranslationLoader::russianTranslatesEveryBaseWithAFile()
{
    LanguageChangeCounter widget;
    // Made before the change, as the views' panels are: it must follow the new number format.
    QWidget window;
    auto *earlier = new QDoubleSpinBox(&window);
    earlier->setRange(0, 1e6);
    earlier->setValue(2000.0);
    QCOMPARE(earlier->text(), QStringLiteral("2000.00"));
    TranslationLoader::instance()->load(QStringLiteral("ru"));

    QCOMPARE(TranslationLoader::instance()->currentLanguage(), QStringLiteral("ru"));
    QCOMPARE(arrangementText(), lastUsedRu);
    QCOMPARE(ArrangementsCollection().name(0), lastUsedRu);
    QCOMPARE(microPrefix(), QStringLiteral("мк"));
    QCoreApplication::processEvents();
    QVERIFY(widget.count > 0);

    QCOMPARE(QLocale().decimalPoint(), QLatin1Char(','));
    QDoubleSpinBox spinBox;
    spinBox.setDecimals(1);
    spinBox.setValue(1.5);
    QCOMPARE(spinBox.text(), QStringLiteral("1,5"));
    QCOMPARE(earlier->text(), QStringLiteral("2000,00"));
    QCOMPARE(earlier->locale().decimalPoint(), QLatin1Char(','));
}

void TestTranslationLoader::unknownLanguageKeepsCurrent_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("de") << QStringLiteral("de");
    QTest::newRow("upper case RU") << QStringLiteral("RU");
    QTest::newRow("upper case EN") << QStringLiteral("EN");
    QTest::newRow("empty") << QString();
}

void TestTranslationLoader::unknownLanguageKeepsCurrent()
{
    QFETCH(QString, language);
    TranslationLoader::instance()->load(language);
    QCOMPARE(TranslationLoader::instance()->currentLanguage(), QStringLiteral("ru"));
    QCOMPARE(arrangementText(), lastUsedRu);
    QCOMPARE(QLocale().language(), QLocale::Russian);
}

void TestTranslationLoader::englishRemovesRussianWithoutEnglishFiles()
{
    TranslationLoader::instance()->load(QStringLiteral("en"));

    QCOMPARE(TranslationLoader::instance()->currentLanguage(), QStringLiteral("en"));
    // Neither the Russian text nor the language-less "pralune" file beside it.
    QCOMPARE(arrangementText(), lastUsed);
    QCOMPARE(microPrefix(), QStringLiteral("mk"));
    QCOMPARE(QLocale().language(), QLocale::English);
    QCOMPARE(QLocale().decimalPoint(), QLatin1Char('.'));
}

void TestTranslationLoader::typedNumbersTakeNoGrouping_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("grouped");
    QTest::addColumn<QString>("plain");
    QTest::newRow("en") << "en"
                        << "1,000.5"
                        << "1000.5";
    QTest::newRow("ru") << "ru" << QStringLiteral("1\u00a0000,5") << "1000,5";
}

// The one group separator is the other language's decimal mark: read as grouping, a typed
// fraction would become a thousand times larger.
void TestTranslationLoader::typedNumbersTakeNoGrouping()
{
    QFETCH(QString, language);
    QFETCH(QString, grouped);
    QFETCH(QString, plain);
    TranslationLoader::instance()->load(language);
    bool ok = true;
    QLocale().toDouble(grouped, &ok);
    QVERIFY(!ok);
    QCOMPARE(QLocale().toDouble(plain, &ok), 1000.5);
    QVERIFY(ok);
    // Written numbers keep their grouping.
    QCOMPARE(QLocale().toString(1000.5, 'f', 1), grouped);
    TranslationLoader::instance()->load(QStringLiteral("en"));
}

QTEST_MAIN(TestTranslationLoader)
#include "translationloadertest.moc"
