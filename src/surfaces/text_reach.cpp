#include "text_reach.h"

#include "painter_surface.h"
#include "text_line.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace gridora {

TextReachTarget::TextReachTarget(int width, int height, int dpi)
{
    surface_.width_ = width;
    surface_.height_ = height;
    surface_.dpi_ = dpi;
}

Surface &TextReachTarget::beginDocument()
{
    surface_.reach = 0;
    return surface_;
}

void TextReachTarget::Measuring::text(TPoint at, const std::string &text, const TFont &font, const TBrush &)
{
    const QFontMetricsF metrics(pageFont(font, dpi_));
    const double advance = metrics.horizontalAdvance(paintedLine(text));
    reach = std::max(reach, at.X + static_cast<long long>(std::ceil(advance)));
}

} // namespace gridora
