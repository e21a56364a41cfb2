#include "G72xCodec.h"

#include <cstdlib>

namespace {

const short kPower2[15] = {1, 2, 4, 8, 0x10, 0x20, 0x40, 0x80, 0x100, 0x200, 0x400, 0x800, 0x1000, 0x2000, 0x4000};

// Quantiser decision levels of the 24 kbit/s rate.
const short kQuantizerTable[3] = {8, 218, 331};
// Reconstructed log magnitudes, scale factor multipliers and speed control
// values of each 3-bit code.
const short kDqlnTable[8] = {-2048, 135, 273, 373, 373, 273, 135, -2048};
const short kWiTable[8] = {-128, 960, 4384, 18624, 18624, 4384, 960, -128};
const short kFiTable[8] = {0, 0x200, 0x400, 0xE00, 0xE00, 0x400, 0x200, 0};

// Index of the first table entry above val; size when there is none.
int quan(int val, const short* table, int size)
{
    int i = 0;
    while (i < size && val >= table[i])
        ++i;
    return i;
}

int step_size(const g72x_state* state)
{
    if (state->ap >= 256)
        return state->yu;
    int y = static_cast<int>(state->yl >> 6);
    const int dif = state->yu - y;
    const int al = state->ap >> 2;
    if (dif > 0)
        y += (dif * al) >> 6;
    else if (dif < 0)
        y += (dif * al + 0x3F) >> 6;
    return y;
}

int quantize(int d, int y, const short* table, int size)
{
    const int dqm = std::abs(d);
    const int exp = quan(dqm >> 1, kPower2, 15);
    const int mant = ((dqm << 7) >> exp) & 0x7F;
    const int dl = (exp << 7) + mant;
    const int dln = dl - (y >> 2);
    const int i = quan(dln, table, size);
    if (d < 0)
        return (size << 1) + 1 - i;
    if (i == 0)
        return (size << 1) + 1;
    return i;
}

int reconstruct(int sign, int dqln, int y)
{
    const int dql = dqln + (y >> 2);
    if (dql < 0)
        return sign ? -0x8000 : 0;
    const int dex = (dql >> 7) & 15;
    const int dqt = 128 + (dql & 127);
    const int dq = (dqt << 7) >> (14 - dex);
    return sign ? dq - 0x8000 : dq;
}

short toFloat(int magnitude, bool negative)
{
    const int exp = quan(magnitude, kPower2, 15);
    const int value = (exp << 6) + ((magnitude << 6) >> exp);
    return static_cast<short>(negative ? value - 0x400 : value);
}

} // namespace

void g72x_init_state(g72x_state* state)
{
    state->yl = 34816;
    state->yu = 544;
    state->dms = 0;
    state->dml = 0;
    state->ap = 0;
    for (int i = 0; i < 2; ++i) {
        state->a[i] = 0;
        state->pk[i] = 0;
        state->sr[i] = 32;
    }
    for (int i = 0; i < 6; ++i) {
        state->b[i] = 0;
        state->dq[i] = 32;
    }
    state->td = 0;
}

int fmult(int an, int srn)
{
    const int anmag = an > 0 ? an : ((-an) & 0x1FFF);
    const int anexp = quan(anmag, kPower2, 15) - 6;
    const int anmant = anmag == 0 ? 32 : anexp >= 0 ? anmag >> anexp : anmag << -anexp;
    const int wanexp = anexp + ((srn >> 6) & 0xF) - 13;
    const int wanmant = (anmant * (srn & 077) + 0x30) >> 4;
    const int retval = wanexp >= 0 ? ((wanmant << wanexp) & 0x7FFF) : (wanmant >> -wanexp);
    return ((an ^ srn) < 0) ? -retval : retval;
}

int predictor_zero(const g72x_state* state)
{
    int sezi = 0;
    for (int i = 0; i < 6; ++i)
        sezi += fmult(state->b[i] >> 2, state->dq[i]);
    return sezi;
}

int predictor_pole(const g72x_state* state)
{
    return fmult(state->a[1] >> 2, state->sr[1]) + fmult(state->a[0] >> 2, state->sr[0]);
}

void update(int codeSize, int y, int wi, int fi, int dq, int sr, int dqsez, g72x_state* state)
{
    const int pk0 = dqsez < 0 ? 1 : 0;
    int mag = dq & 0x7FFF;

    // Transition detection.
    const int ylint = static_cast<int>(state->yl >> 15);
    const int ylfrac = static_cast<int>(state->yl >> 10) & 0x1F;
    const int thr1 = (32 + ylfrac) << ylint;
    const int thr2 = ylint > 9 ? 31 << 10 : thr1;
    const int dqthr = (thr2 + (thr2 >> 1)) >> 1;
    const bool tr = state->td != 0 && mag > dqthr;

    // Quantiser scale factor adaptation.
    int yu = y + ((wi - y) >> 5);
    if (yu < 544)
        yu = 544;
    else if (yu > 5120)
        yu = 5120;
    state->yu = static_cast<short>(yu);
    state->yl += state->yu + ((-state->yl) >> 6);

    // Adaptive predictor coefficients.
    int a2p = 0;
    if (tr) {
        state->a[0] = state->a[1] = 0;
        for (short& b : state->b)
            b = 0;
    } else {
        const int pks1 = pk0 ^ state->pk[0];
        a2p = state->a[1] - (state->a[1] >> 7);
        if (dqsez != 0) {
            const int fa1 = pks1 ? state->a[0] : -state->a[0];
            if (fa1 < -8191)
                a2p -= 0x100;
            else if (fa1 > 8191)
                a2p += 0xFF;
            else
                a2p += fa1 >> 5;

            if (pk0 ^ state->pk[1]) {
                if (a2p <= -12160)
                    a2p = -12288;
                else if (a2p >= 12416)
                    a2p = 12288;
                else
                    a2p -= 0x80;
            } else if (a2p <= -12416) {
                a2p = -12288;
            } else if (a2p >= 12160) {
                a2p = 12288;
            } else {
                a2p += 0x80;
            }
        }
        state->a[1] = static_cast<short>(a2p);

        int a1 = state->a[0] - (state->a[0] >> 8);
        if (dqsez != 0)
            a1 += pks1 == 0 ? 192 : -192;
        const int a1ul = 15360 - a2p;
        if (a1 < -a1ul)
            a1 = -a1ul;
        else if (a1 > a1ul)
            a1 = a1ul;
        state->a[0] = static_cast<short>(a1);

        for (int i = 0; i < 6; ++i) {
            int b = state->b[i];
            b -= codeSize == 5 ? b >> 9 : b >> 8;
            if (dq & 0x7FFF)
                b += (dq ^ state->dq[i]) >= 0 ? 128 : -128;
            state->b[i] = static_cast<short>(b);
        }
    }

    for (int i = 5; i > 0; --i)
        state->dq[i] = state->dq[i - 1];
    if (mag == 0)
        state->dq[0] = static_cast<short>(dq >= 0 ? 0x20 : 0xFC20);
    else
        state->dq[0] = toFloat(mag, dq < 0);

    state->sr[1] = state->sr[0];
    if (sr == 0) {
        state->sr[0] = 0x20;
    } else if (sr > 0) {
        state->sr[0] = toFloat(sr, false);
    } else if (sr > -32768) {
        mag = -sr;
        state->sr[0] = toFloat(mag, true);
    } else {
        state->sr[0] = static_cast<short>(0xFC20);
    }

    state->pk[1] = state->pk[0];
    state->pk[0] = static_cast<short>(pk0);

    // Tone detection.
    if (tr)
        state->td = 0;
    else
        state->td = a2p < -11776 ? 1 : 0;

    // Adaptation speed control.
    state->dms = static_cast<short>(state->dms + ((fi - state->dms) >> 5));
    state->dml = static_cast<short>(state->dml + (((fi << 2) - state->dml) >> 7));
    if (tr)
        state->ap = 256;
    else if (y < 1536 || state->td == 1 || std::abs((state->dms << 2) - state->dml) >= (state->dml >> 3))
        state->ap = static_cast<short>(state->ap + ((0x200 - state->ap) >> 4));
    else
        state->ap = static_cast<short>(state->ap + ((-state->ap) >> 4));
}

int g723_24_encoder(int sample, int coding, g72x_state* state)
{
    if (coding != AUDIO_ENCODING_LINEAR)
        return -1;
    const int sl = sample >> 2;
    const int sezi = predictor_zero(state);
    const int sez = sezi >> 1;
    const int se = (sezi + predictor_pole(state)) >> 1;
    const int d = sl - se;
    const int y = step_size(state);
    const int i = quantize(d, y, kQuantizerTable, 3);
    const int dq = reconstruct(i & 4, kDqlnTable[i], y);
    const int sr = dq < 0 ? se - (dq & 0x3FFF) : se + dq;
    const int dqsez = sr + sez - se;
    update(3, y, kWiTable[i], kFiTable[i], dq, sr, dqsez, state);
    return i;
}

int g723_24_decoder(int code, int coding, g72x_state* state)
{
    if (coding != AUDIO_ENCODING_LINEAR)
        return -1;
    const int i = code & 0x07;
    const int sezi = predictor_zero(state);
    const int sez = sezi >> 1;
    const int se = (sezi + predictor_pole(state)) >> 1;
    const int y = step_size(state);
    const int dq = reconstruct(i & 0x04, kDqlnTable[i], y);
    const int sr = dq < 0 ? se - (dq & 0x3FFF) : se + dq;
    const int dqsez = sr - se + sez;
    update(3, y, kWiTable[i], kFiTable[i], dq, sr, dqsez, state);
    return sr * 4;
}
