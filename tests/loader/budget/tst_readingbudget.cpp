// The memory budget that the loader's readers claim from before each file.

#include "ReadingBudget.h"

#include <QtTest>

#include <atomic>
#include <thread>

namespace {

// A claim made on its own thread; done() once it returned.
class Claim {
public:
    Claim(ReadingBudget& budget, std::size_t bytes)
        : m_thread([this, &budget, bytes] {
              m_granted = budget.claim(bytes);
              m_done = true;
          })
    {
    }
    ~Claim() { m_thread.join(); }

    bool done() const { return m_done; }
    bool granted() const { return m_granted; }

private:
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_granted{false};
    std::thread m_thread;
};

// Long enough for a claim that does not wait to have returned.
constexpr int kSettleMs = 100;

} // namespace

class ReadingBudgetTest : public QObject {
    Q_OBJECT

private slots:
    void claimsThatFitTogetherDoNotWait()
    {
        ReadingBudget budget(1000);
        QVERIFY(budget.claim(400));
        QVERIFY(budget.claim(600));
        QVERIFY(budget.claim(0));
    }

    void aClaimWaitsForRoom()
    {
        ReadingBudget budget(1000);
        QVERIFY(budget.claim(300));
        QVERIFY(budget.claim(600));
        Claim claim(budget, 500);
        QTest::qWait(kSettleMs);
        QVERIFY(!claim.done());
        budget.release(300);
        QTest::qWait(kSettleMs);
        QVERIFY2(!claim.done(), "100 bytes free for 500");
        budget.release(600);
        QTRY_VERIFY(claim.done());
        QVERIFY(claim.granted());
    }

    // A file whose estimate passes the whole budget is read, but alone.
    void aClaimLargerThanTheBudgetRunsAlone()
    {
        ReadingBudget budget(1000);
        QVERIFY(budget.claim(10));
        Claim large(budget, 5000);
        QTest::qWait(kSettleMs);
        QVERIFY(!large.done());
        budget.release(10);
        QTRY_VERIFY(large.done());
        QVERIFY(large.granted());

        Claim small(budget, 10);
        QTest::qWait(kSettleMs);
        QVERIFY(!small.done());
        budget.release(5000);
        QTRY_VERIFY(small.done());
        QVERIFY(small.granted());
    }

    void closingEndsWaitingClaimsAndRefusesLaterOnes()
    {
        ReadingBudget budget(1000);
        QVERIFY(budget.claim(1000));
        {
            Claim waiting(budget, 1);
            QTest::qWait(kSettleMs);
            QVERIFY(!waiting.done());
            budget.close();
            QTRY_VERIFY(waiting.done());
            QVERIFY(!waiting.granted());
        }
        budget.release(1000);
        QVERIFY(!budget.claim(1));
    }
};

QTEST_GUILESS_MAIN(ReadingBudgetTest)
#include "tst_readingbudget.moc"
