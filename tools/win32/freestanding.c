/* The two routines the compiler may call on its own for copies and clearing, as no runtime
   library is linked. */
#include <stddef.h>

void* memset(void* destination, int value, size_t size)
{
    unsigned char* bytes = destination;
    while (size--)
        *bytes++ = (unsigned char)value;
    return destination;
}

void* memcpy(void* destination, const void* source, size_t size)
{
    unsigned char* to = destination;
    const unsigned char* from = source;
    while (size--)
        *to++ = *from++;
    return destination;
}
