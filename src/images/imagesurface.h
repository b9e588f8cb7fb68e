#pragma once

#include "images/picturesurface.h"

// A picture surface without a window, for the command-line tool, benchmarks and tests.
class ImageSurface : public PictureSurface
{
public:
    ImageSurface(int width, int height)
        : m_width(width)
        , m_height(height)
    {
    }
    int scaleWidth() const override { return m_width; }
    int scaleHeight() const override { return m_height; }
    void setPicture(const QImage& picture) override { m_picture = picture; }
    void clearPicture() override { m_picture = QImage(); }
    bool hasPicture() const override { return !m_picture.isNull(); }
    QImage picture() const override { return m_picture; }
    void resizeTo(int width, int height) override
    {
        m_width = width;
        m_height = height;
    }

private:
    int m_width, m_height;
    QImage m_picture;
};
