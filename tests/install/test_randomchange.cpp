#include "installfixture.h"

#include "install/randompick.h"

#include <QLabel>
#include <deque>

class RandomChange : public InstallTest
{
};

TEST_F(RandomChange, TwoSetsAlternate)
{
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    addSet(QStringLiteral("Sunrise"), AllScreens, 20);
    select(QStringLiteral("Ocean"));
    for (const char* expected : { "Sunrise", "Ocean", "Sunrise" }) {
        window->ItmRandomSpin_Click();
        EXPECT_EQ(selectedName(), QLatin1String(expected));
        EXPECT_EQ(child<QLabel>(*window, "DefaultLogo")->text(), QLatin1String(expected));
    }
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\LOGO.SYS")), screenBytes(20));
}

TEST_F(RandomChange, FewerThanTwoSetsOrNoSelectionChangeNothing)
{
    window->ItmRandomSpin_Click();
    addSet(QStringLiteral("Ocean"), AllScreens, 10);
    select(QStringLiteral("Ocean"));
    window->ItmRandomSpin_Click();
    addSet(QStringLiteral("Sunrise"), AllScreens, 20);
    list()->clearSelection();
    window->ItmRandomSpin_Click();
    EXPECT_FALSE(machine.exists(QStringLiteral("C:\\LOGO.SYS")));
    EXPECT_EQ(settings().DefaultLogoSet, DontKnow);
}

TEST_F(RandomChange, DrawsOfTheSelectedRowAreDrawnAgainAndTheLastRowCanWin)
{
    for (const char* name : { "A", "B", "C" })
        addSet(QLatin1String(name), AllScreens, name[0]);
    select(QStringLiteral("B"));
    std::deque<double> draws { 0.5, 0.34, 0.999, 0.0 };
    setRandomChangeSource([&draws] {
        const double draw = draws.front();
        draws.pop_front();
        return draw;
    });
    window->ItmRandomSpin_Click(); // 0.5 and 0.34 hit B
    EXPECT_EQ(selectedName(), QStringLiteral("C"));
    EXPECT_EQ(machine.readFile(QStringLiteral("C:\\LOGO.SYS")), screenBytes('C'));
    window->ItmRandomSpin_Click();
    EXPECT_EQ(selectedName(), QStringLiteral("A"));
    setRandomChangeSource({});
}
