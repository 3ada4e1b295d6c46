#include "ui/viewbase/rangeslider.h"
#include "ui/viewbase/rangesliderprivate.h"

#include "app/options.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyleOptionSlider>
#include <QTest>

#include <memory>

namespace {

class PaintCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

bool sendMouse(QWidget *widget, QEvent::Type type, const QPoint &pos, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, buttons, Qt::NoModifier);
    event.setAccepted(false);
    QCoreApplication::sendEvent(widget, &event);
    return event.isAccepted();
}

void press(QWidget *widget, const QPoint &pos)
{
    sendMouse(widget, QEvent::MouseButtonPress, pos, Qt::LeftButton, Qt::LeftButton);
}

void move(QWidget *widget, const QPoint &pos)
{
    sendMouse(widget, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}

void release(QWidget *widget, const QPoint &pos)
{
    sendMouse(widget, QEvent::MouseButtonRelease, pos, Qt::LeftButton, Qt::NoButton);
}

} // namespace

// The form of the function generator: a vertical slider over 0..10 V in steps of 0.5 V.
class TestRangeSlider : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_slider = std::make_unique<RangeSlider>(Qt::Vertical);
        m_slider->setMinimum(0);
        m_slider->setMaximum(10);
        m_slider->setPrecission(50);
    }
    void cleanup()
    {
        m_slider.reset();
        qApp->setStyleSheet(QString());
    }

    void precisionSetsTheSteps()
    {
        QCOMPARE(m_slider->maximum(), 20);
        QCOMPARE(m_slider->singleStep(), 1);
        QSignalSpy changed(m_slider.get(), &RangeSlider::spanChanged);
        m_slider->setSpanValue(2, 4);
        QCOMPARE(m_slider->internalLowerValue(), 4);
        QCOMPARE(m_slider->internalUpperValue(), 8);
        QCOMPARE(m_slider->lowerValue(), 2.0);
        QCOMPARE(m_slider->upperValue(), 4.0);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toDouble(), 2.0);
        QCOMPARE(changed.at(0).at(1).toDouble(), 4.0);

        m_slider->setSpanValue(2, 4);
        QCOMPARE(changed.count(), 1);
    }

    void spanValuesReadBack_data()
    {
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        QTest::newRow("fine steps") << 0.7 << 2.9;
        QTest::newRow("below zero") << -0.35 << 0.35;
    }
    void spanValuesReadBack()
    {
        QFETCH(double, lower);
        QFETCH(double, upper);
        RangeSlider slider;
        slider.setMaximum(10);
        slider.setMinimum(-10);
        slider.setPrecission(0.001);
        QCOMPARE(slider.maximum(), 2000000);
        slider.setSpanValue(lower, upper);
        QVERIFY(qAbs(slider.lowerValue() - lower) < 1e-9);
        QVERIFY(qAbs(slider.upperValue() - upper) < 1e-9);
    }

    void spanValuesCutToTheStep_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("step");
        QTest::newRow("between steps") << 0.76 << 7;
        QTest::newRow("just below a step") << 0.99 << 9;
        QTest::newRow("whole steps despite rounding") << 0.3 << 3;
        QTest::newRow("whole steps despite rounding, upwards") << 0.7 << 7;
    }
    void spanValuesCutToTheStep()
    {
        QFETCH(double, value);
        QFETCH(int, step);
        RangeSlider slider;
        slider.setMinimum(0);
        slider.setMaximum(10);
        slider.setPrecission(10); // a step of 0.1
        QCOMPARE(slider.maximum(), 100);
        slider.setSpanValue(value, 5.0);
        QCOMPARE(slider.internalLowerValue(), step);
        QCOMPARE(slider.internalUpperValue(), 50);
    }

    void spanBounds_data()
    {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("up");
        QTest::newRow("half the span beyond the start") << -300 << 300 << -300 << 300;
        QTest::newRow("half the span beyond the end") << 800 << 1200 << 800 << 1200;
        QTest::newRow("too far beyond the start") << -500 << 300 << -400 << 300;
        QTest::newRow("reversed pair is ordered") << 700 << 300 << 300 << 700;
        QTest::newRow("reversed pair bounded by a negative half") << 900 << 100 << 400 << 600;
    }
    void spanBounds()
    {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, low);
        QFETCH(int, up);
        RangeSlider slider;
        slider.setMinimum(0);
        slider.setMaximum(1000);
        slider.setSpan(lower, upper);
        QCOMPARE(slider.internalLowerValue(), low);
        QCOMPARE(slider.internalUpperValue(), up);
    }

    void sameSpanEmitsNothing()
    {
        m_slider->setSpan(4, 8);
        QSignalSpy changed(m_slider.get(), &RangeSlider::spanChanged);
        m_slider->setSpan(4, 8);
        m_slider->setSpan(8, 4);
        m_slider->setInternalLowerValue(4);
        QCOMPARE(changed.count(), 0);
        m_slider->setInternalUpperValue(10);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(1).toDouble(), 5.0);
    }

    void emptyScaleDividesByNothing()
    {
        RangeSlider fresh;
        QCOMPARE(fresh.lowerValue(), 0.0);
        QCOMPARE(fresh.upperValue(), 0.0);

        RangeSlider empty;
        empty.setMinimum(5);
        empty.setMaximum(5);
        empty.setPrecission(1);
        QCOMPARE(empty.maximum(), 0);
        empty.setSpanValue(1, 2);
        QCOMPARE(empty.lowerValue(), 5.0);
        QCOMPARE(empty.upperValue(), 5.0);

        // No step of no size.
        m_slider->setPrecission(0);
        m_slider->setPrecission(-1);
        QCOMPARE(m_slider->maximum(), 20);
    }

    void rangeChangeRebounds()
    {
        RangeSlider slider;
        slider.setMinimum(0);
        slider.setMaximum(1000);
        slider.setSpan(800, 1000);
        QSignalSpy changed(&slider, &RangeSlider::spanChanged);
        slider.setMaximum(500);
        QCOMPARE(slider.internalLowerValue(), 600);
        QCOMPARE(slider.internalUpperValue(), 600);
        QCOMPARE(changed.count(), 1);
    }

    void idleSliderStopsPainting()
    {
        // The application's sheet is applied to the widget once, not on each paint.
        qApp->setStyleSheet(QStringLiteral("QSlider { background: #e0e0e0; }"));
        RangeSlider slider(Qt::Vertical);
        slider.setMaximum(10);
        slider.setPrecission(50);
        slider.setSpanValue(2, 4);
        QCOMPARE(slider.styleSheet(), qApp->styleSheet());
        slider.resize(slider.sizeHint().width(), 300);
        PaintCounter paints;
        slider.installEventFilter(&paints);
        slider.show();
        QVERIFY(QTest::qWaitForWindowExposed(&slider));
        paints.count = 0;
        QTest::qWait(1000);
        QVERIFY2(paints.count < 10, qPrintable(QString::number(paints.count)));
    }

    void followsTheApplicationStyleSheet()
    {
        m_slider->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_slider.get()));
        const QString sheet = QStringLiteral("QSlider { background: #202020; }");
        qApp->setStyleSheet(sheet);
        QTRY_COMPARE(m_slider->styleSheet(), sheet);
        qApp->setStyleSheet(QString());
        QTRY_COMPARE(m_slider->styleSheet(), QString());
    }

    void pressIgnoredWithTwoButtonsOrAnEmptyScale()
    {
        m_slider->resize(120, 300);
        m_slider->setSpan(4, 8);
        const QPoint point = handleRect(RangeSliderPrivate::UpperHandle).center();
        QVERIFY(!sendMouse(m_slider.get(), QEvent::MouseButtonPress, point, Qt::LeftButton,
                           Qt::LeftButton | Qt::RightButton));
        QCOMPARE(m_slider->d->upperPressed, QStyle::SC_None);

        RangeSlider empty(Qt::Vertical);
        empty.setMaximum(0);
        empty.resize(120, 300);
        QVERIFY(!sendMouse(&empty, QEvent::MouseButtonPress, point, Qt::LeftButton,
                           Qt::LeftButton));
    }

    void dragUnlinkedHandle()
    {
        showAt(4, 8);
        QSignalSpy changed(m_slider.get(), &RangeSlider::spanChanged);
        const QPoint start = handleRect(RangeSliderPrivate::UpperHandle).center();
        press(m_slider.get(), start);
        move(m_slider.get(), start - QPoint(0, 40));
        release(m_slider.get(), start - QPoint(0, 40));
        QVERIFY(m_slider->internalUpperValue() > 8);
        QCOMPARE(m_slider->internalLowerValue(), 4);
        QVERIFY(changed.count() >= 1);
    }

    void lowerHandleStopsAtTheUpper()
    {
        showAt(4, 8);
        const QPoint start = handleRect(RangeSliderPrivate::LowerHandle).center();
        press(m_slider.get(), start);
        move(m_slider.get(), QPoint(start.x(), 0));
        release(m_slider.get(), QPoint(start.x(), 0));
        QCOMPARE(m_slider->internalLowerValue(), 8);
        QCOMPARE(m_slider->internalUpperValue(), 8);
    }

    void linkIconTogglesWithoutMovingTheSpan()
    {
        // Steps of 0.01 V: finer than the pointer's jitter.
        m_slider->setPrecission(1);
        showAt(200, 400);
        const QImage unlinked = m_slider->grab().toImage();
        const QRect link = m_slider->d->linkRect;
        QVERIFY(!link.isEmpty());
        QCOMPARE(unlinked.pixelColor(link.center()), QColor(Qt::magenta));

        QSignalSpy changed(m_slider.get(), &RangeSlider::spanChanged);
        press(m_slider.get(), link.center());
        move(m_slider.get(), link.center() + QPoint(1, 1));
        release(m_slider.get(), link.center() + QPoint(1, 1));
        QVERIFY(m_slider->d->linked);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(m_slider->grab().toImage().pixelColor(link.center()), QColor(Qt::cyan));

        press(m_slider.get(), link.center());
        release(m_slider.get(), link.center());
        QVERIFY(!m_slider->d->linked);
    }

    void linkedHandlesMoveSymmetrically()
    {
        showAt(4, 8);
        m_slider->grab();
        const QPoint link = m_slider->d->linkRect.center();
        press(m_slider.get(), link);
        release(m_slider.get(), link);
        QVERIFY(m_slider->d->linked);

        const QPoint start = handleRect(RangeSliderPrivate::UpperHandle).center();
        press(m_slider.get(), start);
        move(m_slider.get(), start - QPoint(0, 40));
        release(m_slider.get(), start - QPoint(0, 40));
        QVERIFY(m_slider->internalUpperValue() > 8);
        QCOMPARE(m_slider->internalLowerValue() + m_slider->internalUpperValue(), 12);
    }

    void spanModeDragsTheWholeSpan()
    {
        showAt(4, 8);
        m_slider->setDisplayMode(RangeSlider::SpanMode);
        const QRect upper = handleRect(RangeSliderPrivate::UpperHandle);
        const QRect lower = handleRect(RangeSliderPrivate::LowerHandle);
        const QPoint start((upper.center().x()), (upper.center().y() + lower.center().y()) / 2);
        press(m_slider.get(), start);
        move(m_slider.get(), start - QPoint(0, 40));
        release(m_slider.get(), start - QPoint(0, 40));
        QVERIFY(m_slider->internalLowerValue() > 4);
        QCOMPARE(m_slider->internalUpperValue() - m_slider->internalLowerValue(), 4);
    }

    void handlesOnEachOtherPartDownwards()
    {
        showAt(8, 8);
        const QPoint start = handleRect(RangeSliderPrivate::UpperHandle).center();
        press(m_slider.get(), start);
        move(m_slider.get(), start + QPoint(0, 40));
        release(m_slider.get(), start + QPoint(0, 40));
        QVERIFY(m_slider->internalLowerValue() < 8);
        QCOMPARE(m_slider->internalUpperValue(), 8);
    }

    void keyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("up");
        QTest::newRow("up moves the lower handle up") << int(Qt::Key_Up) << 5 << 8;
        QTest::newRow("down moves it down") << int(Qt::Key_Down) << 3 << 8;
        QTest::newRow("home: lower to the minimum") << int(Qt::Key_Home) << 0 << 8;
        QTest::newRow("end: upper to the maximum") << int(Qt::Key_End) << 4 << 20;
    }
    void keyboard()
    {
        QFETCH(int, key);
        QFETCH(int, low);
        QFETCH(int, up);
        m_slider->setSpan(4, 8);
        QTest::keyClick(m_slider.get(), Qt::Key(key));
        QCOMPARE(m_slider->internalLowerValue(), low);
        QCOMPARE(m_slider->internalUpperValue(), up);
    }

    void keyboardLowerStopsAtTheUpper()
    {
        m_slider->setSpan(6, 8);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(m_slider.get(), Qt::Key_Up);
        QCOMPARE(m_slider->internalLowerValue(), 8);
        QCOMPARE(m_slider->internalUpperValue(), 8);
    }

    void iconsFollowTheTheme()
    {
        QCOMPARE(m_slider->d->linkedIcon.toImage().pixelColor(6, 6), QColor(Qt::cyan));
        Options options = load_from_cache();
        options.color_theme = 0;
        save_to_cache(options);
        QEvent styleChange(QEvent::StyleChange);
        QCoreApplication::sendEvent(m_slider.get(), &styleChange);
        QCOMPARE(m_slider->d->linkedIcon.toImage().pixelColor(6, 6), QColor(0, 128, 0));
        options.color_theme = 1;
        save_to_cache(options);
    }

    // The strip is 75 px wide unless its labels need more.
    void sizeHintAddsTheLabelStrip()
    {
        QSlider plain(Qt::Vertical);
        plain.setTickPosition(QSlider::TicksBelow);
        QFont font = m_slider->font();
        font.setPixelSize(8);
        m_slider->setFont(font);
        QCOMPARE(m_slider->sizeHint(), plain.sizeHint() + QSize(75, 0));
        font.setPixelSize(24);
        m_slider->setFont(font);
        QVERIFY(m_slider->sizeHint().width() > plain.sizeHint().width() + 75);
        QCOMPARE(m_slider->sizeHint().height(), plain.sizeHint().height());
    }

    void labelsClearOfTheLinkIcon_data()
    {
        QTest::addColumn<int>("pointSize"); // 0: the application's font
        QTest::addColumn<QString>("dimension");
        QTest::newRow("application font") << 0 << "V";
        QTest::newRow("large font") << 10 << "V";
        QTest::newRow("large font, Russian") << 10 << QString::fromUtf8("\xD0\x92");
        QTest::newRow("larger still") << 14 << "V";
    }

    // However large the font, a slider at its hinted width keeps the labels whole within it and
    // the upper one, on the link icon's row, clear of the icon. The generator's scale: ±10 V.
    void labelsClearOfTheLinkIcon()
    {
        QFETCH(int, pointSize);
        QFETCH(QString, dimension);
        RangeSlider slider(Qt::Vertical);
        if (pointSize > 0) {
            QFont font = slider.font();
            font.setPointSize(pointSize);
            font.setBold(true);
            slider.setFont(font);
        }
        slider.setMinimum(-10);
        slider.setMaximum(10);
        slider.setPrecission(50);
        slider.setDimension(dimension);
        slider.resize(slider.sizeHint().width(), 300);
        for (const auto &[lower, upper] : {std::pair(-10.0, 10.0), std::pair(-1.0, 1.0)}) {
            slider.setSpanValue(lower, upper);
            slider.grab();
            const QRect link = slider.d->linkRect;
            const QRect label = slider.d->upperLabelRect;
            QVERIFY(!link.isEmpty());
            QVERIFY2(label.right() + 2 < link.left(),
                     qPrintable(QStringLiteral("label ends at %1, icon starts at %2")
                                        .arg(label.right())
                                        .arg(link.left())));
            QVERIFY(slider.rect().contains(label));
            QVERIFY(slider.rect().contains(slider.d->lowerLabelRect));
        }
    }

private:
    void showAt(int lower, int upper)
    {
        m_slider->setSpan(lower, upper);
        m_slider->resize(140, 300);
        m_slider->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_slider.get()));
    }

    QRect handleRect(RangeSliderPrivate::SpanHandle handle) const
    {
        QStyleOptionSlider option;
        m_slider->d->initStyleOption(&option, handle);
        return m_slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                 QStyle::SC_SliderHandle, m_slider.get());
    }

    std::unique_ptr<RangeSlider> m_slider;
};

QTEST_MAIN(TestRangeSlider)
#include "rangeslidertest.moc"
