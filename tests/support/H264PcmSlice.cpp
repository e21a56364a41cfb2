#include "H264PcmSlice.h"

#include <algorithm>
#include <vector>

class H264PcmSlice::BitWriter {
public:
    void bits(quint32 value, int count)
    {
        for (int i = count - 1; i >= 0; --i)
            bit((value >> i) & 1u);
    }

    void bit(quint32 value)
    {
        m_current = static_cast<quint8>((m_current << 1) | (value & 1u));
        if (++m_used == 8) {
            m_bytes.push_back(m_current);
            m_current = 0;
            m_used = 0;
        }
    }

    void unsignedExpGolomb(quint32 value)
    {
        const quint32 coded = value + 1;
        int length = 0;
        while ((coded >> length) > 1)
            ++length;
        bits(0, length);
        bits(coded, length + 1);
    }

    void signedExpGolomb(int value) { unsignedExpGolomb(value <= 0 ? quint32(-2 * value) : quint32(2 * value - 1)); }

    void alignWithZeros()
    {
        while (m_used != 0)
            bit(0);
    }

    void trailingBits()
    {
        bit(1);
        alignWithZeros();
    }

    const std::vector<quint8>& bytes() const { return m_bytes; }

private:
    std::vector<quint8> m_bytes;
    quint8 m_current = 0;
    int m_used = 0;
};

namespace {

quint8 clampSample(double value)
{
    return static_cast<quint8>(std::clamp(value + 0.5, 1.0, 254.0));
}

quint8 luma(QRgb c)
{
    return clampSample(16.0 + (65.481 * qRed(c) + 128.553 * qGreen(c) + 24.966 * qBlue(c)) / 255.0);
}

double blue(QRgb c)
{
    return 128.0 + (-37.797 * qRed(c) - 74.203 * qGreen(c) + 112.0 * qBlue(c)) / 255.0;
}

double red(QRgb c)
{
    return 128.0 + (112.0 * qRed(c) - 93.786 * qGreen(c) - 18.214 * qBlue(c)) / 255.0;
}

} // namespace

QByteArray H264PcmSlice::make(const QImage& source, int log2MaxFrameNum, int log2MaxPocLsb)
{
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    const int mbWidth = picture.width() / 16;
    const int mbHeight = picture.height() / 16;

    BitWriter w;
    w.unsignedExpGolomb(0); // first macroblock
    w.unsignedExpGolomb(7); // I slice, all slices alike
    w.unsignedExpGolomb(0); // picture parameter set
    w.bits(0, log2MaxFrameNum);
    w.unsignedExpGolomb(0); // IDR picture id
    w.bits(0, log2MaxPocLsb);
    w.bit(0); // no output of prior pictures
    w.bit(0); // no long-term reference
    w.signedExpGolomb(0); // slice QP delta

    for (int my = 0; my < mbHeight; ++my) {
        for (int mx = 0; mx < mbWidth; ++mx) {
            w.unsignedExpGolomb(25); // I_PCM
            w.alignWithZeros();
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x)
                    w.bits(luma(picture.pixel(mx * 16 + x, my * 16 + y)), 8);
            }
            for (int plane = 0; plane < 2; ++plane) {
                for (int y = 0; y < 8; ++y) {
                    for (int x = 0; x < 8; ++x) {
                        double sum = 0;
                        for (int dy = 0; dy < 2; ++dy) {
                            for (int dx = 0; dx < 2; ++dx) {
                                const QRgb c = picture.pixel(mx * 16 + 2 * x + dx, my * 16 + 2 * y + dy);
                                sum += plane == 0 ? blue(c) : red(c);
                            }
                        }
                        w.bits(clampSample(sum / 4.0), 8);
                    }
                }
            }
        }
    }
    w.trailingBits();

    QByteArray nal("\x00\x00\x00\x01\x65", 5);
    int zeros = 0;
    for (quint8 byte : w.bytes()) {
        if (zeros >= 2 && byte <= 3) {
            nal.append('\x03');
            zeros = 0;
        }
        nal.append(static_cast<char>(byte));
        zeros = byte == 0 ? zeros + 1 : 0;
    }
    return nal;
}
