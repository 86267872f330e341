#pragma once
// What the two reports draw on: a printer page addressed in device dots. The layouts are
// Qt-free and talk only to this; the Qt printer and the recording canvas of the tests
// stand behind it.

#include <string>
#include <string_view>

// The form's font names, as the printer is asked for them (UTF-8).
namespace print_fonts {
inline constexpr const char* kMincho = "ＭＳ 明朝";
inline constexpr const char* kGothic = "ＭＳ ゴシック";
}  // namespace print_fonts

// A colour as 0x00BBGGRR.
inline constexpr unsigned kBlack = 0x000000;

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    // Starts the document on its first page; false when the printer or file cannot be opened.
    virtual bool begin() = 0;
    // Ends the page being drawn and starts the next; false when the printer refuses.
    virtual bool newPage() = 0;
    // Finishes the document; false when it did not reach the printer or the file.
    virtual bool end() = 0;

    virtual void setFontName(std::string_view utf8Name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setFixedPitch(bool fixed) = 0;
    virtual void setPen(unsigned color, int widthDots) = 0;

    // Shift-JIS text whose top-left corner lies at (x, y).
    virtual void textOut(int x, int y, std::string_view sjisText) = 0;
    virtual void moveTo(int x, int y) = 0;
    // A straight line from the current point to (x, y), which becomes the current point.
    virtual void lineTo(int x, int y) = 0;
};

// Resolution of the page and where its printable area starts, all in device dots.
struct PageGeometry {
    int dpiX = 600;
    int dpiY = 600;
    int offsetX = 0;
    int offsetY = 0;
};

// Whole millimetres to device dots, truncated toward zero as the printer driver counts them.
inline int mmToDots(int mm, int dpi) {
    return static_cast<int>(static_cast<double>(static_cast<long long>(mm) * dpi) * 0.03937007874015748);
}

// A point given in millimetres from the page origin, in device dots.
inline int dotsX(int mm, const PageGeometry& g) {
    return mmToDots(mm, g.dpiX) + g.offsetX;
}
inline int dotsY(int mm, const PageGeometry& g) {
    return mmToDots(mm, g.dpiY) + g.offsetY;
}
