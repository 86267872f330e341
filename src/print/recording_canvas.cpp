#include "print/recording_canvas.h"

#include "store/sjis.h"

CanvasOp RecordingCanvas::op(CanvasOp::Kind kind) const {
    CanvasOp o;
    o.kind = kind;
    o.page = page_;
    o.font = font_;
    o.fontSize = fontSize_;
    o.fixedPitch = fixedPitch_;
    o.penColor = penColor_;
    o.penWidth = penWidth_;
    return o;
}

bool RecordingCanvas::begin() {
    if (refuseBegin) return false;
    begun_ = true;
    ops.push_back(op(CanvasOp::Begin));
    return true;
}

bool RecordingCanvas::newPage() {
    ++page_;
    ops.push_back(op(CanvasOp::NewPage));
    return true;
}

bool RecordingCanvas::end() {
    ended_ = true;
    ops.push_back(op(CanvasOp::End));
    return true;
}

void RecordingCanvas::setPen(unsigned color, int widthDots) {
    penColor_ = color;
    penWidth_ = widthDots;
}

void RecordingCanvas::textOut(int x, int y, std::string_view sjisText) {
    CanvasOp o = op(CanvasOp::Text);
    o.x = x;
    o.y = y;
    o.bytes = sjisText;
    o.text = sjis::toUnicode(sjisText);
    ops.push_back(std::move(o));
}

void RecordingCanvas::moveTo(int x, int y) {
    curX_ = x;
    curY_ = y;
}

void RecordingCanvas::lineTo(int x, int y) {
    CanvasOp o = op(CanvasOp::Line);
    o.x0 = curX_;
    o.y0 = curY_;
    o.x = x;
    o.y = y;
    ops.push_back(o);
    curX_ = x;
    curY_ = y;
}

std::vector<CanvasOp> RecordingCanvas::texts(int page) const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& o : ops)
        if (o.kind == CanvasOp::Text && (page < 0 || o.page == page)) out.push_back(o);
    return out;
}

std::vector<CanvasOp> RecordingCanvas::lines(int page) const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& o : ops)
        if (o.kind == CanvasOp::Line && (page < 0 || o.page == page)) out.push_back(o);
    return out;
}

std::vector<CanvasOp> RecordingCanvas::textsAt(int page, int x, int y) const {
    std::vector<CanvasOp> out;
    for (const CanvasOp& o : ops)
        if (o.kind == CanvasOp::Text && o.page == page && o.x == x && o.y == y) out.push_back(o);
    return out;
}
