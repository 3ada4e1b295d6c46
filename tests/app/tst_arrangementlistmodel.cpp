#include "app/arrangementlistmodel.h"
#include "app/arrangementscollection.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {
ArrangementState oneView(const QString &name)
{
    ArrangementState state;
    state.addResourceInformation(QStringLiteral("Resource") + name, name.toLower(), true, name);
    return state;
}

// A collection with the given saved arrangements, each of one view named after it.
std::shared_ptr<ArrangementsCollection> collectionOf(const QStringList &saved)
{
    auto collection = std::make_shared<ArrangementsCollection>();
    for (const QString &name : saved) {
        collection->setCurrentArrangement(oneView(name));
        collection->saveCurrent();
    }
    collection->setCurrentArrangement(ArrangementState());
    return collection;
}

QStringList rowTexts(const QAbstractItemModel &model)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, 0).data().toString();
    return texts;
}
} // namespace

class TestArrangementListModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void onlyTheCurrentRow();
    void rowsFollowTheCollection();
    void renameSavedRow();
    void renameRefused_data();
    void renameRefused();
    void editorOnRowZeroKeepsText();
    void removeRows_data();
    void removeRows();
    void saveCurrent();
    void setCollectionResets();
    void setCurrentArrangementForwards();
};

void TestArrangementListModel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestArrangementListModel::onlyTheCurrentRow()
{
    ArrangementListModel model;
    model.setCollection(std::make_shared<ArrangementsCollection>());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(model.rowCount(), 1);
    const QModelIndex row0 = model.index(0, 0);
    QCOMPARE(row0.data(Qt::DisplayRole).toString(), QStringLiteral("Last used arrangement"));
    QCOMPARE(row0.data(Qt::EditRole).toString(), QStringLiteral("Last used arrangement"));
    QCOMPARE(row0.data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft));
    QVERIFY(!row0.data(Qt::ToolTipRole).isValid());
    QVERIFY(!model.data(QModelIndex(), Qt::DisplayRole).isValid());
    QVERIFY(model.flags(row0) & Qt::ItemIsEditable);
    QVERIFY(model.flags(row0) & Qt::ItemIsSelectable);
    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
    QCOMPARE(model.rowCount(row0), 0);
}

void TestArrangementListModel::rowsFollowTheCollection()
{
    const auto collection = collectionOf({"HX2", "RV31"});
    ArrangementListModel model;
    model.setCollection(collection);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(rowTexts(model), QStringList({"Last used arrangement", "HX2", "RV31"}));
    QVERIFY(model.arrangement(2) == oneView(QStringLiteral("RV31")));
    QVERIFY(!model.arrangement(0).isValid());
}

void TestArrangementListModel::renameSavedRow()
{
    const auto collection = collectionOf({"HX2", "RV31", "KW7"});
    ArrangementListModel model;
    model.setCollection(collection);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    const QModelIndex row2 = model.index(2, 0);
    QVERIFY(model.setData(row2, QStringLiteral("meter"), Qt::EditRole));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), row2);
    QCOMPARE(changed.at(0).at(1).toModelIndex(), row2);
    QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int> {Qt::EditRole});
    QCOMPARE(collection->name(2), QStringLiteral("meter"));
    QCOMPARE(rowTexts(model), QStringList({"Last used arrangement", "HX2", "meter", "KW7"}));

    QVERIFY(model.setData(model.index(1, 0), QString(), Qt::DisplayRole));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(2).value<QVector<int>>(), QVector<int> {Qt::DisplayRole});
    QCOMPARE(collection->name(1), QString());
}

void TestArrangementListModel::renameRefused_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("role");
    QTest::newRow("row 0") << 0 << int(Qt::EditRole);
    QTest::newRow("tool tip role") << 1 << int(Qt::ToolTipRole);
    QTest::newRow("invalid index") << -1 << int(Qt::EditRole);
}

void TestArrangementListModel::renameRefused()
{
    QFETCH(int, row);
    QFETCH(int, role);
    const auto collection = collectionOf({"HX2"});
    ArrangementListModel model;
    model.setCollection(collection);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    const QModelIndex index = row < 0 ? QModelIndex() : model.index(row, 0);
    QVERIFY(!model.setData(index, QStringLiteral("renamed"), role));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(rowTexts(model), QStringList({"Last used arrangement", "HX2"}));
}

void TestArrangementListModel::editorOnRowZeroKeepsText()
{
    ArrangementListModel model;
    model.setCollection(collectionOf({"HX2"}));
    QListView view;
    view.setModel(&model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    for (int row : {0, 1}) {
        const QModelIndex index = model.index(row, 0);
        view.edit(index);
        auto *editor = view.findChild<QLineEdit *>();
        QVERIFY2(editor, "every row opens an editor");
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("typed"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_VERIFY(view.findChildren<QLineEdit *>().isEmpty());
    }
    QCOMPARE(rowTexts(model), QStringList({"Last used arrangement", "typed"}));
}

void TestArrangementListModel::removeRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("remaining");
    const QStringList all {"Last used arrangement", "A", "B", "C"};
    QTest::newRow("row 0") << 0 << 1 << false << all;
    QTest::newRow("negative row") << -1 << 1 << false << all;
    QTest::newRow("row count") << 4 << 1 << false << all;
    QTest::newRow("first two") << 1 << 2 << true << QStringList({"Last used arrangement", "C"});
    QTest::newRow("last one") << 3 << 1 << true << QStringList({"Last used arrangement", "A", "B"});
    QTest::newRow("all saved") << 1 << 3 << true << QStringList({"Last used arrangement"});
    QTest::newRow("running past the end") << 2 << 3 << false << all;
    QTest::newRow("zero rows") << 1 << 0 << false << all;
}

void TestArrangementListModel::removeRows()
{
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(bool, accepted);
    QFETCH(QStringList, remaining);

    const auto collection = collectionOf({"A", "B", "C"});
    ArrangementListModel model;
    model.setCollection(collection);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);

    QCOMPARE(model.removeRows(row, count), accepted);
    QCOMPARE(removed.count(), accepted ? 1 : 0);
    if (accepted) {
        QCOMPARE(removed.at(0).at(1).toInt(), row);
        QCOMPARE(removed.at(0).at(2).toInt(), row + count - 1);
    }
    QCOMPARE(rowTexts(model), remaining);
    QCOMPARE(collection->count(), remaining.size());
}

void TestArrangementListModel::saveCurrent()
{
    const auto collection = collectionOf({"HX2"});
    ArrangementListModel model;
    model.setCollection(collection);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserting(&model, &QAbstractItemModel::rowsAboutToBeInserted);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    model.saveCurrent();
    QCOMPARE(inserting.count(), 0);
    QCOMPARE(model.rowCount(), 2);

    collection->setCurrentArrangement(oneView(QStringLiteral("HX2")));
    model.saveCurrent();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.at(0).at(0).toModelIndex(), QModelIndex());
    QCOMPARE(inserted.at(0).at(1).toInt(), 2);
    QCOMPARE(inserted.at(0).at(2).toInt(), 2);
    QCOMPARE(rowTexts(model), QStringList({"Last used arrangement", "HX2", "HX2_1"}));
}

void TestArrangementListModel::setCollectionResets()
{
    ArrangementListModel model;
    auto firstCollection = collectionOf({"A"});
    const std::weak_ptr<ArrangementsCollection> first = firstCollection;
    model.setCollection(firstCollection);
    firstCollection.reset();
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QVERIFY(!first.expired());

    model.setCollection(collectionOf({"B", "C"}));
    QCOMPARE(reset.count(), 1);
    QVERIFY(first.expired());
    QCOMPARE(rowTexts(model), QStringList({"Last used arrangement", "B", "C"}));
}

void TestArrangementListModel::setCurrentArrangementForwards()
{
    const auto collection = collectionOf({"HX2", "KW7"});
    ArrangementListModel model;
    model.setCollection(collection);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy current(collection.get(), &ArrangementsCollection::currentArrangementChanged);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    model.setCurrentArrangement(model.arrangement(2));
    QCOMPARE(current.count(), 1);
    QVERIFY(collection->currentArrangement() == oneView(QStringLiteral("KW7")));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(rowTexts(model), QStringList({"Last used arrangement", "HX2", "KW7"}));
}

QTEST_MAIN(TestArrangementListModel)
#include "tst_arrangementlistmodel.moc"
