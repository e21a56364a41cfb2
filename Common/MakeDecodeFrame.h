#pragma once

// Old-dialect H.264 frames carry no parameter sets. Writes into out the fixed
// sequence and picture parameter sets (Annex B) for width x height followed by
// the len bytes of data, and returns the bytes written. For a picture size
// without parameter sets only the data is copied. out must hold len +
// MAX_DECODE_PREFIX bytes.
const unsigned long MAX_DECODE_PREFIX = 22;

unsigned long MakeDecodeFrame(const unsigned char* data, unsigned long len, int width, int height, unsigned char* out);
