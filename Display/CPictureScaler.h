#pragma once

#include "Display/CDisplayInfo.h"

#include <QImage>
#include <QRect>
#include <QSize>

struct SwsContext;

// Turns a record's picture, or a part of it, into RGB32 pixels of a given
// size: conversion and scaling in one pass of libswscale on the calling
// thread, with the scaler and the target image kept from call to call. The
// one place that reads pictures for libswscale.
class CPictureScaler {
public:
    // How a target pixel is taken from the source's.
    enum class Sampling {
        Nearest,
        // Quicker, coarser weights.
        FastBilinear,
        Bilinear,
    };

    CPictureScaler() = default;
    ~CPictureScaler();
    CPictureScaler(const CPictureScaler&) = delete;
    CPictureScaler& operator=(const CPictureScaler&) = delete;

    // `source` in picture pixels, clipped to the picture. A null image when
    // the record holds no picture or nothing is left to scale. The image is
    // written again by the next call: keep no copy of it.
    const QImage& scaled(const CDisplayInfo& info, const QRect& source, const QSize& size);
    // A whole planar YUV picture into the rows of `target`, `stride` bytes
    // apart, at `size`. False when the picture is not planar or cannot be
    // scaled.
    bool scaleInto(const CVideoPicture& picture, const QSize& size, Sampling sampling, uint8_t* target, int stride);
    // The layout of the pixels written: RGB32 words (QImage::Format_RGB32).
    static AVPixelFormat targetFormat();
    // Lets go of the scaler and of the image.
    void release();

private:
    SwsContext* m_context = nullptr;
    QImage m_image;
};
