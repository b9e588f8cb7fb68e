#pragma once

#include <QImage>

// What the picture routines draw on: a picture box seen without its window. Sizes are pixels.
class PictureSurface
{
public:
    virtual ~PictureSurface() = default;

    // The inner drawing area.
    virtual int scaleWidth() const = 0;
    virtual int scaleHeight() const = 0;
    // The picture that the surface shows and keeps across repaints.
    virtual void setPicture(const QImage& picture) = 0;
    virtual void clearPicture() = 0;
    virtual bool hasPicture() const = 0;
    virtual QImage picture() const = 0;
    // Makes the inner area exactly width x height pixels.
    virtual void resizeTo(int width, int height) = 0;
};
