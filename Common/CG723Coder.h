#pragma once

#include "Common/G72xCodec.h"

// G.723 24 kbit/s (G.726 at 3 bits per sample) encoder and decoder with their
// own states, which carry over from call to call for the object's life. Eight
// 3-bit codes are packed into three bytes read as one little-endian 24-bit
// number, code k of the group in bits 3k to 3k+2.
class CG723Coder {
public:
    CG723Coder();

    // Decodes length bytes into length x 8 / 3 samples. Returns that count;
    // with a null output only the count; -1 when it exceeds the capacity
    // (nothing is written then and the state is unchanged).
    int Decode(const unsigned char* input, int length, short* output, int capacity);

    // Encodes count samples into count x 3 / 8 bytes; codes of an incomplete
    // last group advance the state but are not written. Returns the byte
    // count; with a null output only the count; -1 when it exceeds the capacity.
    int Encode(const short* input, int count, unsigned char* output, int capacity);

private:
    g72x_state m_encoder;
    g72x_state m_decoder;
};
