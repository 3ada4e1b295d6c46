#include "app/arrangementscollection.h"
#include "app/arrangementstate.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
ArrangementState views(const QStringList &names, int maximized = 0)
{
    ArrangementState state;
    for (int i = 0; i < names.size(); ++i)
        state.addResourceInformation(QStringLiteral("Resource") + names.at(i),
                                     QStringLiteral("id-%1").arg(i), i == maximized, names.at(i));
    return state;
}

ArrangementState hx2AndRv31()
{
    return views({QStringLiteral("HX2"), QStringLiteral("RV31")});
}

QStringList savedNames(const ArrangementsCollection &collection)
{
    QStringList names;
    for (int i = 1; i < collection.count(); ++i)
        names << collection.name(i);
    return names;
}
} // namespace

class TestArrangements : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void stateEntriesAndCopies();
    void stateEquality_data();
    void stateEquality();
    void freshCollection();
    void saveCurrentNamesInSequence();
    void saveCurrentIgnoresEmptyArrangement();
    void namesCompareCaseSensitively();
    void renameAndRemoveBounds_data();
    void renameAndRemoveBounds();
    void setCurrentEmitsOnlyOnChange();
    void storeAndRestore();
    void restoreFromEmptyStore();

private:
    std::shared_ptr<QSettings> iniStore();
    QTemporaryDir m_dir;
    int m_files = 0;
};

void TestArrangements::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

std::shared_ptr<QSettings> TestArrangements::iniStore()
{
    return std::make_shared<QSettings>(m_dir.filePath(QStringLiteral("store%1.ini").arg(++m_files)),
                                       QSettings::IniFormat);
}

void TestArrangements::stateEntriesAndCopies()
{
    ArrangementState state;
    QVERIFY(!state.isValid());
    QCOMPARE(state.count(), 0);

    state.addResourceInformation(QStringLiteral("ResourceHX2"), QStringLiteral("u1"), true,
                                 QStringLiteral("HX2"));
    QVERIFY(state.isValid());
    QCOMPARE(state.type(0), QStringLiteral("ResourceHX2"));
    QCOMPARE(state.uniqueId(0), QStringLiteral("u1"));
    QCOMPARE(state.isMaximized(0), true);
    QCOMPARE(state.name(0), QStringLiteral("HX2"));
    // Out of range reads give empty values instead of reading past the entries.
    QCOMPARE(state.name(1), QString());
    QCOMPARE(state.isMaximized(-1), false);

    ArrangementState copy = state;
    copy.addResourceInformation(QStringLiteral("ResourceRV31"), QStringLiteral("u2"), false,
                                QStringLiteral("RV31"));
    QCOMPARE(state.count(), 1);
    QCOMPARE(copy.count(), 2);

    ArrangementState assigned;
    assigned = copy;
    copy.clear();
    QCOMPARE(assigned.count(), 2);
    QVERIFY(!copy.isValid());

    ArrangementState moved = std::move(assigned);
    QCOMPARE(moved.count(), 2);
}

void TestArrangements::stateEquality_data()
{
    QTest::addColumn<ArrangementState>("left");
    QTest::addColumn<ArrangementState>("right");
    QTest::addColumn<bool>("equal");

    const ArrangementState base = hx2AndRv31();
    ArrangementState otherId;
    otherId.addResourceInformation(base.type(0), QStringLiteral("other"), true, base.name(0));
    otherId.addResourceInformation(base.type(1), base.uniqueId(1), false, base.name(1));
    ArrangementState lowerName;
    lowerName.addResourceInformation(base.type(0), base.uniqueId(0), true, QStringLiteral("hx2"));
    lowerName.addResourceInformation(base.type(1), base.uniqueId(1), false, base.name(1));
    ArrangementState reversed;
    reversed.addResourceInformation(base.type(1), base.uniqueId(1), false, base.name(1));
    reversed.addResourceInformation(base.type(0), base.uniqueId(0), true, base.name(0));

    QTest::newRow("both empty") << ArrangementState() << ArrangementState() << true;
    QTest::newRow("same entries") << base << hx2AndRv31() << true;
    QTest::newRow("empty and not") << ArrangementState() << base << false;
    QTest::newRow("one entry more") << base << views({"HX2", "RV31", "KW7"}) << false;
    QTest::newRow("other maximized") << base << views({"HX2", "RV31"}, 1) << false;
    QTest::newRow("other unique id") << base << otherId << false;
    QTest::newRow("name differs in case") << base << lowerName << false;
    QTest::newRow("same entries, other order") << base << reversed << false;
}

void TestArrangements::stateEquality()
{
    QFETCH(ArrangementState, left);
    QFETCH(ArrangementState, right);
    QFETCH(bool, equal);
    QCOMPARE(left == right, equal);
    QCOMPARE(right == left, equal);
}

void TestArrangements::freshCollection()
{
    ArrangementsCollection collection;
    QCOMPARE(collection.count(), 1);
    QCOMPARE(collection.name(0), QStringLiteral("Last used arrangement"));
    QVERIFY(!collection.arrangement(0).isValid());
    QVERIFY(!collection.currentArrangement().isValid());
    QVERIFY(!collection.arrangement(1).isValid());
    QCOMPARE(collection.name(1), QString());
}

void TestArrangements::saveCurrentNamesInSequence()
{
    ArrangementsCollection collection;
    QSignalSpy changed(&collection, &ArrangementsCollection::currentArrangementChanged);
    collection.setCurrentArrangement(hx2AndRv31());
    QCOMPARE(changed.count(), 1);

    collection.saveCurrent();
    collection.saveCurrent();
    collection.saveCurrent();
    QCOMPARE(savedNames(collection), QStringList({"HX2/RV31", "HX2/RV31_1", "HX2/RV31_2"}));
    QVERIFY(collection.arrangement(3) == hx2AndRv31());

    QVERIFY(collection.setName(1, QStringLiteral("bench A")));
    collection.saveCurrent();
    QCOMPARE(savedNames(collection),
             QStringList({"bench A", "HX2/RV31_1", "HX2/RV31_2", "HX2/RV31"}));

    collection.remove(2);
    collection.saveCurrent();
    QCOMPARE(savedNames(collection).last(), QStringLiteral("HX2/RV31_1"));
    QCOMPARE(changed.count(), 1);
}

void TestArrangements::saveCurrentIgnoresEmptyArrangement()
{
    ArrangementsCollection collection;
    collection.saveCurrent();
    QCOMPARE(collection.count(), 1);
}

void TestArrangements::namesCompareCaseSensitively()
{
    ArrangementsCollection collection;
    collection.setCurrentArrangement(views({QStringLiteral("HX2")}));
    collection.saveCurrent();
    QVERIFY(collection.setName(1, QStringLiteral("hx2")));
    collection.saveCurrent();
    QCOMPARE(savedNames(collection), QStringList({"hx2", "HX2"}));

    // The fixed name of index 0 does not take part in the test.
    collection.setName(1, QStringLiteral("Last used arrangement"));
    collection.setName(2, QStringLiteral("other"));
    collection.setCurrentArrangement(views({QStringLiteral("Last used arrangement")}));
    collection.saveCurrent();
    QCOMPARE(savedNames(collection).last(), QStringLiteral("Last used arrangement_1"));
}

void TestArrangements::renameAndRemoveBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("accepted");
    // Three saved arrangements: count() is 4.
    QTest::newRow("negative") << -1 << false;
    QTest::newRow("current") << 0 << false;
    QTest::newRow("first saved") << 1 << true;
    QTest::newRow("last saved") << 3 << true;
    QTest::newRow("count") << 4 << false;
    QTest::newRow("far beyond") << 100 << false;
}

void TestArrangements::renameAndRemoveBounds()
{
    QFETCH(int, index);
    QFETCH(bool, accepted);

    ArrangementsCollection collection;
    for (const QString &name :
         {QStringLiteral("HX2"), QStringLiteral("HX9"), QStringLiteral("RV31")}) {
        collection.setCurrentArrangement(views({name}));
        collection.saveCurrent();
    }
    const QStringList before = savedNames(collection);

    QCOMPARE(collection.setName(index, QStringLiteral("renamed")), accepted);
    QStringList expected = before;
    if (accepted)
        expected[index - 1] = QStringLiteral("renamed");
    QCOMPARE(savedNames(collection), expected);
    QCOMPARE(collection.name(0), QStringLiteral("Last used arrangement"));

    QCOMPARE(collection.remove(index), accepted);
    if (accepted)
        expected.removeAt(index - 1);
    QCOMPARE(savedNames(collection), expected);
    QCOMPARE(collection.count(), expected.size() + 1);
    QVERIFY(collection.currentArrangement() == views({QStringLiteral("RV31")}));
}

void TestArrangements::setCurrentEmitsOnlyOnChange()
{
    ArrangementsCollection collection;
    QSignalSpy changed(&collection, &ArrangementsCollection::currentArrangementChanged);

    collection.setCurrentArrangement(ArrangementState());
    QCOMPARE(changed.count(), 0);

    collection.setCurrentArrangement(hx2AndRv31());
    collection.setCurrentArrangement(hx2AndRv31());
    QCOMPARE(changed.count(), 1);
    QVERIFY(qvariant_cast<ArrangementState>(changed.at(0).at(0)) == hx2AndRv31());

    collection.setCurrentArrangement(views({"HX2", "RV31"}, 1));
    ArrangementState renamed;
    renamed.addResourceInformation(QStringLiteral("ResourceHX2"), QStringLiteral("id-0"), false,
                                   QStringLiteral("HX2 "));
    renamed.addResourceInformation(QStringLiteral("ResourceRV31"), QStringLiteral("id-1"), true,
                                   QStringLiteral("RV31"));
    collection.setCurrentArrangement(renamed);
    QCOMPARE(changed.count(), 3);

    collection.saveCurrent();
    collection.setName(1, QStringLiteral("x"));
    collection.remove(1);
    collection.clear();
    QCOMPARE(changed.count(), 3);
}

void TestArrangements::storeAndRestore()
{
    ArrangementsCollection written;
    written.setCurrentArrangement(views({QStringLiteral("HX9")}));
    written.saveCurrent();
    written.setCurrentArrangement(views({"HX2", "RV31", "KW7"}, 2));
    written.saveCurrent();
    written.setName(2, QString());
    written.setCurrentArrangement(hx2AndRv31());

    const std::shared_ptr<QSettings> settings = iniStore();
    written.store(settings);
    settings->sync();

    ArrangementsCollection read;
    read.setCurrentArrangement(views({QStringLiteral("stale")}));
    read.saveCurrent();
    QSignalSpy changed(&read, &ArrangementsCollection::currentArrangementChanged);
    read.restore(std::make_shared<QSettings>(settings->fileName(), QSettings::IniFormat));

    QCOMPARE(changed.count(), 0);
    QCOMPARE(read.count(), written.count());
    QVERIFY(read.currentArrangement() == written.currentArrangement());
    for (int i = 1; i < written.count(); ++i) {
        QVERIFY(read.arrangement(i) == written.arrangement(i));
        QCOMPARE(read.name(i), written.name(i));
    }
    QCOMPARE(read.name(2), QString());
}

void TestArrangements::restoreFromEmptyStore()
{
    ArrangementsCollection collection;
    collection.setCurrentArrangement(hx2AndRv31());
    collection.saveCurrent();

    collection.restore(iniStore());
    QCOMPARE(collection.count(), 1);
    QVERIFY(!collection.currentArrangement().isValid());
}

QTEST_GUILESS_MAIN(TestArrangements)
#include "tst_arrangements.moc"
