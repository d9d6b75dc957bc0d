/* Password scrambling and Base64 for ticket values.
 *
 * Status codes shared by the three routines:
 *    0  success
 *   -1  a required pointer is missing
 *   -2  a length or capacity is out of range, or the input is malformed
 *   -3  the output buffer is too small; *outLength then holds the size needed
 *       (QSPEncrypt: the bytes written before it stopped)
 * No routine ever writes past `capacity` bytes of `output`, and none writes a
 * terminating NUL.
 */
#ifndef ZQ_QSPENCLIB_H
#define ZQ_QSPENCLIB_H

#ifdef __cplusplus
extern "C" {
#endif

/* The four-character key that QSPEncrypt repeats over the input. */
#define QSP_KEY "Wq3z"

/* XORs input byte i with key byte i mod 4. Applying it twice gives the input
 * back. Writes exactly `length` bytes; groups of four are only written while
 * they fit into `capacity`. */
int QSPEncrypt(const unsigned char* input, int length, unsigned char* output,
               int* outLength, int capacity);

/* Standard Base64 (RFC 4648 alphabet, "=" padding, no line breaks).
 * Needs 4 * ceil(length / 3) bytes; a capacity of 0 asks for that size
 * (result -3 with the size in *outLength). */
int QSPBinToB64(const unsigned char* input, int length, char* output,
                int* outLength, int capacity);

/* Decodes Base64 text whose length is a multiple of 4. White space before
 * and between the characters is skipped; decoding ends at a NUL or at the
 * "=" padding. A character outside the alphabet, padding followed by data,
 * or a final group of a single character gives -2. The size needed is
 * length / 4 * 3 less the trailing "=" characters. */
int QSPB64ToBin(const char* input, int length, unsigned char* output,
                int* outLength, int capacity);

#ifdef __cplusplus
}
#endif

#endif /* ZQ_QSPENCLIB_H */
