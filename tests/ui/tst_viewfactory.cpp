#include "resources/kt220resource.h"
#include "resources/kw7functiongeneratorresource.h"
#include "resources/resourcehx2.h"
#include "resources/resourcehx9.h"
#include "resources/resourcerv38.h"
#include "ui/viewbase/viewinterface.h"
#include "ui/viewfactory.h"
#include "views/functiongenerator/functiongeneratorview.h"
#include "views/multimeter/digitalmultimeterview.h"
#include "views/oscilloscope/digitaloscilloscopeview.h"
#include "views/powersupply/powersupplyview.h"

#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(std::function<std::unique_ptr<ResourceInterface>()>)

class TestViewFactory : public QObject
{
    Q_OBJECT
private slots:
    void typesInMapOrder();
    void resourcesNameTheirView_data();
    void resourcesNameTheirView();
    void createsFreshViews();
    void unknownNamesGiveNull_data();
    void unknownNamesGiveNull();
    void placeholderContract_data();
    void placeholderContract();
    void errorDisablesFullAndPinned();
    void setResourceReplaces();
};

void TestViewFactory::typesInMapOrder()
{
    ViewFactory factory;
    QCOMPARE(factory.availiableTypes(),
             QStringList({"Digital Multimeter", "Digital Oscilloscope", "Function Generator",
                          "Power Supply"}));
}

using MakeResource = std::function<std::unique_ptr<ResourceInterface>()>;

template<class T>
MakeResource maker()
{
    return [] { return std::make_unique<T>(); };
}

// The resources cannot include the views, so they spell the view type themselves: each must be
// the one the view class answers to, or the shell opens no view for the instrument.
void TestViewFactory::resourcesNameTheirView_data()
{
    QTest::addColumn<MakeResource>("makeResource");
    QTest::addColumn<QString>("viewType");
    QTest::newRow("multimeter RV31")
            << maker<ResourceRV38>() << DigitalMultimeterView::staticViewType();
    QTest::newRow("oscilloscope HX2")
            << maker<ResourceHX2>() << DigitalOscilloscopeView::staticViewType();
    QTest::newRow("oscilloscope HX9")
            << maker<ResourceHX9>() << DigitalOscilloscopeView::staticViewType();
    QTest::newRow("generator KW7")
            << maker<KW7FunctionGeneratorResource>() << FunctionGeneratorView::staticViewType();
    QTest::newRow("power supply KT220")
            << maker<KT220Resource>() << PowerSupplyView::staticViewType();
}

void TestViewFactory::resourcesNameTheirView()
{
    QFETCH(MakeResource, makeResource);
    QFETCH(QString, viewType);
    const std::unique_ptr<ResourceInterface> resource = makeResource();
    QCOMPARE(resource->viewType(), viewType);
    ViewFactory factory;
    std::unique_ptr<QObject> view(factory.create(viewType));
    QVERIFY(view);
    QCOMPARE(qobject_cast<ViewInterface *>(view.get())->type(), viewType);
}

void TestViewFactory::createsFreshViews()
{
    ViewFactory factory;
    std::unique_ptr<QObject> first(factory.create("Digital Multimeter"));
    std::unique_ptr<QObject> second(factory.create("Digital Multimeter"));
    QVERIFY(first && second);
    QVERIFY(first != second);
    auto *view = qobject_cast<ViewInterface *>(first.get());
    QVERIFY(view);
    QCOMPARE(view->id().value(), 0);
    QVERIFY(!view->resource());
    QVERIFY(!view->parent());
}

void TestViewFactory::unknownNamesGiveNull_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("other case") << "digital multimeter";
    QTest::newRow("empty") << QString();
    QTest::newRow("resource type") << "KT220Resource";
}

void TestViewFactory::unknownNamesGiveNull()
{
    QFETCH(QString, name);
    ViewFactory factory;
    QVERIFY(!factory.create(name));
}

void TestViewFactory::placeholderContract_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<bool>("settingsHasChildren");
    QTest::addColumn<bool>("unboundIsError");
    // A real view reports an error until a resource of its own kind is bound.
    QTest::newRow("multimeter") << "Digital Multimeter" << false << true;
    QTest::newRow("power supply") << "Power Supply" << false << false;
    QTest::newRow("oscilloscope") << "Digital Oscilloscope" << true << false;
    QTest::newRow("generator") << "Function Generator" << true << true;
}

void TestViewFactory::placeholderContract()
{
    QFETCH(QString, type);
    QFETCH(bool, settingsHasChildren);
    QFETCH(bool, unboundIsError);
    ViewFactory factory;
    std::unique_ptr<ViewInterface> view(qobject_cast<ViewInterface *>(factory.create(type)));
    QVERIFY(view);
    QCOMPARE(view->type(), type);
    QCOMPARE(view->displayType(), type); // untranslated in tests
    QVERIFY(view->fullScreenUserInterface());
    QVERIFY(view->pinnedUserInterface());
    QVERIFY(view->fullScreenUserInterface() != view->pinnedUserInterface());
    QWidget *settings = view->settingsUserInterface();
    QVERIFY(settings);
    QVERIFY(!settings->parent());
    QCOMPARE(view->settingsUserInterface(), settings);
    QCOMPARE(!settings->children().isEmpty(), settingsHasChildren);
    QCOMPARE(view->isError(), unboundIsError);
}

void TestViewFactory::errorDisablesFullAndPinned()
{
    ViewFactory factory;
    std::unique_ptr<ViewInterface> view(
            qobject_cast<ViewInterface *>(factory.create("Digital Oscilloscope")));
    QSignalSpy errors(view.get(), &ViewInterface::errorOccured);
    QWidget *settings = view->settingsUserInterface();
    view->proccessError();
    QVERIFY(!view->fullScreenUserInterface()->isEnabled());
    QVERIFY(!view->pinnedUserInterface()->isEnabled());
    QVERIFY(settings->isEnabled());
    QCOMPARE(errors.count(), 1);
    view->proccessError();
    QCOMPARE(errors.count(), 2);
}

namespace {
// Counts the resources a view was bound to.
class CountingView : public DigitalOscilloscopeView
{
public:
    void resourceApplied(std::shared_ptr<ResourceInterface> &resource) override
    {
        ++applied;
        DigitalOscilloscopeView::resourceApplied(resource);
    }
    int applied = 0;
};
} // namespace

void TestViewFactory::setResourceReplaces()
{
    CountingView view;
    std::shared_ptr<ResourceInterface> none;
    view.setResource(none);
    view.setResource(none);
    QCOMPARE(view.applied, 2);
    QVERIFY(!view.resource());
}

QTEST_MAIN(TestViewFactory)
#include "tst_viewfactory.moc"
