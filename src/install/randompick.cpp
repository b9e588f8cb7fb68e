#include "randompick.h"

#include <QTime>
#include <memory>
#include <random>

namespace
{

RandomSource& replacedSource()
{
    static RandomSource source;
    return source;
}

} // namespace

RandomSource timeSeededSource()
{
    auto generator
        = std::make_shared<std::mt19937>(static_cast<unsigned>(QTime::currentTime().msecsSinceStartOfDay()));
    return [generator] { return std::generate_canonical<double, 32>(*generator); };
}

RandomSource randomChangeSource()
{
    return replacedSource() ? replacedSource() : timeSeededSource();
}

void setRandomChangeSource(RandomSource source)
{
    replacedSource() = std::move(source);
}

int pickOtherRow(int count, int excluded, RandomSource& source)
{
    if (count < 1 || (count == 1 && excluded == 0))
        return -1;
    for (;;) {
        // generate_canonical may round up to 1.0; such a draw is simply drawn again.
        const int row = static_cast<int>(source() * count);
        if (row >= 0 && row < count && row != excluded)
            return row;
    }
}
