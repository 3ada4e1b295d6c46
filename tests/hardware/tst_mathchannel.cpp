#include "hardware/mathchannel.h"

#include <QtTest>

#include <cmath>
#include <limits>

using Rows = QVector<QVector<double>>;
Q_DECLARE_METATYPE(Rows)

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

bool sameSamples(const QVector<double> &a, const QVector<double> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (std::isinf(a[i]) || std::isinf(b[i])) {
            if (a[i] != b[i])
                return false;
        } else if (std::abs(a[i] - b[i]) > 1e-12) {
            return false;
        }
    }
    return true;
}

} // namespace

class TestMathChannel : public QObject
{
    Q_OBJECT
private slots:
    void newChannelIsDisabled();
    void calculate_data();
    void calculate();
    void sourceDataIsCopied();
};

void TestMathChannel::newChannelIsDisabled()
{
    MathChannel channel;
    QVERIFY(!channel.state());
    Rows rows {{1.0, 2.0}, {3.0, 4.0}};
    channel.setSourceData(rows);
    QVERIFY(channel.calculate().isEmpty());
}

void TestMathChannel::calculate_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("sourceA");
    QTest::addColumn<int>("sourceB");
    QTest::addColumn<double>("offset");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QVector<double>>("expected");

    const Rows two {{5.0, 1.0}, {2.0, 4.0}};
    QTest::newRow("disabled") << false << 0 << 0 << 1 << 0.0 << two << QVector<double> {};
    QTest::newRow("source index past the rows")
            << true << 0 << 0 << 2 << 0.0 << two << QVector<double> {};
    QTest::newRow("negative source index")
            << true << 0 << -1 << 1 << 0.0 << two << QVector<double> {};
    QTest::newRow("no rows at all") << true << 0 << 0 << 0 << 0.0 << Rows {} << QVector<double> {};
    QTest::newRow("both rows empty")
            << true << 0 << 0 << 1 << 1.0 << Rows {{}, {}} << QVector<double> {};
    QTest::newRow("A empty: B plus offset, operation ignored")
            << true << 1 << 0 << 1 << 0.5 << Rows {{}, {1.0, 2.0}} << QVector<double> {1.5, 2.5};
    QTest::newRow("B empty: A plus offset")
            << true << 3 << 0 << 1 << -1.0 << Rows {{1.0, 2.0}, {}} << QVector<double> {0.0, 1.0};
    QTest::newRow("A empty, unknown operation")
            << true << 7 << 0 << 1 << 0.5 << Rows {{}, {1.0}} << QVector<double> {1.5};
    QTest::newRow("sum") << true << 0 << 0 << 1 << 1.0 << two << QVector<double> {8.0, 6.0};
    QTest::newRow("difference") << true << 1 << 0 << 1 << 1.0 << two << QVector<double> {4.0, -2.0};
    QTest::newRow("product") << true << 2 << 0 << 1 << 1.0 << two << QVector<double> {11.0, 5.0};
    QTest::newRow("same row twice")
            << true << 1 << 1 << 1 << 0.0 << two << QVector<double> {0.0, 0.0};
    QTest::newRow("rows of 5 and 3 cut to 3")
            << true << 0 << 0 << 1 << 0.0 << Rows {{1, 2, 3, 4, 5}, {10, 20, 30}}
            << QVector<double> {11, 22, 33};
    QTest::newRow("rows of 2 and 4 cut to 2")
            << true << 2 << 0 << 1 << 0.0 << Rows {{2, 3}, {1, 2, 3, 4}} << QVector<double> {2, 6};
    QTest::newRow("quotient by zero is +inf whatever the sign, without offset")
            << true << 3 << 0 << 1 << 1.0 << Rows {{2.0, -2.0}, {0.0, 0.0}}
            << QVector<double> {inf, inf};
    QTest::newRow("quotient by negative zero is +inf too")
            << true << 3 << 0 << 1 << 0.0 << Rows {{-2.0}, {-0.0}} << QVector<double> {inf};
    QTest::newRow("quotient 0/0 and 3/3 give 1 + offset")
            << true << 3 << 0 << 1 << 0.25 << Rows {{0.0, 3.0}, {0.0, 3.0}}
            << QVector<double> {1.25, 1.25};
    QTest::newRow("quotient") << true << 3 << 0 << 1 << 1.0 << Rows {{1.0, -6.0}, {4.0, 3.0}}
                              << QVector<double> {1.25, -1.0};
    QTest::newRow("unknown operation: A cut, no offset")
            << true << 7 << 0 << 1 << 9.0 << Rows {{1, 2, 3}, {4, 5}} << QVector<double> {1, 2};
    QTest::newRow("negative operation: A cut, no offset")
            << true << -1 << 0 << 1 << 9.0 << Rows {{1, 2}, {4, 5}} << QVector<double> {1, 2};
}

void TestMathChannel::calculate()
{
    QFETCH(bool, enabled);
    QFETCH(int, operation);
    QFETCH(int, sourceA);
    QFETCH(int, sourceB);
    QFETCH(double, offset);
    QFETCH(Rows, rows);
    QFETCH(QVector<double>, expected);

    MathChannel channel;
    channel.configure(enabled, operation, sourceA, sourceB, offset);
    QCOMPARE(channel.state(), enabled);
    channel.setSourceData(rows);
    const QVector<double> result = channel.calculate();
    QVERIFY2(sameSamples(result, expected),
             qPrintable(QStringLiteral("got %1 samples").arg(result.size())));
    // A second call gives the same: calculate changes neither settings nor rows.
    QVERIFY(sameSamples(channel.calculate(), expected));

    // Into a reused row: a longer one, a shorter one, and one a receiver still holds, whose
    // copy must keep its samples.
    const QVector<double> heldSamples {7.0, 7.0, 7.0, 7.0, 7.0, 7.0, 7.0};
    for (const QVector<double> &previous :
         {QVector<double>(9, -3.0), QVector<double> {-3.0}, heldSamples}) {
        QVector<double> into = previous;
        QVector<double> held = into;
        channel.calculateInto(into);
        QVERIFY2(sameSamples(into, expected),
                 qPrintable(QStringLiteral("into a row of %1: got %2 samples")
                                    .arg(previous.size())
                                    .arg(into.size())));
        QCOMPARE(held, previous);
    }
}

void TestMathChannel::sourceDataIsCopied()
{
    MathChannel channel;
    channel.configure(true, MathChannel::Sum, 0, 1, 0.0);
    Rows rows {{1.0, 2.0}, {3.0, 4.0}};
    channel.setSourceData(rows);
    QCOMPARE(rows, (Rows {{1.0, 2.0}, {3.0, 4.0}}));

    // The module reuses its rows for the next frame; the channel keeps what it was given.
    rows[0][0] = 100.0;
    rows[1].resize(1);
    QCOMPARE(channel.calculate(), (QVector<double> {4.0, 6.0}));
}

QTEST_GUILESS_MAIN(TestMathChannel)
#include "tst_mathchannel.moc"
