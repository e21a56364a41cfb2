#include "ImaAdpcm.h"

#include <algorithm>

namespace {

const int kIndexTable[16] = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

const int kStepTable[89] = {7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50, 55, 60, 66,
    73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408, 449, 494, 544, 598, 658,
    724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327, 3660, 4026, 4428,
    4871, 5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500, 20350, 22385,
    24623, 27086, 29794, 32767};

constexpr int kHeaderBytes = 4;

// Applies one code to the predictor and step index; shared by both sides so
// that the encoder tracks exactly what the decoder will reconstruct.
void step(int code, int& predicted, int& index)
{
    const int size = kStepTable[index];
    int difference = size >> 3;
    if (code & 4)
        difference += size;
    if (code & 2)
        difference += size >> 1;
    if (code & 1)
        difference += size >> 2;
    predicted += (code & 8) ? -difference : difference;
    predicted = std::clamp(predicted, -32768, 32767);
    index = std::clamp(index + kIndexTable[code], 0, 88);
}

int blockBytes(int count)
{
    return count <= 0 ? 0 : kHeaderBytes + count / 2;
}

} // namespace

int adpcm_encoder(const short* input, int count, unsigned char* output, int capacity)
{
    const int bytes = blockBytes(count);
    if (!output)
        return bytes;
    if (bytes > capacity || !input)
        return -1;
    if (count <= 0)
        return 0;

    int predicted = input[0];
    int index = 0;
    output[0] = static_cast<unsigned char>(predicted & 0xFF);
    output[1] = static_cast<unsigned char>((predicted >> 8) & 0xFF);
    output[2] = static_cast<unsigned char>(index);
    output[3] = 0;
    std::fill(output + kHeaderBytes, output + bytes, 0);

    for (int i = 1; i < count; ++i) {
        const int size = kStepTable[index];
        int difference = input[i] - predicted;
        int code = 0;
        if (difference < 0) {
            code = 8;
            difference = -difference;
        }
        if (difference >= size) {
            code |= 4;
            difference -= size;
        }
        if (difference >= size >> 1) {
            code |= 2;
            difference -= size >> 1;
        }
        if (difference >= size >> 2)
            code |= 1;
        step(code, predicted, index);

        const int at = kHeaderBytes + (i - 1) / 2;
        output[at] = static_cast<unsigned char>(output[at] | ((i - 1) % 2 == 0 ? code : code << 4));
    }
    return bytes;
}

int adpcm_decoder(const unsigned char* input, int length, short* output, int capacity)
{
    if (!input || length < kHeaderBytes)
        return -1;
    const int count = 1 + (length - kHeaderBytes) * 2;
    if (!output)
        return count;
    if (count > capacity)
        return -1;

    int predicted = static_cast<short>(input[0] | (input[1] << 8));
    int index = std::clamp(static_cast<int>(input[2]), 0, 88);
    output[0] = static_cast<short>(predicted);
    for (int i = 1; i < count; ++i) {
        const unsigned char byte = input[kHeaderBytes + (i - 1) / 2];
        const int code = (i - 1) % 2 == 0 ? byte & 0x0F : byte >> 4;
        step(code, predicted, index);
        output[i] = static_cast<short>(predicted);
    }
    return count;
}
