#include "league/ui/arrow_picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <map>
// clang-format off
#include <jpeglib.h>  // needs FILE and size_t declared before it
// clang-format on

#include "form/form_colors.h"

namespace {

constexpr JDIMENSION kLargestPicture = 1024;

// libjpeg's own error handler ends the process; this one jumps back to the reader.
struct ErrorJump {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void jumpBack(j_common_ptr c) {
    std::longjmp(reinterpret_cast<ErrorJump*>(c->err)->jump, 1);
}

void keepQuiet(j_common_ptr) {}

// No object with a destructor lives in this frame, which libjpeg may leave by longjmp.
bool decode(std::FILE* f, QImage& out) {
    jpeg_decompress_struct cinfo;
    ErrorJump err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = jumpBack;
    err.pub.output_message = keepQuiet;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, f);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3 || cinfo.output_width == 0 || cinfo.output_height == 0 ||
        cinfo.output_width > kLargestPicture || cinfo.output_height > kLargestPicture) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    out = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    // A file cut short decodes with warnings and grey rows: it counts as damaged.
    const bool whole = err.pub.num_warnings == 0;
    jpeg_destroy_decompress(&cinfo);
    return whole;
}

// The pictures as decoded, by path: every press, release and opening of the screen shows them
// again, and a file is decoded anew only when it changed.
const std::optional<QImage>& decodedPicture(const std::string& path) {
    struct Decoded {
        std::filesystem::file_time_type written;
        std::uintmax_t size = 0;
        std::optional<QImage> image;
    };
    static std::map<std::string, Decoded> decoded;
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(path, ec);
    const std::uintmax_t size = ec ? 0 : std::filesystem::file_size(path, ec);
    auto [at, fresh] = decoded.try_emplace(path);
    Decoded& d = at->second;
    if (fresh || ec || d.written != written || d.size != size) d = {written, size, ec ? std::nullopt : readJpeg(path)};
    return d.image;
}

}  // namespace

std::optional<QImage> readJpeg(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    QImage image;
    const bool ok = decode(f, image);
    std::fclose(f);
    if (!ok || image.isNull()) return std::nullopt;
    return image;
}

ArrowPicture::ArrowPicture(QWidget* parent, const QString& name, const QRect& geometry, Points points,
                           std::string offPath, std::string onPath)
    : QWidget(parent), points_(points), offPath_(std::move(offPath)), onPath_(std::move(onPath)) {
    setObjectName(name);
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
    showPressed(false);
}

void ArrowPicture::showPressed(bool pressed) {
    pressed_ = pressed;
    picture_ = decodedPicture(pressed ? onPath_ : offPath_);
    if (picture_ && (points_ == Points::Up || points_ == Points::Down))
        picture_ = picture_->transformed(QTransform().rotate(90));
    update();
}

void ArrowPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (picture_) {
        p.drawImage(rect(), *picture_);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), form_colors::kWhite);
    p.setPen(form_colors::kSilver);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const bool across = points_ == Points::Left || points_ == Points::Right;
    const qreal dx = width() * (across ? 0.25 : 0.2), dy = height() * (across ? 0.2 : 0.25);
    const QRectF r = QRectF(rect()).adjusted(dx, dy, -dx, -dy);
    QPolygonF triangle;
    switch (points_) {
        case Points::Left:
            triangle << QPointF(r.left(), r.center().y()) << r.topRight() << r.bottomRight();
            break;
        case Points::Right:
            triangle << QPointF(r.right(), r.center().y()) << r.topLeft() << r.bottomLeft();
            break;
        case Points::Up:
            triangle << QPointF(r.center().x(), r.top()) << r.bottomLeft() << r.bottomRight();
            break;
        case Points::Down:
            triangle << QPointF(r.center().x(), r.bottom()) << r.topLeft() << r.topRight();
            break;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(pressed_ ? form_colors::kBlack : form_colors::kGray);
    p.drawPolygon(triangle);
}

void ArrowPicture::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) emit pressed();
    QWidget::mousePressEvent(e);
}

void ArrowPicture::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        emit released();
        if (rect().contains(e->position().toPoint())) emit clicked();
    }
    QWidget::mouseReleaseEvent(e);
}
