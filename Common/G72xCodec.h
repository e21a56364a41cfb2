#pragma once

// ITU-T G.726 adaptive differential PCM at 24 kbit/s (the rate that DVRs of
// the old dialect call G.723 24k): one 3-bit code per 8 kHz sample. The
// functions follow the Recommendation's block structure: predictors, step
// size adaptation, quantiser, reconstruction and the state update with tone
// and transition detection.

// Codings of the samples handed to and returned by the coders.
enum { AUDIO_ENCODING_ULAW = 1, AUDIO_ENCODING_ALAW = 2, AUDIO_ENCODING_LINEAR = 3 };

struct g72x_state {
    long yl; // locked (steady state) step size multiplier
    short yu; // unlocked (non-steady state) step size multiplier
    short dms; // short-term energy estimate
    short dml; // long-term energy estimate
    short ap; // linear weighting coefficient of yl and yu
    short a[2]; // pole predictor coefficients
    short b[6]; // zero predictor coefficients
    short pk[2]; // signs of previous two partial reconstructed signals
    short dq[6]; // previous quantised differences, 4-bit exponent and 6-bit mantissa
    short sr[2]; // previous reconstructed signals, same format
    char td; // tone detected
};

void g72x_init_state(g72x_state* state);

// Linear samples are 16-bit; the Recommendation works on 14 bits.
int g723_24_encoder(int sample, int coding, g72x_state* state);
int g723_24_decoder(int code, int coding, g72x_state* state);

int predictor_zero(const g72x_state* state);
int predictor_pole(const g72x_state* state);
int fmult(int an, int srn);
void update(int codeSize, int y, int wi, int fi, int dq, int sr, int dqsez, g72x_state* state);
