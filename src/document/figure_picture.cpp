#include "document/figure_picture.h"

namespace molvane {

FigurePicture& FigurePicture::operator=(QImage image)
{
    if (image.isNull())
        image_.reset();
    else if (image_)
        *image_ = std::move(image);
    else
        image_ = std::make_unique<QImage>(std::move(image));
    return *this;
}

const QImage& FigurePicture::image() const
{
    static const QImage none;
    return image_ ? *image_ : none;
}

QImage& FigurePicture::image()
{
    if (!image_)
        image_ = std::make_unique<QImage>();
    return *image_;
}

} // namespace molvane
