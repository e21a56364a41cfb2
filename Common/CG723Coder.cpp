#include "CG723Coder.h"

CG723Coder::CG723Coder()
{
    g72x_init_state(&m_encoder);
    g72x_init_state(&m_decoder);
}

int CG723Coder::Decode(const unsigned char* input, int length, short* output, int capacity)
{
    if (length < 0 || (length > 0 && !input))
        return -1;
    const int count = static_cast<int>(static_cast<long long>(length) * 8 / 3);
    if (!output)
        return count;
    if (count > capacity)
        return -1;

    int written = 0;
    for (int at = 0; at < length; at += 3) {
        const int groupBytes = length - at < 3 ? length - at : 3;
        unsigned long bits = 0;
        for (int i = 0; i < groupBytes; ++i)
            bits |= static_cast<unsigned long>(input[at + i]) << (8 * i);
        const int codes = groupBytes * 8 / 3;
        for (int k = 0; k < codes; ++k)
            output[written++]
                = static_cast<short>(g723_24_decoder((bits >> (3 * k)) & 7, AUDIO_ENCODING_LINEAR, &m_decoder));
    }
    return written;
}

int CG723Coder::Encode(const short* input, int count, unsigned char* output, int capacity)
{
    if (count < 0 || (count > 0 && !input))
        return -1;
    const int bytes = static_cast<int>(static_cast<long long>(count) * 3 / 8);
    if (!output)
        return bytes;
    if (bytes > capacity)
        return -1;

    int written = 0;
    unsigned long bits = 0;
    for (int i = 0; i < count; ++i) {
        const int code = g723_24_encoder(input[i], AUDIO_ENCODING_LINEAR, &m_encoder);
        bits |= static_cast<unsigned long>(code & 7) << (3 * (i % 8));
        if (i % 8 == 7) {
            for (int b = 0; b < 3; ++b)
                output[written++] = static_cast<unsigned char>((bits >> (8 * b)) & 0xFF);
            bits = 0;
        }
    }
    return written;
}
