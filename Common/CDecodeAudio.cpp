#include "CDecodeAudio.h"

#include "Common/G711.h"

int CDecodeAudio::DecodeFrame(bool g723, const unsigned char* input, int inputLength, short* output, int outputCapacity)
{
    if (!input || !output || inputLength != getEncodedSize(g723) || outputCapacity != getDecodedSize(g723))
        return -1;
    if (g723)
        return m_coder.Decode(input, inputLength, output, outputCapacity);
    for (int i = 0; i < inputLength; ++i)
        output[i] = static_cast<short>(alaw2linear(input[i]));
    return outputCapacity;
}
