#include "mainwindowlayout.h"

#include "app/twips.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr int DesignWidth = twips(5400), DesignHeight = twips(5340);
constexpr int ListTop = twips(360);
constexpr int PreviewHeight = twips(1335);
// Below the previews: the gap to the captions, the two-line captions and the bottom margin.
constexpr int CaptionGap = twips(45), CaptionHeight = twips(540);
constexpr int BelowPreviews = DesignHeight - twips(3360) - PreviewHeight;
constexpr int ListGap = twips(3360) - ListTop - twips(2895); // between the list and the previews
constexpr int DesignListHeight = twips(2895);

constexpr int PreviewLefts[3] = { 30, 1800, 3600 }, PreviewWidths[3] = { 1680, 1695, 1695 };
constexpr int CaptionLefts[3] = { 15, 1800, 3600 };

int scaled(int twipsValue, double factor)
{
    return static_cast<int>(std::lround(twips(twipsValue) * factor));
}

// The label row keeps its designed height and spreads across the width.
QRect labelRect(int left, int top, int width, int height, double widthFactor)
{
    return QRect(scaled(left, widthFactor), twips(top), scaled(width, widthFactor), twips(height));
}

} // namespace

QSize mainWindowDesignSize()
{
    return QSize(DesignWidth, DesignHeight);
}

MainWindowLayout mainWindowLayout(QSize area)
{
    const int width = std::max(area.width(), DesignWidth);
    const int height = std::max(area.height(), DesignHeight);
    const double widthFactor = double(width) / DesignWidth;

    MainWindowLayout layout;
    layout.numLogo = labelRect(0, 120, 1500, 255, widthFactor);
    layout.defaultLogo = labelRect(1500, 120, 2415, 240, widthFactor);
    layout.logoType = labelRect(3960, 120, 1275, 240, widthFactor);

    // The previews' 4:3 height for their share of the width, as far as the list keeps its own
    // designed height; never smaller than designed.
    const int columnWidth = scaled(PreviewWidths[0], widthFactor);
    const int roomForPreviews = height - ListTop - DesignListHeight - ListGap - BelowPreviews;
    const int previewHeight = std::max(PreviewHeight, std::min(columnWidth * 3 / 4, roomForPreviews));
    const int previewTop = height - BelowPreviews - previewHeight;
    for (int i = 0; i < 3; ++i) {
        const int columnLeft = scaled(PreviewLefts[i], widthFactor);
        const int column = scaled(PreviewWidths[i], widthFactor);
        // Where the height is what limits it, the preview is centred in its column.
        const int previewWidth = std::clamp(previewHeight * 4 / 3, twips(PreviewWidths[i]), column);
        layout.previews[i]
            = QRect(columnLeft + (column - previewWidth) / 2, previewTop, previewWidth, previewHeight);
        layout.captions[i] = QRect(scaled(CaptionLefts[i], widthFactor),
            previewTop + previewHeight + CaptionGap, std::max(twips(1680), column), CaptionHeight);
    }
    layout.list = QRect(0, ListTop, width - (DesignWidth - twips(5325)), previewTop - ListGap - ListTop);
    return layout;
}
