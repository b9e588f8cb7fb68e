#include "installfixture.h"

#include "install/randompick.h"

#include <QLabel>
#include <deque>

namespace
{

// Hands out the given draws in turn, for a test that needs to know what chance will say.
class ScriptedDraws
{
public:
    explicit ScriptedDraws(std::deque<double> draws)
        : m_draws(std::move(draws))
    {
        setRandomChangeSource([this] { return next(); });
    }
    ~ScriptedDraws() { setRandomChangeSource({}); }
    int used = 0;

private:
    double next()
    {
        ++used;
        const double draw = m_draws.front();
        m_draws.pop_front();
        return draw;
    }
    std::deque<double> m_draws;
};

} // namespace

class RandomChange : public InstallTest
{
};

TEST_F(RandomChange, TwoSetsAlternate)
{
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    addSet(QStringLiteral("Sunrise"), AllScreens, 20);
    select(QStringLiteral("Ocean"));

    for (const char* expected : { "Sunrise", "Ocean", "Sunrise", "Ocean" }) {
        window->ItmRandomSpin_Click();
        EXPECT_EQ(selectedName(), QLatin1String(expected));
        EXPECT_EQ(window->DefaultLogo->text(), QLatin1String(expected));
        EXPECT_EQ(settings().DefaultLogoSet, QLatin1String(expected));
    }
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\LOGO.SYS")), screenBytes(10));
}

TEST_F(RandomChange, FewerThanTwoSetsOrNoSelectionChangeNothing)
{
    window->ItmRandomSpin_Click(); // an empty list
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    select(QStringLiteral("Ocean"));
    window->ItmRandomSpin_Click();
    addSet(QStringLiteral("Sunrise"), AllScreens, 20);
    window->MyList->clearSelection();
    window->ItmRandomSpin_Click();

    EXPECT_FALSE(machine.exists(QStringLiteral("C:\\LOGO.SYS")));
    EXPECT_EQ(settings().DefaultLogoSet, DontKnow);
    EXPECT_EQ(window->DefaultLogo->text(), DontKnow);
}

TEST_F(RandomChange, TheSelectedRowIsDrawnAgainAndEveryOtherCanWin)
{
    for (const QString& name : { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") })
        addSet(name, AllScreens, name.at(0).unicode());
    select(QStringLiteral("B"));
    {
        ScriptedDraws draws({ 0.5, 0.34, 0.999 });
        window->ItmRandomSpin_Click();
        EXPECT_EQ(draws.used, 3); // two draws hit the selected row B
    }
    EXPECT_EQ(selectedName(), QStringLiteral("C"));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\LOGO.SYS")), screenBytes('C'));
    {
        ScriptedDraws draws({ 0.0 });
        window->ItmRandomSpin_Click();
    }
    EXPECT_EQ(selectedName(), QStringLiteral("A"));
}

TEST(RandomPick, NeverReturnsTheExcludedRowAndCoversTheOthers)
{
    RandomSource source = timeSeededSource();
    QList<int> hits(5, 0);
    for (int i = 0; i < 2000; ++i)
        ++hits[pickOtherRow(5, 2, source)];
    EXPECT_EQ(hits[2], 0);
    for (int row : { 0, 1, 3, 4 })
        EXPECT_GT(hits[row], 350) << row; // about 500 each
    EXPECT_EQ(pickOtherRow(1, 0, source), -1);
    EXPECT_EQ(pickOtherRow(0, -1, source), -1);
    EXPECT_EQ(pickOtherRow(1, -1, source), 0);
}
