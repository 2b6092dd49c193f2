#pragma once
// The licence viewer's strip copy: which rows of the tall agreement picture
// show in the window picture for a scroll position, and the narrowing copy
// that puts them there through the canvas layer.

#include "canvas.h"
#include "painter_surface.h"

#include <QImage>

namespace gridora::dialogs {

namespace detail {
// Holds the picture so that it exists before the painter opened on it.
struct PictureStore {
    QImage picture_;
};
} // namespace detail

/// A surface over a finished picture (the agreement picture), kept in its own
/// format. Nothing draws on it; it is the source of strip copies.
class PictureSurface : private detail::PictureStore, public PainterSurface {
public:
    explicit PictureSurface(QImage picture);

    const QImage &picture() const { return picture_; }

protected:
    const QImage *pixels() const override { return &picture_; }
};

/// The first agreement row shown at scroll position `position`: the whole part
/// of position × (agreementHeight − windowHeight) / stepCount. The step count
/// must be positive.
int stripOffset(int position, int agreementHeight, int windowHeight, int stepCount);

/// Copies rows [offset, offset + window height) of the agreement, all its
/// columns, onto the whole window surface. Rows map one to one; columns are
/// narrowed (or widened) to the window's width with black winning where
/// columns merge. Both canvases must have surfaces.
void copyStrip(TCanvas &window, const TCanvas &agreement, int offset);

} // namespace gridora::dialogs
