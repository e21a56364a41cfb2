#pragma once

// ITU-T G.711 companding: 8-bit A-law and mu-law codes to and from 16-bit
// linear samples.
int alaw2linear(unsigned char alaw);
unsigned char linear2alaw(int pcm);
int ulaw2linear(unsigned char ulaw);
unsigned char linear2ulaw(int pcm);
