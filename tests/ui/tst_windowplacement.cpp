#include "ui/windowplacement.h"

#include <QApplication>
#include <QScreen>
#include <QtTest>

class TestWindowPlacement : public QObject
{
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
    void onlyWindowsAndDialogsAreMoved_data();
    void onlyWindowsAndDialogsAreMoved();
};

void TestWindowPlacement::placement_data()
{
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("over");
    QTest::addColumn<QPoint>("corner");
    const QSize dialog(300, 200);
    QTest::newRow("centred over the window")
            << dialog << QRect(100, 50, 700, 500) << QPoint(300, 200);
    QTest::newRow("window past the right edge")
            << dialog << QRect(700, 50, 700, 500) << QPoint(1000 - 300, 200);
    QTest::newRow("window past the bottom edge")
            << dialog << QRect(100, 500, 700, 500) << QPoint(300, 700 - 200);
    QTest::newRow("window past the top-left corner")
            << dialog << QRect(-600, -400, 700, 500) << QPoint(0, 0);
    // Moved, never resized: the corner with the window's title stays on the screen.
    QTest::newRow("larger than the screen")
            << QSize(1200, 900) << QRect(100, 50, 700, 500) << QPoint(0, 0);
}

void TestWindowPlacement::placement()
{
    QFETCH(QSize, frame);
    QFETCH(QRect, over);
    QFETCH(QPoint, corner);
    const QRect available(0, 0, 1000, 700);
    QCOMPARE(placedOver(frame, over, available), corner);
}

void TestWindowPlacement::onlyWindowsAndDialogsAreMoved_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("owned");
    QTest::addColumn<bool>("moved");
    QTest::newRow("window") << int(Qt::Window) << false << true;
    QTest::newRow("dialog") << int(Qt::Dialog) << false << true;
    QTest::newRow("pop-up") << int(Qt::Popup) << false << false;
    QTest::newRow("tool tip") << int(Qt::ToolTip) << false << false;
    // A file dialog's question or a settings window's message box, its window moved aside.
    QTest::newRow("dialog of another window") << int(Qt::Dialog) << true << true;
}

// A combo box's list or a tool tip opens where it belongs, not over the main window; a window
// of the program's own opens over the window it belongs to, or over the main one.
void TestWindowPlacement::onlyWindowsAndDialogsAreMoved()
{
    QFETCH(int, flags);
    QFETCH(bool, owned);
    QFETCH(bool, moved);
    QWidget main;
    new WindowPlacement(&main);
    const QRect available = main.screen()->availableGeometry();
    main.setGeometry(QRect(available.topLeft() + QPoint(40, 30), QSize(400, 300)));
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QWidget owner;
    owner.resize(300, 200);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    owner.move(available.topLeft() + QPoint(420, 320)); // where the user took it
    QVERIFY(!owner.frameGeometry().contains(main.frameGeometry().center()));

    QWidget other(owned ? &owner : nullptr, Qt::WindowFlags(flags));
    other.resize(120, 80);
    const QPoint start = available.topLeft() + QPoint(2, 2);
    other.move(start);
    other.show();
    const QWidget *over = owned ? &owner : &main;
    if (moved)
        QCOMPARE(other.frameGeometry().center(), over->frameGeometry().center());
    else // where it was put, give or take the frame the platform draws around it
        QVERIFY((other.pos() - start).manhattanLength() <= 8);
}

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
