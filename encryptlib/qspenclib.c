#include "qspenclib.h"

#include <limits.h>
#include <stddef.h>

static const unsigned char qspkey[4] = {'W', 'q', '3', 'z'};

static const char B64CHR[64] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

/* Reverse table over every byte value: -1 for bytes outside the alphabet,
 * so no input byte can index past it. */
static const signed char B64TBL[256] = {
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 62, -1, -1, -1, 63,
    52, 53, 54, 55, 56, 57, 58, 59, 60, 61, -1, -1, -1, -1, -1, -1,
    -1, 0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
    15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, -1, -1, -1, -1, -1,
    -1, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40,
    41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
};

int QSPEncrypt(const unsigned char* input, int length, unsigned char* output,
               int* outLength, int capacity)
{
    if (input == NULL || output == NULL || outLength == NULL)
        return -1;
    if (length <= 0 || capacity <= 0)
        return -2;

    *outLength = 0;
    int i = 0;
    /* Whole groups first, then the one to three bytes left, each only when
     * it fits; what was written before a refusal stays in output. */
    while (i < length) {
        int group = length - i >= 4 ? 4 : length - i;
        if (group > capacity - *outLength)
            return -3;
        for (int k = 0; k < group; ++k)
            output[i + k] = (unsigned char)(input[i + k] ^ qspkey[k]);
        *outLength += group;
        i += group;
    }
    return 0;
}

int QSPBinToB64(const unsigned char* input, int length, char* output,
                int* outLength, int capacity)
{
    if (input == NULL || outLength == NULL || (output == NULL && capacity != 0))
        return -1;
    if (length <= 0 || capacity < 0)
        return -2;

    long long needed = 4LL * ((length + 2LL) / 3);
    if (needed > INT_MAX)
        return -2;
    if (capacity == 0 || capacity < needed) {
        *outLength = (int)needed;
        return -3;
    }

    int o = 0;
    int i = 0;
    for (; i + 3 <= length; i += 3) {
        unsigned v = ((unsigned)input[i] << 16) | ((unsigned)input[i + 1] << 8) | input[i + 2];
        output[o++] = B64CHR[(v >> 18) & 0x3F];
        output[o++] = B64CHR[(v >> 12) & 0x3F];
        output[o++] = B64CHR[(v >> 6) & 0x3F];
        output[o++] = B64CHR[v & 0x3F];
    }
    if (i < length) {
        unsigned v = (unsigned)input[i] << 16;
        if (i + 1 < length)
            v |= (unsigned)input[i + 1] << 8;
        output[o++] = B64CHR[(v >> 18) & 0x3F];
        output[o++] = B64CHR[(v >> 12) & 0x3F];
        output[o++] = i + 1 < length ? B64CHR[(v >> 6) & 0x3F] : '=';
        output[o++] = '=';
    }
    *outLength = o;
    return 0;
}

static int IsB64Space(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

int QSPB64ToBin(const char* input, int length, unsigned char* output,
                int* outLength, int capacity)
{
    if (input == NULL || outLength == NULL || (output == NULL && capacity != 0))
        return -1;
    if (length < 1 || capacity < 0 || length % 4 != 0)
        return -2;

    int pads = 0;
    for (int k = length - 1; k >= 0 && pads < 2 && input[k] == '='; --k)
        ++pads;
    int needed = length / 4 * 3 - pads;
    if (capacity == 0 || capacity < needed) {
        *outLength = needed;
        return -3;
    }

    const unsigned char* in = (const unsigned char*)input;
    unsigned quad = 0;
    int filled = 0; /* characters in the current group of four */
    int o = 0;
    int i = 0;
    for (; i < length; ++i) {
        unsigned char c = in[i];
        if (c == '\0' || c == '=')
            break;
        if (IsB64Space(c))
            continue;
        int v = B64TBL[c];
        if (v < 0) {
            *outLength = 0;
            return -2;
        }
        quad = (quad << 6) | (unsigned)v;
        if (++filled == 4) {
            if (capacity - o < 3) {
                *outLength = needed;
                return -3;
            }
            output[o++] = (unsigned char)(quad >> 16);
            output[o++] = (unsigned char)(quad >> 8);
            output[o++] = (unsigned char)quad;
            quad = 0;
            filled = 0;
        }
    }

    /* Padding ends the data: only more padding, white space or NUL may follow. */
    if (i < length && in[i] == '=') {
        if (filled < 2) { /* padding must complete a group of two or three */
            *outLength = 0;
            return -2;
        }
        for (int k = i; k < length; ++k) {
            if (in[k] != '=' && in[k] != '\0' && !IsB64Space(in[k])) {
                *outLength = 0;
                return -2;
            }
        }
    }

    if (filled == 1) {
        *outLength = 0;
        return -2;
    }
    if (filled > 1) {
        int extra = filled - 1; /* 2 characters give 1 byte, 3 give 2 */
        if (capacity - o < extra) {
            *outLength = needed;
            return -3;
        }
        quad <<= 6 * (4 - filled);
        output[o++] = (unsigned char)(quad >> 16);
        if (extra == 2)
            output[o++] = (unsigned char)(quad >> 8);
    }
    *outLength = o;
    return 0;
}
