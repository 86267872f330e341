#pragma once
// A canvas that only remembers what was drawn, so that every position of a report can be
// checked to the dot without a printer.

#include <string>
#include <vector>

#include "print/print_canvas.h"

struct CanvasOp {
    enum Kind { Begin, NewPage, End, Text, Line };
    Kind kind = Text;
    int page = 0;        // 0-based page the op was drawn on
    int x = 0, y = 0;    // text corner, or the end of a line
    int x0 = 0, y0 = 0;  // start of a line
    std::string bytes;   // text as drawn (Shift-JIS)
    std::string text;    // the same text as UTF-8
    std::string font;
    int fontSize = 0;
    bool fixedPitch = false;
    unsigned penColor = 0;
    int penWidth = 0;
};

class RecordingCanvas : public PrintCanvas {
public:
    bool begin() override;
    bool newPage() override;
    bool end() override;
    void setFontName(std::string_view utf8Name) override { font_ = utf8Name; }
    void setFontSize(int points) override { fontSize_ = points; }
    void setFixedPitch(bool fixed) override { fixedPitch_ = fixed; }
    void setPen(unsigned color, int widthDots) override;
    void textOut(int x, int y, std::string_view sjisText) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;

    std::vector<CanvasOp> ops;
    bool refuseBegin = false;  // acts like a printer that cannot be opened

    int pageCount() const { return begun_ ? page_ + 1 : 0; }
    bool ended() const { return ended_; }
    std::vector<CanvasOp> texts(int page = -1) const;
    std::vector<CanvasOp> lines(int page = -1) const;
    // The texts drawn with their corner at exactly (x, y) on the page.
    std::vector<CanvasOp> textsAt(int page, int x, int y) const;

private:
    CanvasOp op(CanvasOp::Kind kind) const;

    bool begun_ = false, ended_ = false;
    int page_ = 0;
    int curX_ = 0, curY_ = 0;
    std::string font_;
    int fontSize_ = 0;
    bool fixedPitch_ = false;
    unsigned penColor_ = 0;
    int penWidth_ = 0;
};
