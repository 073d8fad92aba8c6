#pragma once
// The picture a picture figure carries. Only picture figures have one, so it lives on the heap and every
// other figure holds a null pointer: making, copying, moving and destroying those figures is inline and
// calls nothing for it. Copies are deep (a new image, which shares the pixels until either is changed).

#include <QImage>
#include <memory>

namespace molvane {

class FigurePicture {
public:
    FigurePicture() noexcept = default;
    FigurePicture(const FigurePicture& other) : image_(copyOf(other.image_)) {}
    FigurePicture(FigurePicture&&) noexcept = default;
    FigurePicture& operator=(const FigurePicture& other)
    {
        if (this != &other)
            image_ = copyOf(other.image_);
        return *this;
    }
    FigurePicture& operator=(FigurePicture&&) noexcept = default;
    // A null image leaves no picture.
    FigurePicture& operator=(QImage image);

    bool isNull() const { return !image_ || image_->isNull(); }
    QSize size() const { return image_ ? image_->size() : QSize(0, 0); } // a null image's size when none
    // The picture; a null image when there is none.
    const QImage& image() const;
    // The picture to change in place; a null image is made first when there is none.
    QImage& image();

private:
    static std::unique_ptr<QImage> copyOf(const std::unique_ptr<QImage>& image)
    {
        return image ? std::make_unique<QImage>(*image) : nullptr;
    }

    std::unique_ptr<QImage> image_;
};

} // namespace molvane
