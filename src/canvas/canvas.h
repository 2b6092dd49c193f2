#pragma once
// The drawing vocabulary every sheet speaks: a canvas with a pen, a brush and a
// font that persist from one drawing to the next, and the surface that receives
// its strokes. Nothing here knows about Qt, so sheet logic built on it runs on
// any surface, including a recording one in tests.

#include <cstdint>
#include <string>

namespace gridora {

/// A 24-bit colour written 0xRRGGBB.
using TColor = std::uint32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clBlue = 0x0000FF;
inline constexpr TColor clNavy = 0x000080;

enum class TPenStyle { psSolid, psDot };

/// Width is in device pixels of the surface drawn on and reads back exactly as set.
struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
};

/// Fills rectangles, paints the gaps of dotted lines and the cell behind text.
struct TBrush {
    TColor Color = clWhite;
};

/// Size is in points; a surface turns it into Size × dots-per-inch / 72 pixels.
struct TFont {
    int Size = 8;
    TColor Color = clBlack;
};

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(TPoint, TPoint) = default;
};

/// Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    friend bool operator==(const TRect &, const TRect &) = default;
};

/// Where a canvas's strokes land. Coordinates are whole device pixels, origin
/// at the top-left, y downwards; they may lie far outside the surface, which
/// must then clip them exactly.
class Surface {
public:
    virtual ~Surface() = default;

    virtual int width() const = 0;
    virtual int height() const = 0;
    /// The dots per inch font sizes in points are turned into pixels with: a
    /// screen's 96 unless the surface says otherwise.
    virtual int dpi() const { return 96; }

    /// The current position moved without drawing. Only a recorder cares.
    virtual void moveTo(TPoint) {}
    virtual void line(TPoint from, TPoint to, const TPen &pen, const TBrush &brush) = 0;
    /// Filled with the brush over [Left, Right) × [Top, Bottom), outlined with the pen.
    virtual void rectangle(const TRect &rect, const TPen &pen, const TBrush &brush) = 0;
    /// Text is UTF-8 and never empty; its cell's top-left corner is at `at`,
    /// painted opaque in the brush colour.
    virtual void text(TPoint at, const std::string &text, const TFont &font, const TBrush &brush) = 0;
    /// Copies `source` of `from` onto `dest`, scaling where the sizes differ with
    /// black winning where pixels merge.
    virtual void copyRect(const TRect &dest, const Surface &from, const TRect &source) = 0;
};

/// The canvas of a picture or of the printer page. Its Pen, Brush and Font are
/// plain state: whatever a drawing leaves there is what the next one starts with.
class TCanvas {
public:
    explicit TCanvas(Surface *surface = nullptr) : surface_(surface) {}

    TPen Pen;
    TBrush Brush;
    TFont Font;

    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void TextOut(int X, int Y, const std::string &Text);
    void CopyRect(const TRect &Dest, const TCanvas &Canvas, const TRect &Source);

    /// The surface's dots per inch: a font of S points is S × this / 72 pixels.
    int PixelsPerInch() const { return target().dpi(); }

    /// Points the canvas at another surface; pen, brush and font stay as they are.
    void setSurface(Surface *surface) { surface_ = surface; }
    Surface *surface() const { return surface_; }

private:
    Surface &target() const;

    Surface *surface_;
    TPoint penPos_;
};

} // namespace gridora
