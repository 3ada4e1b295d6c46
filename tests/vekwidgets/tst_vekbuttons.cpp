#include "vekwidgets/vekaccentpushbutton.h"
#include "vekwidgets/vekcolortoolbutton.h"
#include "vekwidgets/vekflatbutton.h"
#include "vekwidgets/vekpalette.h"
#include "vekwidgets/vekpushbutton.h"
#include "vekwidgets/vektoolbarbutton.h"

#include <QApplication>
#include <QColorDialog>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

// Below the body, where only the shadow layers reach; and further below, where nothing does.
constexpr QPoint shadowBelow(50, 34);
constexpr QPoint shadowRight(96, 20);
constexpr QPoint clear(50, 38);
constexpr QPoint inBody(50, 16);

QImage render(QPushButton &button, bool enabled, bool checked = false)
{
    button.setEnabled(enabled);
    button.setCheckable(checked);
    button.setChecked(checked);
    button.resize(100, 40);
    return button.grab().toImage();
}

void send(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButtons held)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TestVekButtons : public QObject
{
    Q_OBJECT
private slots:
    void shadowOnlyWhenEnabled_data();
    void shadowOnlyWhenEnabled();
    void bodyColours();
    void sizeHintLeavesRoomForTheShadow();
    void clickInsideEmitsOnce();
    void releaseOutsideEmitsNothing();
    void flatButtonStyleSheet();
    void toolBarButtonThemes();
    void colorButtonSetColor();
    void colorButtonDialog();
};

void TestVekButtons::shadowOnlyWhenEnabled_data()
{
    QTest::addColumn<bool>("accent");
    QTest::addColumn<bool>("checked");
    QTest::newRow("push button") << false << false;
    QTest::newRow("push button, checked") << false << true;
    QTest::newRow("accent button") << true << false;
}

void TestVekButtons::shadowOnlyWhenEnabled()
{
    QFETCH(bool, accent);
    QFETCH(bool, checked);
    std::unique_ptr<VekPushButton> button;
    if (accent)
        button = std::make_unique<VekAccentPushButton>("OK");
    else
        button = std::make_unique<VekPushButton>("OK");

    const QImage enabled = render(*button, true, checked);
    const QRgb background = enabled.pixel(clear.x(), 39);
    QVERIFY2(enabled.pixel(shadowBelow) != background, "no shadow below an enabled button");
    QVERIFY2(enabled.pixel(shadowRight) != background, "no shadow beside an enabled button");
    // The shadow is grey: all three channels alike.
    const QColor shade(enabled.pixel(shadowBelow));
    QVERIFY(qAbs(shade.red() - shade.green()) <= 2 && qAbs(shade.green() - shade.blue()) <= 2);

    const QImage disabled = render(*button, false, checked);
    QCOMPARE(disabled.pixel(shadowBelow), disabled.pixel(clear));
    QCOMPARE(disabled.pixel(shadowRight), disabled.pixel(clear.x() + 48, clear.y()));
}

void TestVekButtons::bodyColours()
{
    VekPushButton plain;
    QCOMPARE(QColor(render(plain, true).pixel(inBody)).name(), QString("#ffffff"));
    VekAccentPushButton accent;
    QCOMPARE(QColor(render(accent, true).pixel(inBody)).name(), QString("#2196f3"));
    QCOMPARE(QColor(render(accent, false).pixel(inBody)).name(), QString("#ffffff"));

    const auto palette = VekPalette::create(VekPalette::Teal, VekPalette::Teal);
    accent.setVekPalette(palette);
    QCOMPARE(accent.vekPalette(), palette);
    QCOMPARE(QColor(render(accent, true).pixel(inBody)).name(), QString("#009688"));
    palette->setPrimaryBaseColor(VekPalette::Red);
    QCOMPARE(QColor(render(accent, true).pixel(inBody)).name(), QString("#f44336"));
}

void TestVekButtons::sizeHintLeavesRoomForTheShadow()
{
    VekPushButton button("Text");
    QPushButton plain("Text");
    QCOMPARE(button.sizeHint(), plain.sizeHint() + QSize(15, 12));
    QCOMPARE(button.minimumSizeHint(), plain.minimumSizeHint() + QSize(15, 12));
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);
}

void TestVekButtons::clickInsideEmitsOnce()
{
    VekPushButton button("OK");
    button.resize(100, 40);
    QSignalSpy clicked(&button, &QPushButton::clicked);
    send(&button, QEvent::MouseButtonPress, QPoint(50, 20), Qt::LeftButton);
    send(&button, QEvent::MouseButtonRelease, QPoint(50, 20), Qt::NoButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.first().first().toBool(), false);
}

void TestVekButtons::releaseOutsideEmitsNothing()
{
    VekPushButton button("OK");
    button.resize(100, 40);
    QSignalSpy clicked(&button, &QPushButton::clicked);
    send(&button, QEvent::MouseButtonPress, QPoint(50, 20), Qt::LeftButton);
    QVERIFY(button.testAttribute(Qt::WA_UnderMouse));
    send(&button, QEvent::MouseMove, QPoint(150, 20), Qt::LeftButton);
    send(&button, QEvent::MouseButtonRelease, QPoint(150, 20), Qt::NoButton);
    QCOMPARE(clicked.count(), 0);
    QVERIFY(!button.testAttribute(Qt::WA_UnderMouse));
    // The over state is gone: the body shows the normal colour again.
    QCOMPARE(QColor(button.grab().toImage().pixel(inBody)).name(), QString("#ffffff"));

    // A right-button press does nothing at all.
    send(&button, QEvent::MouseButtonPress, QPoint(50, 20), Qt::RightButton);
    send(&button, QEvent::MouseButtonRelease, QPoint(50, 20), Qt::NoButton);
    QCOMPARE(clicked.count(), 0);
}

void TestVekButtons::flatButtonStyleSheet()
{
    VekFlatButton button("Flat");
    QVERIFY(button.styleSheet().startsWith("/* Autogenerated */\n"));
    QVERIFY(button.styleSheet().contains(
            "VekFlatButton { border: none; background-color: #ffffff; color: #212121; }"));
    QVERIFY(button.styleSheet().contains(
            "VekFlatButton:checked { background-color: #1976d2; color: #ffffff; }"));
    QVERIFY(button.styleSheet().contains(
            "VekFlatButton:disabled { background-color: #ffffff; color: #9b9b9b; }"));
    button.setProperty("normalBackgroundColor", QColor("#0d47a1"));
    QCOMPARE(button.normalBackgroundColor(), QColor("#0d47a1"));
    QVERIFY(button.styleSheet().contains("background-color: #0d47a1; color: #ffffff; }"));
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);
}

void TestVekButtons::toolBarButtonThemes()
{
    VekToolBarButton button(QString(QChar(0xe5d2)));
    QCOMPARE(button.theme(), VekToolBarButton::Light);
    QVERIFY(button.isFlat());
    const QString light = button.styleSheet();
    QVERIFY(light.contains("font-family: \"Material Icons\""));
    QVERIFY(light.contains("VekToolBarButton:hover { background-color: transparent; "
                           "color: rgba(255, 255, 255, 117); }"));
    QVERIFY(light.contains("VekToolBarButton:checked { background-color: transparent; "
                           "color: rgba(0, 0, 0, 131); }"));

    button.setStyleSheet(QString());
    button.setTheme(VekToolBarButton::Light);
    QVERIFY(button.styleSheet().isEmpty());

    button.setProperty("theme", QVariant::fromValue(VekToolBarButton::Dark));
    QCOMPARE(button.theme(), VekToolBarButton::Dark);
    const QString dark = button.styleSheet();
    QVERIFY(dark.contains("VekToolBarButton { text-align: center center;"));
    QVERIFY(dark.contains("color: rgba(0, 0, 0, 131); }"));
    QVERIFY(dark.contains("VekToolBarButton:checked { background-color: transparent; "
                          "color: rgba(33, 150, 243, 255); }"));
    QVERIFY(dark.contains("VekToolBarButton:disabled { background-color: transparent; "
                          "color: rgba(0, 0, 0, 66); }"));
}

void TestVekButtons::colorButtonSetColor()
{
    VekColorToolButton button;
    QVERIFY(!button.color().isValid());
    QCOMPARE(button.text(), QString("Edit..."));
    QCOMPARE(button.toolTip(), QString("Edit..."));
    QVERIFY(button.isFlat());
    QSignalSpy changed(&button, &VekColorToolButton::colorChanged);
    button.setColor(Qt::red);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().value<QColor>(), QColor(Qt::red));
    button.setColor(Qt::red);
    QCOMPARE(changed.count(), 1);
    const QImage icon = button.icon().pixmap(button.iconSize()).toImage();
    QCOMPARE(QColor(icon.pixel(icon.width() / 2, icon.height() / 2)), QColor(Qt::red));
    button.setHints("Trace colour");
    QCOMPARE(button.statusTip(), QString("Trace colour"));
    QCOMPARE(button.whatsThis(), QString("Trace colour"));
}

void TestVekButtons::colorButtonDialog()
{
    VekColorToolButton button;
    button.setColor(Qt::blue);
    auto *dialog = button.findChild<QColorDialog *>();
    QVERIFY(dialog);
    QSignalSpy changed(&button, &VekColorToolButton::colorChanged);

    QTimer::singleShot(0, dialog, [dialog] {
        dialog->setCurrentColor(Qt::green);
        dialog->reject();
    });
    button.click();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(button.color(), QColor(Qt::blue));

    QTimer::singleShot(0, dialog, [dialog] {
        dialog->setCurrentColor(Qt::green);
        dialog->accept();
    });
    button.click();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(button.color(), QColor(Qt::green));

    QTimer::singleShot(0, dialog, [dialog] { dialog->accept(); });
    button.click();
    QCOMPARE(changed.count(), 1);
}

QTEST_MAIN(TestVekButtons)
#include "tst_vekbuttons.moc"
