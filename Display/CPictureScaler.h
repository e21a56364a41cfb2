#pragma once

#include "Display/CDisplayInfo.h"

#include <QImage>
#include <QRect>
#include <QSize>

struct SwsContext;

// Turns a record's picture, or a part of it, into an RGB32 image of a given
// size: conversion and scaling in one pass of libswscale on the calling
// thread, with the scaler and the target image kept from call to call.
class CPictureScaler {
public:
    CPictureScaler() = default;
    ~CPictureScaler();
    CPictureScaler(const CPictureScaler&) = delete;
    CPictureScaler& operator=(const CPictureScaler&) = delete;

    // `source` in picture pixels, clipped to the picture. A null image when
    // the record holds no picture or nothing is left to scale. The image is
    // written again by the next call: keep no copy of it.
    const QImage& scaled(const CDisplayInfo& info, const QRect& source, const QSize& size);

private:
    SwsContext* m_context = nullptr;
    QImage m_image;
};
