#include "agreement_strip.h"

#include <utility>

namespace gridora::dialogs {

PictureSurface::PictureSurface(QImage picture)
    : detail::PictureStore{std::move(picture)},
      PainterSurface(&picture_, picture_.width(), picture_.height(), 96)
{
}

int stripOffset(int position, int agreementHeight, int windowHeight, int stepCount)
{
    // Integer division of a non-negative product is the whole part of the
    // exact quotient; 64 bits keep the product exact for any int input.
    const long long span = static_cast<long long>(agreementHeight) - windowHeight;
    return static_cast<int>(static_cast<long long>(position) * span / stepCount);
}

void copyStrip(TCanvas &window, const TCanvas &agreement, int offset)
{
    const Surface &to = *window.surface();
    const Surface &from = *agreement.surface();
    const TRect dest{0, 0, to.width(), to.height()};
    const TRect source{0, offset, from.width(), offset + to.height()};
    // The canvas layer's copy is a plain source copy, scaled with black
    // winning where pixels merge.
    window.CopyRect(dest, agreement, source);
}

} // namespace gridora::dialogs
