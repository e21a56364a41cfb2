#pragma once

// IMA ADPCM over blocks: a 4-byte block header (the first sample as 16-bit
// signed little-endian, then the step index and a zero byte) followed by one
// 4-bit code per further sample, two per byte, the earlier code in the low
// nibble.

// Encodes count samples into one block. Returns the block's size in bytes;
// with a null output only the size; -1 when it exceeds the capacity.
int adpcm_encoder(const short* input, int count, unsigned char* output, int capacity);

// Decodes one block of length bytes. Returns the number of samples; with a
// null output only that number; -1 when the block is shorter than its header
// or the samples exceed the capacity.
int adpcm_decoder(const unsigned char* input, int length, short* output, int capacity);
